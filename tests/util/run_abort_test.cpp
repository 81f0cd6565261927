#include "util/run_abort.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace util {
namespace {

using test_support::StdoutToStderr;

TEST(RunAbortDeathTest, WritesTheHeadingAndTheMessageAndExitsWithOne) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        RunAbort("Unrecognized dealer: \"X\"]");
      },
      // "\\]": GoogleTest's expressions on Windows take no bare bracket.
      testing::ExitedWithCode(1),
      "^Halted by URunAbor because:\r\nUnrecognized dealer: \"X\"\\]\r\n$");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        RunAbort("");
      },
      testing::ExitedWithCode(1), "^Halted by URunAbor because:\r\n\r\n$");
}

TEST(RunAbortDeathTest, StopWithLinesWritesEachLineOrNoneAndExitsWithOne) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        StopWithLines({"Incorrect number of parameters.", "  o  Name"});
      },
      testing::ExitedWithCode(1), "^Incorrect number of parameters\\.\r\n  o  Name\r\n$");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        StopWithLines({});
      },
      testing::ExitedWithCode(1), "^$");
}

TEST(RunWarning, MessagesOverSeventyCharactersStartOnTheirOwnLine) {
  const std::string seventy(70, 'm');
  const std::string seventy_one(71, 'm');
  testing::internal::CaptureStdout();
  RunWarning(seventy);
  RunWarning(seventy_one);
  RunWarning("");
  EXPECT_EQ(
      "WARNING: " + seventy + "\r\n" + "WARNING: \r\n" + seventy_one + "\r\n" + "WARNING: \r\n",
      testing::internal::GetCapturedStdout());
}

}  // namespace
}  // namespace util

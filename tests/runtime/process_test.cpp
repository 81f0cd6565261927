#include "runtime/process.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "runtime/environment.h"
#include "tests/support/test_support.h"

namespace runtime {
namespace {

TEST(Environment, NamesAreComparedIgnoringCaseAndValuesCutAt255) {
  setenv("DealMint_Test_Var", "value=with=equals", 1);
  EXPECT_EQ(Text("value=with=equals"), GetEnvironment("DEALMINT_TEST_VAR"));
  EXPECT_EQ(Text("value=with=equals"), GetEnvironment("dealmint_test_var"));
  EXPECT_EQ(Text(), GetEnvironment("DEALMINT_TEST_VA"));
  EXPECT_EQ(Text(), GetEnvironment("DEALMINT_NO_SUCH_VARIABLE"));
  setenv("DEALMINT_TEST_LONG", std::string(400, 'v').c_str(), 1);
  EXPECT_EQ(255u, GetEnvironment("dealmint_test_long").length());
  unsetenv("DealMint_Test_Var");
  unsetenv("DEALMINT_TEST_LONG");
}

TEST(RunProgram, WaitsForTheProgramAndNotesHowItEnded) {
  const test_support::ScopedTempDir dir;
  const std::filesystem::path marker = dir.path() / "marker";
  const ProgramOutcome done = RunProgram(
      "/bin/sh", {"-c", "sleep 0.2; echo \"$GREETING\" > '" + marker.string() + "'; exit 3"},
      {"GREETING=hello"});
  EXPECT_TRUE(done.started);
  EXPECT_EQ(3, done.exit_code);
  EXPECT_EQ("hello\n", test_support::ReadBytes(marker));  // finished before we returned

  const ProgramOutcome killed = RunProgram("sh", {"-c", "kill -9 $$"}, CurrentEnvironment());
  EXPECT_EQ(9, killed.signal);

  EXPECT_FALSE(RunProgram("/no/such/program", {}, {}).started);
}

TEST(RunProgram, ProgramDirectoryIsTheTestsOwnDirectory) {
  const std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / "runtime_tests"));
}

}  // namespace
}  // namespace runtime

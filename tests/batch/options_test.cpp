#include "batch/options.h"

#include <gtest/gtest.h>

namespace batch {
namespace {

TEST(ParseOptions, ReadsOptionsAmongInputsAndNamesWhatIsWrong) {
  struct Case {
    std::vector<std::string> arguments;
    std::string fault;
  };
  const Case cases[] = {
      {{}, ""},
      {{"a.pbn", "--par", "a.par", "-o", "out.pbn", "--threads=3", "b.pbn"}, ""},
      {{"--no-cache", "--quiet", "--", "--par"}, ""},
      {{"--threads", "0"}, "--threads needs a number from 1, not \"0\""},
      {{"--threads", "2x"}, "--threads needs a number from 1, not \"2x\""},
      {{"--json"}, "--json needs a value"},
      {{"--quiet=yes"}, "--quiet takes no value"},
      {{"--html"}, "--html needs a value"},
      {{"--explain=yes"}, "--explain takes no value"},
      {{"--frobnicate"}, "unknown option --frobnicate"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    Options options;
    EXPECT_EQ(c.fault, ParseOptions(c.arguments, options));
  }
  Options options;
  ASSERT_EQ("", ParseOptions(cases[1].arguments, options));
  EXPECT_EQ((std::vector<std::string>{"a.pbn", "b.pbn"}), options.inputs);
  EXPECT_EQ("a.par", options.par);
  EXPECT_EQ("out.pbn", options.output);
  EXPECT_EQ(3, options.threads);
  Options none;
  ASSERT_EQ("", ParseOptions({"--no-cache", "--quiet", "--", "--par"}, none));
  EXPECT_EQ(std::vector<std::string>{"--par"}, none.inputs);
  EXPECT_TRUE(none.no_cache && none.quiet);
  Options pages;
  ASSERT_EQ("", ParseOptions({"--explain", "--html=records.html", "a.pbn"}, pages));
  EXPECT_TRUE(pages.explain);
  EXPECT_EQ("records.html", pages.html);
  EXPECT_FALSE(none.explain);
  Options standard_input;
  ASSERT_EQ("", ParseOptions({}, standard_input));
  EXPECT_EQ(std::vector<std::string>{"-"}, standard_input.inputs);
}

}  // namespace
}  // namespace batch

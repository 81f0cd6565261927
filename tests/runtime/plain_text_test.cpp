#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "runtime/letter_case.h"
#include "runtime/line_end.h"

namespace runtime {
namespace {

TEST(TakeFirstLine, EachLineEndStyleEndsOneLine) {
  const struct {
    std::string_view text;
    std::vector<std::string_view> lines;
  } cases[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\n\r", {"a", ""}},          // LF CR is two line ends
      {"a\r\r\nb", {"a", "", "b"}},  // CR, then CR LF
      {"\r\n\r\n", {"", ""}},
      {"last\r", {"last"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    std::string_view rest = c.text;
    std::vector<std::string_view> lines;
    while (!rest.empty()) lines.push_back(TakeFirstLine(rest));
    EXPECT_EQ(c.lines, lines);
  }
}

TEST(LetterCase, OnlyAsciiLettersChangeAndCompareWithoutCase) {
  EXPECT_EQ('A', UpperCaseOf('a'));
  EXPECT_EQ('z', LowerCaseOf('Z'));
  for (const char c : {'@', '[', '`', '{', '1', '\xC9', '\xE9'}) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(c, UpperCaseOf(c));
    EXPECT_EQ(c, LowerCaseOf(c));
  }
  EXPECT_TRUE(SameIgnoringCase("ComSpec", "COMSPEC"));
  EXPECT_FALSE(SameIgnoringCase("COMSPEC", "COMSPE"));
  EXPECT_FALSE(SameIgnoringCase("\xC9", "\xE9"));
}

}  // namespace
}  // namespace runtime

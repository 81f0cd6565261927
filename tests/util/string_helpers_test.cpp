#include "util/string_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace util {
namespace {

using runtime::Text;

// Example texts write a blank as _ and a tab as >, as they are easier to read.
Text T(std::string s) {
  for (char& c : s) {
    if (c == '_') c = ' ';
    if (c == '>') c = '\t';
  }
  return Text(s);
}

using PopFn = void (*)(Text&, Text&);

TEST(StringHelpers, PoppingLeavesExactlyTheDocumentedLeftovers) {
  const struct {
    const char* name;
    PopFn pop;
    const char* in;
    const char* out_want;
    const char* in_want;
  } cases[] = {
      {"PopFirstWord", PopFirstWord, "ab_cd", "ab", "cd"},
      {"PopFirstWord", PopFirstWord, "_ab", "", "ab"},
      {"PopFirstWord", PopFirstWord, "a>b_c", "a", "b_c"},
      {"PopFirstWord", PopFirstWord, "abc", "abc", ""},
      {"PopFirstWord", PopFirstWord, "a__b", "a", "_b"},
      {"PopLastWord", PopLastWord, "ab_cd", "cd", "ab_"},
      {"PopLastWord", PopLastWord, "ab_", "", "ab"},
      {"PopLastWord", PopLastWord, "a>b", "a>b", ""},
      {"PopFirstField", PopFirstField, "a_b>c", "a_b", "c"},
      {"PopFirstField", PopFirstField, "a_b", "a_b", ""},
      {"PopLastField", PopLastField, "a>b_c", "b_c", "a>"},
      {"PopLastField", PopLastField, "a>b>c", "c", "a>b>"},
      {"PopLastField", PopLastField, "a>", "", "a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " on " + c.in);
    Text in = T(c.in);
    Text out("junk");
    c.pop(in, out);
    EXPECT_EQ(T(c.out_want), out);
    EXPECT_EQ(T(c.in_want), in);
  }
}

TEST(StringHelpers, WordsAreCountedWithTabsYieldingEmptyWords) {
  EXPECT_EQ(0, NWordsInString(T("")));
  EXPECT_EQ(0, NWordsInString(T("___")));
  EXPECT_EQ(2, NWordsInString(T("_ab__cd_")));
  EXPECT_EQ(2, NWordsInString(T("a>b")));
  EXPECT_EQ(3, NWordsInString(T("a_>b")));
}

TEST(StringHelpers, TrimmingRemovesBlanksButNeverTabs) {
  const struct {
    void (*trim)(Text&);
    const char* in;
    const char* want;
  } cases[] = {
      {NoTrailBlanks, "ab__", "ab"}, {NoTrailBlanks, "___", "_"}, {NoTrailBlanks, "ab>", "ab>"},
      {NoTrailBlanks, "", ""},       {NoLeadBlanks, "___", ""},   {NoLeadBlanks, ">ab", ">ab"},
      {NoLeadBlanks, "__a_", "a_"},
  };
  for (const auto& c : cases) {
    Text s = T(c.in);
    c.trim(s);
    EXPECT_EQ(T(c.want), s) << c.in;
  }
}

TEST(StringHelpers, CaseChangesTouchOnlyAsciiLetters) {
  Text s("Ab\xE9z{@");
  UpperCase(s);
  EXPECT_EQ(Text("AB\xE9Z{@"), s);
  LowerCase(s);
  EXPECT_EQ(Text("ab\xE9z{@"), s);
  EXPECT_EQ(Text("XY1"), UpperCaseFunc(Text("xy1")));
  EXPECT_EQ('a', DnCase('A'));
  EXPECT_EQ('[', DnCase('['));
  EXPECT_EQ('\xC9', DnCase('\xC9'));
  EXPECT_TRUE(CIEq(Text("Abc"), Text("aBC")));
  EXPECT_FALSE(CIEq(Text("abc"), T("abc_")));
  EXPECT_FALSE(CIEq(Text("\xE9"), Text("\xC9")));
  EXPECT_TRUE(CIEq(Text(), Text()));
  EXPECT_EQ(2, CIPos(Text("BC"), Text("abcd")));
  EXPECT_EQ(0, CIPos(Text(""), Text("abcd")));
  EXPECT_EQ(0, CIPos(Text("x"), Text("abcd")));
}

TEST(StringHelpers, EditingOperationsFollowTheirRules) {
  Text s("key=value");
  DeleteTo(s, '=');
  EXPECT_EQ(Text("value"), s);
  s = Text("key");
  DeleteTo(s, '=');
  EXPECT_EQ(Text(), s);

  s = T("x_//_note");
  KillTrailComment(s, Text("//"));
  EXPECT_EQ(T("x_"), s);
  s = Text("abc");
  KillTrailComment(s, Text());
  EXPECT_EQ(Text("abc"), s);

  s = Text("abc");
  DeleteIfMatch(s, 0, 'a');
  DeleteIfMatch(s, 4, 'c');
  DeleteIfMatch(s, 2, 'B');  // case counts
  EXPECT_EQ(Text("abc"), s);
  DeleteIfMatch(s, 2, 'b');
  EXPECT_EQ(Text("ac"), s);

  s = T("a>b>");
  TabsToSpaces(s);
  EXPECT_EQ(T("a_b_"), s);

  s = Text("abcdef");
  SetLength(s, 3);
  EXPECT_EQ(Text("abc"), s);
  SetLength(s, 258);  // taken modulo 256
  EXPECT_EQ(Text("ab"), s);
  SetLength(s, -1);
  EXPECT_EQ(255u, s.length());
  EXPECT_EQ(Text("ab"), s.Substr(0, 2));
}

}  // namespace
}  // namespace util

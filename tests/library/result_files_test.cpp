#include "library/result_files.h"

#include <gtest/gtest.h>

#include <string>

#include "pbn/hands.h"
#include "tests/support/test_support.h"

namespace library {
namespace {

using runtime::Text;
using test_support::AbortOutput;
using test_support::StdoutToStderr;

class ResultFilesTest : public testing::Test {
 protected:
  // Writes a file in the test's directory and returns its name.
  Text File(const std::string& bytes, const std::string& name = "file.txt") const {
    test_support::WriteBytes(dir_.path() / name, bytes);
    return Text((dir_.path() / name).string());
  }
  Text Missing() const { return Text((dir_.path() / "missing").string()); }

  test_support::ScopedTempDir dir_;
};
using ResultFilesDeathTest = ResultFilesTest;

TEST_F(ResultFilesTest, GetResultTakesTheLastWordOfTheFirstResultLine) {
  EXPECT_EQ(620, GetResult(File("North\nResult: N/S +620  \nResult: N/S 100\n")));
  EXPECT_EQ(-100, GetResult(File("a\r\nb\r\nResult: N/S -100")));  // the last line, no end
  EXPECT_EQ(50, GetResult(File("Result: N/S  x y $32\n")));
}

TEST_F(ResultFilesDeathTest, GetResultStopsWithEachOfItsMessages) {
  const Text indented = File("  Result: N/S 620\nlast\n", "indented");
  const struct {
    const char* what;
    Text file;
    std::string pattern;
  } cases[] = {
      {"no line starts with Result", indented,
       AbortOutput("Could not fine Result line in file " + indented.str())},
      {"no score after the side", File("Result: N/S\n", "bare"),
       "^Could not extract score from N/S\r\n$"},
      {"a word for a score", File("Result: N/S made\n", "made"),
       "^Could not extract score from made\r\n$"},
      {"a missing file", Missing(),
       AbortOutput("GetResult could not find input file " + Missing().str())},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EXIT(
        {
          StdoutToStderr();
          GetResult(c.file);
        },
        testing::ExitedWithCode(1), c.pattern);
  }
}

TEST_F(ResultFilesTest, GetPlayStringJoinsTheCallsAndThe52Cards) {
  EXPECT_EQ(Text("P P P P"), GetPlayString(File("h1\nh2\nP\nP\nP\nP\nSA\n")));
  EXPECT_EQ(Text("p p p p "), GetPlayString(File("h1\nh2\np\np\np\np\n")));  // case counts
  EXPECT_EQ(Text("1N P 2C "), GetPlayString(File("h1\nh2\n1N\nP\n2C")));     // runs out
  std::string play = "h1\nh2\n1S\nP\nP\nP\n";
  std::string cards;
  for (int i = 0; i < 52; ++i) {
    const std::string card = std::string(1, "SHDC"[i % 4]) + "AKQJT98765432"[i % 13];
    play += card + "\n";
    cards += card;
  }
  EXPECT_EQ(Text("1S P P P " + cards), GetPlayString(File(play + "extra\n")));
  // A card line first: no auction at all.
  EXPECT_EQ(Text("h5" + std::string(51, 'x')), GetPlayString(File("1\n2\nh5\n" + [] {
              std::string s;
              for (int i = 0; i < 51; ++i) s += "x\n";
              return s;
            }())));
}

TEST_F(ResultFilesTest, GetPlayStringCutsItsResultAt255) {
  std::string play = "h1\nh2\n1S\n";
  for (int i = 0; i < 52; ++i) play += "S" + std::string(9, 'x') + "\n";
  const Text result = GetPlayString(File(play));
  EXPECT_EQ(255u, result.length());
  EXPECT_EQ("1S S", result.str().substr(0, 4));
}

TEST_F(ResultFilesTest, GetCardStringAndCountLongLinesReadWhatIsThere) {
  EXPECT_EQ(Text("345678910"), GetCardString(File("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n")));
  const Text lines = File("\nab\nabcd\n\n");
  EXPECT_EQ(2, CountLongLines(lines, 0));
  EXPECT_EQ(1, CountLongLines(lines, 2));
  EXPECT_EQ(4, CountLongLines(lines, -1));
  EXPECT_EQ(1, CountLongLines(File("", "empty"), -1));
  EXPECT_EQ(0, CountLongLines(File("", "empty"), 0));
  EXPECT_EQ(0, CountLongLines(Missing(), -1));
  EXPECT_EQ(1, CountLongLines(File(std::string(300, 'y')), 254));  // cut at 255
  EXPECT_EQ(0, CountLongLines(File(std::string(300, 'y')), 255));
}

TEST_F(ResultFilesDeathTest, GetPlayStringAndGetCardStringReportAMissingFileTheirOwnWays) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        GetPlayString(Missing());
      },
      testing::ExitedWithCode(1),
      AbortOutput("GetPlayString could not find file " + Missing().str()));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        GetCardString(Missing());
      },
      testing::ExitedWithCode(1), "^Could not find " + Missing().str() + "\r\n$");
}

TEST_F(ResultFilesTest, WriteDealFileWritesSouthWestNorthEastThenTheTwoCharacters) {
  pbn::ClearHands();
  pbn::LoadHand('N', Text("AKQJ.AKQ.AKQ.AKQ"));
  pbn::LoadHand('E', Text(".T98765432.J.JT9"));
  pbn::LoadHand('S', Text("T987.J.T98765.87"));
  pbn::LoadHand('W', Text("65432..432.65432"));
  const std::string hands =
      "T987.J.T98765.87\r\n65432..432.65432\r\nAKQJ.AKQ.AKQ.AKQ\r\n"
      ".T98765432.J.JT9\r\n";
  const std::string name = (dir_.path() / "deal.txt").string();
  WriteDealFile(Text(name), Text(), 'n', '4');
  EXPECT_EQ(hands + "n 4\r\n", test_support::ReadBytes(name));
  WriteDealFile(Text(name), Text("extra words"), 's', 'h');
  EXPECT_EQ(hands + "s h\r\nextra words\r\n", test_support::ReadBytes(name));
}

TEST_F(ResultFilesDeathTest, WriteDealFileStopsWithTheIoErrorWhenItCannotCreate) {
  const Text name((dir_.path() / "no" / "deal.txt").string());
  EXPECT_EXIT(
      {
        StdoutToStderr();
        WriteDealFile(name, Text(), 'n', 's');
      },
      testing::ExitedWithCode(2), "^Runtime error 2 at \\$[0-9A-F]{8}\r\n$");
}

}  // namespace
}  // namespace library

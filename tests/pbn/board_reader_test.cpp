#include "pbn/board_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "pbn/hands.h"
#include "tests/support/test_support.h"

namespace pbn {
namespace {

using runtime::Text;
using test_support::AbortOutput;
using test_support::StdoutToStderr;

constexpr char kDeal[] =
    "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432\"]";

class BoardReaderTest : public testing::Test {
 protected:
  void SetUp() override { ResetBoardRecord(); }
  // Opens a PBN text for reading.
  void Open(const std::string& bytes) {
    const std::string name = (dir_.path() / "board.pbn").string();
    test_support::WriteBytes(name, bytes);
    ASSERT_EQ(0, file_.OpenForReading(name));
  }
  // ClearBoard and ReadBoard, as the driver does.
  const TBoardRecord& Next() {
    ClearBoard();
    ReadBoard(file_);
    return BoardRecord;
  }
  const TBoardRecord& ReadOnly(const std::string& bytes) {
    Open(bytes);
    return Next();
  }

  test_support::ScopedTempDir dir_;
  runtime::TextFile file_;
};
using BoardReaderDeathTest = BoardReaderTest;

TEST_F(BoardReaderTest, ReadsTheFiveTagsInAnyCase) {
  const TBoardRecord& b = ReadOnly(
      "[Event \"x\"]\n[board \"12\"]\n[Dealer \"south\"]\n[VULNERABLE \"Both\"]\n"
      "[Score \"NS 620\"]\n[Deal \"w:5432.5432.5432.2 akqj.akq.akq.akq t987.jt9.jt9.jt9 "
      "6.876.876.876543\"]\n\n");
  EXPECT_TRUE(b.Found);
  EXPECT_EQ(12, b.Number);
  EXPECT_EQ('S', b.Dealer);
  EXPECT_EQ('B', b.Vulnerability);
  EXPECT_EQ(620, b.Score);
  EXPECT_EQ(Text("2"), Hands[4][4]);  // West
  EXPECT_EQ(Text("AKQJ"), Hands[1][1]);
  EXPECT_EQ(Text("T987"), Hands[3][1]);  // East, upper-cased
  EXPECT_EQ(Text("876543"), Hands[2][4]);
  EXPECT_TRUE(b.AtEof);  // the blank line was the file's last
}

TEST_F(BoardReaderTest, EachVulnerabilityKeywordIsRecognisedAtTheValuesStart) {
  const struct {
    const char* value;
    char want;
  } cases[] = {{"NONE", '-'}, {"NS", 'N'}, {"EW", 'E'}, {"ALL", 'B'}, {"BOTH", 'B'}, {"NSX", 'N'}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.want, VulnerabilityOf(Text(std::string("\"") + c.value + "\"]"))) << c.value;
  }
  EXPECT_FALSE(VulnerabilityOf(Text("\"LOVE\"]")).has_value());
  EXPECT_FALSE(VulnerabilityOf(Text("\"-\"]")).has_value());
  EXPECT_FALSE(VulnerabilityOf(Text("\" NONE\"]")).has_value());
}

TEST_F(BoardReaderTest, ScoresTakeSidePrefixesAndSigns) {
  const struct {
    const char* rest;
    int16_t want;
  } cases[] = {{"\"NS 620\"]", 620}, {"\"EW 620\"]", -620}, {"\"+620\"]", 620},
               {"\"620\"]", 620},    {"\"EW -50\"]", 50},   {"\"NS -100\"]  ", -100},
               {"\"NS +90\"]", 90}};
  for (const auto& c : cases) {
    Text quoted;
    EXPECT_EQ(c.want, ScoreOf(Text(c.rest), quoted)) << c.rest;
  }
  Text quoted;
  EXPECT_FALSE(ScoreOf(Text("\"NS 620 EW -620\"]"), quoted).has_value());
  EXPECT_EQ(Text("620 EW -620"), quoted);
}

TEST_F(BoardReaderTest, BoardNumbersOutside1To32767AreRefused) {
  const struct {
    const char* value;
    bool accepted;
  } cases[] = {{"1", true},      {"01", true},     {"32767", true}, {"0", false},
               {"32768", false}, {"65537", false}, {"-1", false},   {"7A", false},
               {"", false},      {"40000", false}, {"$10", true}};
  for (const auto& c : cases) {
    Text quoted;
    EXPECT_EQ(c.accepted,
              BoardNumberOf(Text(std::string("\"") + c.value + "\"]"), quoted).has_value())
        << c.value;
    EXPECT_EQ(Text(c.value), quoted);
  }
}

TEST_F(BoardReaderTest, TheDealerFollowsTheNumberWhenNoTagGivesIt) {
  const struct {
    int number;
    char dealer;
  } cases[] = {{1, 'N'}, {2, 'E'}, {3, 'S'}, {4, 'W'}, {5, 'N'}, {32767, 'S'}};
  for (const auto& c : cases) {
    const TBoardRecord& b = ReadOnly("[Board \"" + std::to_string(c.number) + "\"]\n");
    EXPECT_EQ(c.number, b.Number);
    EXPECT_EQ(c.dealer, b.Dealer) << c.number;
  }
  EXPECT_EQ('E', ReadOnly("[Board \"1\"]\n[Dealer \"E\"]\n").Dealer);
}

TEST_F(BoardReaderTest, ADealMayStartAtAnySeatAndHoldVoidsInEverySuit) {
  // The n-th hand of the deal is void in suit n.
  const char* const kHands[] = {".AKQJT9876.AK.AK", "AKQJT9876..QJ.QJ", "5432.5432..T9876",
                                "5432.5432.T9876."};
  for (const std::string first : {"N", "E", "S", "W"}) {
    ReadOnly("[Deal \"" + first + ":" + kHands[0] + " " + kHands[1] + " " + kHands[2] + " " +
             kHands[3] + "\"]\n");
    std::string seats = "NESWNES";
    seats.erase(0, seats.find(first));
    for (int i = 0; i < 4; ++i) {
      const int chair = static_cast<int>(std::string("NSEW").find(seats[i])) + 1;
      EXPECT_EQ(Text(kHands[i]), HandText(chair)) << first << " hand " << i + 1;
      EXPECT_EQ(Text(), Hands[chair][i + 1]) << first << " hand " << i + 1;
    }
  }
}

TEST_F(BoardReaderTest, ADealLineEndingInBlanksKeepsItsQuoteInTheLastSuit) {
  ReadOnly(std::string(kDeal) + "  \n");
  EXPECT_EQ(Text("5432\"]"), Hands[4][4]);  // only the last two characters (blanks) went
  ReadOnly(std::string(kDeal) + " \n");
  EXPECT_EQ(Text("5432\""), Hands[4][4]);
}

TEST_F(BoardReaderTest, OddLinesAreSkippedOrEndTheBoard) {
  // A tab-indented tag and a tag name glued to its quote are not tags.
  const TBoardRecord& b = ReadOnly("\t[Board \"5\"]\n[Board\"6\"]\n[Board\t\"7\"]\n\t\n  \n\n");
  EXPECT_EQ(7, b.Number);
  EXPECT_TRUE(b.Found);
  EXPECT_FALSE(b.AtEof);
  EXPECT_EQ(-1, Next().Number);  // the board after the blank line is empty
  EXPECT_FALSE(BoardRecord.Found);
  EXPECT_TRUE(BoardRecord.AtEof);
}

TEST_F(BoardReaderTest, BoardsEndAtBlankLinesWhateverTheLineEnds) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(end));
    const std::string e = end;
    Open("[Board \"1\"]" + e + "[Vulnerable \"NS\"]" + e + e + "[Board \"2\"]" + e + e +
         "[Board \"3\"]" + e + "[Vulnerable \"EW\"]" + e + "[Board \"4\"]");
    EXPECT_EQ(1, Next().Number);
    EXPECT_EQ(2, Next().Number);
    EXPECT_EQ('N', BoardRecord.Vulnerability);  // kept from the board before
    // Two boards without a blank line between them read as one.
    EXPECT_EQ(4, Next().Number);
    EXPECT_EQ('E', BoardRecord.Vulnerability);
    EXPECT_TRUE(BoardRecord.AtEof);  // the last board has no line end after it
    EXPECT_TRUE(BoardRecord.Found);
  }
  // A Ctrl-Z ends the file; the lines after it are never read.
  const TBoardRecord& b = ReadOnly("[Board \"3\"]\n\x1a[Board \"4\"]\n\n");
  EXPECT_EQ(3, b.Number);
  EXPECT_TRUE(b.AtEof);
}

TEST_F(BoardReaderTest, TheRestOfALineLongerThan255CharactersIsPassedOver) {
  const TBoardRecord& b =
      ReadOnly("[Board \"8\"]\n{" + std::string(254, 'x') + "[Board \"9\"]}\n[Dealer \"E\"]\n");
  EXPECT_EQ(8, b.Number);
  EXPECT_EQ('E', b.Dealer);  // the line after the long one is read
}

TEST_F(BoardReaderTest, AHeaderBlockIsFoundWithoutANumberAndAnEmptyFileFindsNothing) {
  const TBoardRecord& header = ReadOnly("% PBN 2.1\n[Event \"Club\"]\n\n");
  EXPECT_TRUE(header.Found);
  EXPECT_EQ(-1, header.Number);
  EXPECT_EQ(' ', header.Dealer);
  EXPECT_EQ(Text(), Hands[1][1]);

  const TBoardRecord& empty = ReadOnly("");
  EXPECT_FALSE(empty.Found);
  EXPECT_TRUE(empty.AtEof);
  EXPECT_EQ(0, empty.Vulnerability);  // nothing read yet: code 0
}

TEST_F(BoardReaderTest, AUtf8ByteOrderMarkIsPassedOverAndAUtf16OneNamed) {
  const struct {
    std::string start;
    std::string_view encoding;
    int16_t first_board;  // read after the mark, where one is passed over
  } cases[] = {{"\xEF\xBB\xBF", "", 7},      {"", "", 7},
               {"\xEF\xBB", "", -1},         {"\xFF\xFE", "UTF-16LE", -1},
               {"\xFE\xFF", "UTF-16BE", -1}, {"\xEF\xBB\xBF\xEF\xBB\xBF", "", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.start));
    ResetBoardRecord();
    Open(c.start + "[Board \"7\"]\n" + kDeal + "\n\n");
    EXPECT_EQ(c.encoding, SkipByteOrderMark(file_));
    if (!c.encoding.empty()) continue;
    EXPECT_EQ(c.first_board, Next().Number);
  }
}

TEST_F(BoardReaderDeathTest, MalformedValuesStopWithTheirUpperCasedText) {
  const struct {
    const char* line;
    std::string message;
  } cases[] = {
      {"[Board \"7a\"]", "Error decoding board number: 7A"},
      {"[Board \"12 \"]", "Error decoding board number: "},
      {"[Board \"0\"]", "Error decoding board number: 0"},
      {"[Board \"32768\"]", "Error decoding board number: 32768"},
      {"[Board \"65537\"]", "Error decoding board number: 65537"},
      {"[Board \"7\" ]", "Error decoding board number: "},
      // Cut short by a blank, a value must not be filed under what its first digits say.
      {"[Board \"12\" ]", "Error decoding board number: "},
      {"[Board \"123 \"]", "Error decoding board number: "},
      {"[board \"20\"\t]", "Error decoding board number: "},
      {"[Vulnerable \"Love\"]", "Unrecognized vulnerability: \"LOVE\"]"},
      {"[Vulnerable \"-\"]", "Unrecognized vulnerability: \"-\"]"},
      {"[Dealer \"x\"]", "Unrecognized dealer: \"X\"]"},
      {"[Dealer", "Unrecognized dealer: "},
      {"[Score \"NS 620 EW -620\"]", "Error decoding score: 620 EW -620"},
      {"[Deal \"N:AKQ.JT9.876\"]", "Not enough dots in hand: AKQ.JT9.876"},
      {"[Deal", "Not enough dots in hand: "},
      {"[Deal \"X:A.K.Q.J\"]", "LoadHand does not recognize hand X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Open(std::string("[Event \"e\"]\n") + c.line + "\n\n");
    EXPECT_EXIT(
        {
          StdoutToStderr();
          Next();
        },
        testing::ExitedWithCode(1), AbortOutput(c.message));
  }
}

}  // namespace
}  // namespace pbn

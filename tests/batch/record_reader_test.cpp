#include "batch/record_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "tests/support/test_support.h"

namespace batch {
namespace {

// All records of the bytes, read as the program reads a file.
std::vector<ReadRecord> ReadAll(const std::string& bytes) {
  const test_support::ScopedTempDir dir;
  test_support::WriteBytes(dir.path() / "in.pbn", bytes);
  const int fd = ::open((dir.path() / "in.pbn").c_str(), O_RDONLY);
  RecordReader reader(fd, "in.pbn");
  std::vector<ReadRecord> records;
  ReadRecord record;
  while (reader.Next(record)) records.push_back(record);
  ::close(fd);
  return records;
}

constexpr char kDeal[] =
    "[Deal \"E:K9.KJT6.QJT6.J94 AJT852.A8.2.K753 Q743.Q32.9754.T2 6.9754.AK83.AQ86\"]";

TEST(RecordReader, KeepsEveryLineWithItsOwnEndAndCutsRecordsAtBlankLines) {
  const std::string bytes = std::string("% head\r\n\r\n[Board \"2\"]\n[Dealer \"E\"]\r") +
                            "[Vulnerable \"-\"]\n" + kDeal + "\n  \t\n\n[Event \"x\"]";
  const std::vector<ReadRecord> records = ReadAll(bytes);
  ASSERT_EQ(3u, records.size());
  std::string again;
  for (const ReadRecord& r : records) {
    for (const SourceLine& line : r.lines) again += line.text + line.end;
  }
  EXPECT_EQ(bytes, again);
  EXPECT_EQ(1, records[0].first_line);
  EXPECT_FALSE(records[0].record);
  const ReadRecord& board = records[1];
  EXPECT_EQ(3, board.first_line);
  EXPECT_EQ("\r", board.lines[1].end);
  ASSERT_TRUE(board.record) << board.fault;
  EXPECT_EQ(3u, *board.deal_line);
  EXPECT_EQ(2, board.record->board);
  EXPECT_EQ(3, board.record->dealer);  // East
  EXPECT_EQ('-', board.record->vulnerability);
  EXPECT_EQ("AJT852", board.record->hands[2][1]);  // the second hand, South's spades
  EXPECT_EQ("N:6.9754.AK83.AQ86 K9.KJT6.QJT6.J94 AJT852.A8.2.K753 Q743.Q32.9754.T2",
            board.deal_key);
  EXPECT_TRUE(board.warnings.empty());
  EXPECT_EQ(6u, board.lines.size());  // a tab is no blank: the empty line ends the record
  EXPECT_EQ("", records[2].lines[0].end);
}

TEST(RecordReader, MarksTheTagsItReplacesWithTheRowsOfTheTable) {
  const std::string bytes = std::string("[Board \"1\"]\n[OptimumScore \"NS 0\"]\n") + kDeal +
                            "\n[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\n"
                            "N NT  7\nS  S 10\n{ [ParContract \"x\"] }\n[ParContract \"NS 1N\"]\n"
                            "[Auction \"N\"]\n1NT Pass\n[DoubleDummyTricks \"0\"] ; note\n";
  const std::vector<ReadRecord> records = ReadAll(bytes);
  ASSERT_EQ(1u, records.size());
  EXPECT_EQ(
      (std::vector<bool>{false, true, false, true, true, true, false, true, false, false, true}),
      records[0].replaced);
}

TEST(VisibleText, LeavesOutCommentsButNotBracesInQuotes) {
  struct Case {
    const char* line;
    bool in_comment_before;
    const char* want;
    bool in_comment_after;
  };
  const Case cases[] = {
      {"[Event \"a\"]", false, "[Event \"a\"]", false},
      {"[Event \"a{b}\"] {note}", false, "[Event \"a{b}\"] ", false},
      {"{opens [Deal \"x\"]", false, "", true},
      {"still } [Board \"3\"]", true, " [Board \"3\"]", false},
      {"[Board \"3\"] ; rest", false, "[Board \"3\"] ", false},
      {"[Site \"a;b\"]", false, "[Site \"a;b\"]", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    bool in_comment = c.in_comment_before;
    EXPECT_EQ(c.want, VisibleText(c.line, in_comment));
    EXPECT_EQ(c.in_comment_after, in_comment);
  }
}

TEST(RotationVulnerability, RepeatsEverySixteenBoards) {
  const std::string want = "-NEBNEB-EB-NB-NE";
  for (int board = 1; board <= 48; ++board) {
    SCOPED_TRACE(board);
    EXPECT_EQ(want[(board - 1) % 16], RotationVulnerability(board));
  }
}

TEST(RecordReader, ReadsNothingPastAByte26AndGivesTheRestBack) {
  const std::string bytes = std::string("[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"Love\"]\n") +
                            kDeal + "\n\n\x1a[Board \"x\"]\n\n[Board \"y\"]\n";
  const std::vector<ReadRecord> records = ReadAll(bytes);
  ASSERT_EQ(3u, records.size());
  EXPECT_TRUE(records[0].record);
  EXPECT_EQ('-', records[0].record->vulnerability);
  EXPECT_EQ("", records[1].fault);
  EXPECT_EQ("", records[2].fault);
  EXPECT_EQ("[Board \"y\"]", records[2].lines[0].text);
}

}  // namespace
}  // namespace batch

#include "solver/job_file.h"

#include <gtest/gtest.h>

#include <string>

namespace solver {
namespace {

const std::string kHands =
    "w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AKQ\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n";

TEST(ParseJobFile, ReadsTheDealTheLeaderAndTheStrain) {
  const JobOrFault parsed = ParseJobFile(kHands + "e n\r\n");
  ASSERT_EQ("", parsed.fault);
  EXPECT_EQ('e', parsed.job.leader);
  EXPECT_EQ('n', parsed.job.strain);
  EXPECT_EQ("N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6.876.876.876543 5432.5432.5432.2",
            DealText(parsed.job.deal));
}

TEST(ParseJobFile, AcceptsAnyLineEndsCaseSeatOrderTabsAndTrailingEmptyLines) {
  const JobOrFault parsed = ParseJobFile(
      "S 6.876.876.876543\nn\takqj.akq.akq.akq\re t987.jt9.jt9.Jt9\nW "
      "2345.2345.2345.2\nW\tH\r\n\n");
  ASSERT_EQ("", parsed.fault);
  EXPECT_EQ('w', parsed.job.leader);
  EXPECT_EQ('h', parsed.job.strain);
  EXPECT_EQ(ParseJobFile(kHands + "w h\r\n").job.deal, parsed.job.deal);
  // No line end after the fifth line.
  EXPECT_EQ("", ParseJobFile(kHands + "s c").fault);
}

TEST(ParseJobFile, ReadsVoidsInEverySuitPosition) {
  // Voids first, between two holdings, and last; North and South hold three each.
  const JobOrFault parsed = ParseJobFile(
      "w .AKQJT98765432..\r\nn AKQJT98765432...\r\ne ...AKQJT98765432\r\n"
      "s ..AKQJT98765432.\r\nn s\r\n");
  ASSERT_EQ("", parsed.fault);
  EXPECT_EQ("N:AKQJT98765432... ...AKQJT98765432 ..AKQJT98765432. .AKQJT98765432..",
            DealText(parsed.job.deal));
  const JobOrFault mixed = ParseJobFile(
      "w KQ3..AJT98.76542\r\nn AJT9876.AKQJ.K.3\r\ne 542.T98765.Q2.AK\r\ns .432.76543.QJT98\r\n"
      "e c\r\n");
  ASSERT_EQ("", mixed.fault);
  EXPECT_EQ("N:AJT9876.AKQJ.K.3 542.T98765.Q2.AK .432.76543.QJT98 KQ3..AJT98.76542",
            DealText(mixed.job.deal));
}

TEST(ParseJobFile, NamesTheFirstFaultAndItsLine) {
  const std::string west = "w 5432.5432.5432.2\r\n";
  const std::string east = "e T987.JT9.JT9.JT9\r\n";
  const std::string south = "s 6.876.876.876543\r\n";
  const struct {
    std::string text;
    const char* fault;
  } cases[] = {
      {"", "the file is empty"},
      {kHands, "4 lines, not 5"},
      {kHands + "e n\r\n\r\nextra\r\n", "line 7: more than five lines"},
      {west + "w AKQJ.AKQ.AKQ.AKQ\r\n" + east + south + "e n\r\n", "line 2: a second hand for w"},
      {west + "n AKQJ.AKQ.AKQ.AKQ\r\nx T987.JT9.JT9.JT9\r\n" + south + "e n\r\n",
       "line 3: not a hand line (w, n, e or s and a blank, then the holdings)"},
      {west + "nAKQJ.AKQ.AKQ.AKQ\r\n" + east + south + "e n\r\n",
       "line 2: not a hand line (w, n, e or s and a blank, then the holdings)"},
      {west + "\r\n" + east + south + "e n\r\n",
       "line 2: not a hand line (w, n, e or s and a blank, then the holdings)"},
      {west + "n AKQJ.AKQ.AKQJT9\r\n" + east + south + "e n\r\n", "line 2: fewer than three dots"},
      {west + "n AKQJ.AKQ.AKQ.AKQ.\r\n" + east + south + "e n\r\n", "line 2: more than three dots"},
      {west + "n AKQJ.AKQ.AKQ.AK1\r\n" + east + south + "e n\r\n", "line 2: '1' is not a rank"},
      {west + "n AKQJ.AKQ.AKQ.AK Q\r\n" + east + south + "e n\r\n",
       "line 2: byte 0x20 is not a rank"},
      {west + "n AKQJ.AKQ.AKQ.AKQ\t\r\n" + east + south + "e n\r\n",
       "line 2: byte 0x09 is not a rank"},
      {west + "n AKQJ.AKQ.AKQ.AKK\r\n" + east + south + "e n\r\n", "line 2: CK twice"},
      {west + "n AKQJ.AKQ.AKQ.AK\r\n" + east + south + "e n\r\n", "line 2: 12 cards, not 13"},
      {west + "n AKQJ2.AKQ.AKQ.AKQ\r\n" + east + south + "e n\r\n", "line 2: S2 is held by w too"},
      {"w 5432.5432.5432.K\r\nn AKQJ.AKQ.AKQ.AKQ\r\n" + east + south + "e n\r\n",
       "line 2: CK is held by w too"},
      {kHands + "x n\r\n", "line 5: 'x' is not a seat (n, e, s or w)"},
      {kHands + "e z\r\n", "line 5: 'z' is not a strain (c, d, h, s or n)"},
      {kHands + "e nt\r\n",
       "line 5: not a lead line (the leader's seat letter, a blank, the strain letter)"},
      {kHands + "en\r\n",
       "line 5: not a lead line (the leader's seat letter, a blank, the strain letter)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.fault, ParseJobFile(c.text).fault) << c.text;
  }
}

// The warm solver trusts no request: only a whole deal goes to libdds.
TEST(IsWholeDeal, TakesFiftyTwoDistinctCardsThirteenAHandAndNothingElse) {
  const Deal whole = ParseJobFile(kHands + "e n\r\n").job.deal;
  EXPECT_TRUE(IsWholeDeal(whole));
  EXPECT_FALSE(IsWholeDeal(Deal{}));
  Deal moved = whole;  // West's club deuce handed to North: 12 and 14 cards
  moved.holdings[3][3] = 0;
  moved.holdings[0][3] |= 1 << 2;
  EXPECT_FALSE(IsWholeDeal(moved));
  Deal twice = whole;  // North's spade ace in East's hand too, in place of the ten
  twice.holdings[1][0] = static_cast<uint16_t>((twice.holdings[1][0] & ~(1 << 10)) | (1 << 14));
  EXPECT_FALSE(IsWholeDeal(twice));
  for (const int bit : {0, 1, 15}) {  // no such rank
    Deal odd = whole;
    odd.holdings[3][3] = static_cast<uint16_t>(1 << bit);
    EXPECT_FALSE(IsWholeDeal(odd)) << bit;
  }
}

}  // namespace
}  // namespace solver

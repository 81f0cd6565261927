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

TEST(ParseJobFile, AcceptsAnyLineEndsCaseAndSeatOrder) {
  const JobOrFault parsed = ParseJobFile(
      "S 6.876.876.876543\nn akqj.akq.akq.akq\re t987.jt9.jt9.jt9\nW 5432.5432.5432.2\nW H");
  ASSERT_EQ("", parsed.fault);
  EXPECT_EQ('w', parsed.job.leader);
  EXPECT_EQ('h', parsed.job.strain);
  EXPECT_EQ(ParseJobFile(kHands + "w h\r\n").job.deal, parsed.job.deal);
}

TEST(ParseJobFile, NamesTheFirstFault) {
  const struct {
    std::string text;
    const char* fault;
  } cases[] = {
      {"", "fewer than five lines"},
      {kHands, "fewer than five lines"},
      {kHands + "e n\r\nextra\r\n", "more than five lines"},
      {kHands + "x n\r\n", "not a seat on lead"},
      {kHands + "e z\r\n", "not a strain letter"},
      {kHands + "en\r\n", "the fifth line is not a leader letter and a strain letter"},
      {"w 5432.5432.5432.2\r\nw AKQJ.AKQ.AKQ.AKQ\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "two hands for seat w"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AKQ\r\nx T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "line 3 is not a hand: seat letter and blank expected"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AKQ\r\ne T987.JT9.JT9\r\ns 6.876.876.876543\r\ne "
       "n\r\n",
       "fewer than three dots in a hand (seat e)"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AKQ.\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "more than three dots in a hand (seat n)"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AK1\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "not a card rank: '1' (seat n)"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AKK\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "card given twice in a hand: K (seat n)"},
      {"w 5432.5432.5432.2\r\nn AKQJ.AKQ.AKQ.AK\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "a hand holds 12 cards, not 13 (seat n)"},
      {"w 5432.5432.5432.K\r\nn AKQJ.AKQ.AKQ.AKQ\r\ne T987.JT9.JT9.JT9\r\ns 6.876.876.876543\r\n"
       "e n\r\n",
       "a card is held twice in the deal"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.fault, ParseJobFile(c.text).fault) << c.text;
  }
}

}  // namespace
}  // namespace solver

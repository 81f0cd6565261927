#include "pbn/hands.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/stop_hook.h"
#include "tests/support/test_support.h"

namespace pbn {
namespace {

using runtime::Text;
using test_support::AbortOutput;
using test_support::StdoutToStderr;

class HandsTest : public testing::Test {
 protected:
  void SetUp() override { ClearHands(); }
  static std::string Holdings(int chair) {
    std::string s;
    for (int suit = 1; suit <= 4; ++suit) s += "[" + Hands[chair][suit].str() + "]";
    return s;
  }
};
using HandsDeathTest = HandsTest;

TEST_F(HandsTest, LoadHandSplitsAtTheFirstThreeDots) {
  const struct {
    char seat;
    int chair;
    const char* hand;
    const char* want;
  } cases[] = {
      {'N', 1, "AKQ.JT9.876.5432", "[AKQ][JT9][876][5432]"},
      {'n', 1, ".AKQJT98765432..", "[][AKQJT98765432][][]"},
      {'S', 2, "A.K.Q.J.T", "[A][K][Q][J.T]"},  // further dots stay in the clubs
      {'e', 3, "...", "[][][][]"},
      {'W', 4, "5432.5432.5432.2", "[5432][5432][5432][2]"},
  };
  for (const auto& c : cases) {
    LoadHand(c.seat, Text(c.hand));
    EXPECT_EQ(c.want, Holdings(c.chair)) << c.hand;
  }
}

TEST_F(HandsTest, NextHandGoesClockwiseInUpperCase) {
  char seat = 'w';
  std::string seen;
  for (int i = 0; i < 4; ++i) seen += seat = NextHand(seat);
  EXPECT_EQ("NESW", seen);
  EXPECT_EQ('S', NextHand('e'));
}

TEST_F(HandsDeathTest, ADotsFailureComesAfterTheEarlierSuitsWereReplaced) {
  LoadHand('N', Text("2.2.2.2"));
  EXPECT_EXIT(
      {
        StdoutToStderr();
        LoadHand('N', Text("AKQ.JT9.876"));
      },
      testing::ExitedWithCode(1), AbortOutput("Not enough dots in hand: AKQ.JT9.876"));
  // The same call, watched without dying: spades and hearts were stored before the stop.
  EXPECT_EXIT(
      {
        StdoutToStderr();
        runtime::SetStopHook([](int) {
          std::fprintf(stderr, "%s", Holdings(1).c_str());
          std::fflush(stderr);
        });
        LoadHand('N', Text("AKQ.JT9.876"));
      },
      testing::ExitedWithCode(1), "\\[AKQ\\]\\[JT9\\]\\[2\\]\\[2\\]$");
}

TEST_F(HandsDeathTest, BadHandsAndSeatsStopWithTheirMessages) {
  const struct {
    char seat;
    const char* hand;
    const char* message;
  } cases[] = {
      {'N', "", "Not enough dots in hand: "},
      {'N', "-", "Not enough dots in hand: -"},  // a hand the deal does not give
      {'X', "A.K.Q.J", "LoadHand does not recognize hand X"},
      {'X', "AKQ", "Not enough dots in hand: AKQ"},  // without dots the dots are reported
  };
  for (const auto& c : cases) {
    EXPECT_EXIT(
        {
          StdoutToStderr();
          LoadHand(c.seat, Text(c.hand));
        },
        testing::ExitedWithCode(1), AbortOutput(c.message))
        << c.seat << " " << c.hand;
  }
  EXPECT_EXIT(
      {
        StdoutToStderr();
        NextHand('?');
      },
      testing::ExitedWithCode(1), AbortOutput("Cannot find next hand after hand ?"));
}

TEST_F(HandsTest, LoadDigitDealPlacesEachCardWithItsHolderInRankOrder) {
  LoadDigitDeal(Text(std::string(13, '0') + std::string(13, '1') + std::string(13, '2') +
                     std::string(13, '3') + "trailing text is ignored"));
  EXPECT_EQ("[akqjt98765432][][][]", Holdings(1));  // North, digit 0
  EXPECT_EQ("[][akqjt98765432][][]", Holdings(3));  // East, digit 1
  EXPECT_EQ("[][][akqjt98765432][]", Holdings(2));  // South, digit 2
  EXPECT_EQ("[][][][akqjt98765432]", Holdings(4));  // West, digit 3

  LoadDigitDeal(Text(std::string(52, '0')));
  EXPECT_EQ("[akqjt98765432][akqjt98765432][akqjt98765432][akqjt98765432]", Holdings(1));
  EXPECT_EQ("[][][][]", Holdings(2));

  std::string mixed(52, '2');
  mixed[0] = '3';   // ace of spades to West
  mixed[14] = '1';  // king of hearts to East
  mixed[51] = '0';  // two of clubs to North
  LoadDigitDeal(Text(mixed));
  EXPECT_EQ("[a][][][]", Holdings(4));
  EXPECT_EQ("[][k][][]", Holdings(3));
  EXPECT_EQ("[][][][2]", Holdings(1));
}

TEST_F(HandsDeathTest, ADigitDealWithABadOrMissingDigitEndsSilentlyWithOne) {
  std::string four(52, '0');
  four[30] = '4';
  EXPECT_EXIT(
      {
        StdoutToStderr();
        LoadDigitDeal(Text(four));
      },
      testing::ExitedWithCode(1), "^$");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        LoadDigitDeal(Text(std::string(51, '0')));
      },
      testing::ExitedWithCode(1), "^$");
}

}  // namespace
}  // namespace pbn

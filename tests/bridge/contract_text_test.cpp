#include "bridge/contract_text.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace bridge {
namespace {

using runtime::Text;

TEST(RawScore, ReadsLevelStrainAndTheDoublingFromTheEnd) {
  const struct {
    const char* contract;
    int16_t tricks;
    bool vulnerable;
    int16_t want;
  } cases[] = {
      {"4S", 10, false, 420},   {"4s", 10, false, 420},       {"3NT", 10, true, 630},
      {"1C", 7, false, 70},     {"7N", 13, true, 2220},       {"6n", 12, true, 1440},
      {"2SX", 8, false, 470},   {"1Nxx", 7, false, 560},      {"1cX", 10, true, 740},
      {"4SXy", 10, false, 420}, {"4Sxx", 10, false, 880},     {"4hXX", 9, true, -400},
      {"3NX", 5, false, -800},  {"3D junk X", 9, false, 470},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.want, RawScore(Text(c.contract), c.tricks, c.vulnerable)) << c.contract;
  }
}

TEST(RawScore, ParseRejectsWhatIsNoContract) {
  for (const char* illegal : {"", "4", "8S", "0S", "4Z", "S4", " 4S"}) {
    EXPECT_FALSE(ParseContract(Text(illegal)).has_value()) << illegal;
  }
}

TEST(RawScoreDeathTest, AnIllegalContractStopsWithItsLineAndExitCodeOne) {
  for (const char* illegal : {"8S", "4Z", "4", ""}) {
    EXPECT_EXIT(
        {
          test_support::StdoutToStderr();
          RawScore(Text(illegal), 10, false);
        },
        testing::ExitedWithCode(1),
        std::string("^RawScore halted because of illegal contract: ") + illegal + "\r\n$");
  }
  EXPECT_EXIT(
      {
        test_support::StdoutToStderr();
        TricksForScore(Text("9H"), 420, false);
      },
      testing::ExitedWithCode(1), "illegal contract: 9H\r\n");
  // The contract is written whole even where the line passes 255 characters.
  const std::string long_contract = "0S" + std::string(250, 'y') + "END";
  EXPECT_EXIT(
      {
        test_support::StdoutToStderr();
        RawScore(Text(long_contract), 10, false);
      },
      testing::ExitedWithCode(1), long_contract + "\r\n$");
}

TEST(TricksForScore, FindsTheFirstTrickCountOrMinusOne) {
  EXPECT_EQ(9, TricksForScore(Text("3NT"), 400, false));
  EXPECT_EQ(8, TricksForScore(Text("3NT"), -50, false));
  EXPECT_EQ(-1, TricksForScore(Text("3NT"), 123, false));
  EXPECT_EQ(0, TricksForScore(Text("7NX"), -3800, true));  // 13 down
  EXPECT_EQ(13, TricksForScore(Text("1S"), 260, false));
}

TEST(FinalContract, TakesTheLastBidWithTheDoublingThatFollowsIt) {
  const struct {
    const char* auction;
    const char* want;
  } cases[] = {
      {"1n-2c-2S-p-4s", "4s"},
      {"1n-2c-2S-p-4s-x-p-p-p", "4sx"},
      {"1h-p-4h-x-xx", "4hxx"},
      {"1h-p-4h-X-XX-p-p-p", "4hxx"},
      {"1H-P-4S-P-P-P", "4S"},
      {"p-p-p-p", ""},
      {"1h-x-2s", "2s"},  // the double before the last bid does not count
      {"1n-p-3", "3"},    // a digit as last character
      {"x", ""},
      {"", ""},
      {"7", ""},  // shorter than 2 characters: no contract, even a level
      {"7n", "7n"},
      {"2D-XX", "2Dxx"},  // marks are written in lower case
      {"1s-x-p-p-XX-p-p-p", "1sxx"},
      {"1s-Xx", "1sxx"},  // the pair is compared without regard to case
      {"p-1d-x", "1dx"},
      {"1c-9d-8", "1c"},  // 8 and 9 are no levels
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(c.want), FinalContract(Text(c.auction))) << c.auction;
  }
}

}  // namespace
}  // namespace bridge

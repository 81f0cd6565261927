#include "bridge/chairs.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace bridge {
namespace {

using test_support::StdoutToStderr;

TEST(ChairsDeathTest, ConversionsOfNonexistentChairsStopWithTheirOwnMessages) {
  const char* const kHead = "Halted by URunAbor because:\r\n";
  EXPECT_EXIT(
      {
        StdoutToStderr();
        NextChair(0);
      },
      testing::ExitedWithCode(1),
      std::string(kHead) + "Requested NextChair for nonexistent chair--maybe kibitzer\\?\r\n");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        CharToChair('x');
      },
      testing::ExitedWithCode(1),
      "Requested CharToChair for nonexistent chair--maybe kibitzer\\?\r\n");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        CharToChair(' ');
      },
      testing::ExitedWithCode(1), "Requested CharToChair for nonexistent chair");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        CharToChair('1');
      },
      testing::ExitedWithCode(1), "Requested CharToChair for nonexistent chair");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        ChairToChar(5);
      },
      testing::ExitedWithCode(1),
      "Requested character for nonexistent chair--maybe kibitzer\\?\r\n");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        ChairToString(5);
      },
      testing::ExitedWithCode(1), "Requested string for nonexistent chair--maybe kibitzer\\?\r\n");
  EXPECT_EXIT(
      {
        StdoutToStderr();
        ChairToString(-1);
      },
      testing::ExitedWithCode(1), "Requested string for nonexistent chair");
}

TEST(Chairs, NextChairGoesClockwiseAndComesBackAfterFourSteps) {
  EXPECT_EQ(kEast, NextChair(kNorth));
  EXPECT_EQ(kSouth, NextChair(kEast));
  EXPECT_EQ(kWest, NextChair(kSouth));
  EXPECT_EQ(kNorth, NextChair(kWest));
  for (int16_t chair = 1; chair <= 4; ++chair) {
    EXPECT_EQ(chair, NextChair(NextChair(NextChair(NextChair(chair)))));
  }
}

TEST(Chairs, LettersAndWordsRoundTripInLowerCase) {
  const struct {
    char upper, lower;
    int16_t chair;
    const char* word;
  } cases[] = {
      {'N', 'n', 1, "north"}, {'S', 's', 2, "south"}, {'E', 'e', 3, "east"}, {'W', 'w', 4, "west"}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.chair, CharToChair(c.upper));
    EXPECT_EQ(c.chair, CharToChair(c.lower));
    EXPECT_EQ(c.lower, ChairToChar(CharToChair(c.upper)));
    EXPECT_EQ(runtime::Text(c.word), ChairToString(c.chair));
  }
  EXPECT_FALSE(ChairOfLetter('x').has_value());
}

TEST(Chairs, StrainLettersAreLowerCaseAndOutOfRangeGivesAFixedMark) {
  EXPECT_EQ('c', StrainToChar(kClubs));
  EXPECT_EQ('d', StrainToChar(kDiamonds));
  EXPECT_EQ('h', StrainToChar(kHearts));
  EXPECT_EQ('s', StrainToChar(kSpades));
  EXPECT_EQ('n', StrainToChar(kNotrump));
  EXPECT_EQ('?', StrainToChar(0));
  EXPECT_EQ('?', StrainToChar(6));
  EXPECT_EQ('a', RankLetters[0]);
  EXPECT_EQ('2', RankLetters[12]);
}

}  // namespace
}  // namespace bridge

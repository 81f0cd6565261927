#include "bridge/chairs.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace bridge {
namespace {

using test_support::AbortOutput;
using test_support::StdoutToStderr;

TEST(ChairsDeathTest, ConversionsOfNonexistentChairsStopWithTheirOwnMessages) {
  const struct {
    const char* what;
    void (*convert)();
    const char* message;
  } cases[] = {
      {"NextChair(0)", [] { NextChair(0); },
       "Requested NextChair for nonexistent chair--maybe kibitzer?"},
      {"CharToChair('x')", [] { CharToChair('x'); },
       "Requested CharToChair for nonexistent chair--maybe kibitzer?"},
      {"CharToChair(' ')", [] { CharToChair(' '); },
       "Requested CharToChair for nonexistent chair--maybe kibitzer?"},
      {"CharToChair('1')", [] { CharToChair('1'); },
       "Requested CharToChair for nonexistent chair--maybe kibitzer?"},
      {"ChairToChar(5)", [] { ChairToChar(5); },
       "Requested character for nonexistent chair--maybe kibitzer?"},
      {"ChairToString(5)", [] { ChairToString(5); },
       "Requested string for nonexistent chair--maybe kibitzer?"},
      {"ChairToString(-1)", [] { ChairToString(-1); },
       "Requested string for nonexistent chair--maybe kibitzer?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EXIT(
        {
          StdoutToStderr();
          c.convert();
        },
        testing::ExitedWithCode(1), AbortOutput(c.message));
  }
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

TEST(Chairs, BoardsRotateTheDealerClockwiseFromNorth) {
  const int16_t expected[] = {kWest, kNorth, kEast, kSouth, kWest, kNorth};
  for (int number = 0; number <= 5; ++number) {
    SCOPED_TRACE(number);
    EXPECT_EQ(expected[number], DealerOfBoard(number));
  }
  EXPECT_EQ(kNorth, DealerOfBoard(kMaxBoardNumber - 2));  // 32765 = 4 * 8191 + 1
  EXPECT_EQ(kWest, DealerOfBoard(kMaxBoardNumber + 1));
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
  for (int16_t strain = kClubs; strain <= kNotrump; ++strain) {
    SCOPED_TRACE(strain);
    const char letter = StrainToChar(strain);
    EXPECT_EQ(strain, StrainOfLetter(letter));
    EXPECT_EQ(strain, StrainOfLetter(static_cast<char>(letter - 'a' + 'A')));
  }
  for (const char other : {'?', 'T', 'x', '\0', '5'}) EXPECT_FALSE(StrainOfLetter(other)) << other;
  EXPECT_EQ(1, SuitNumber(Suits::Spades));
  EXPECT_EQ(4, SuitNumber(Suits::Clubs));
  EXPECT_EQ('a', RankLetters[0]);
  EXPECT_EQ('2', RankLetters[12]);
}

}  // namespace
}  // namespace bridge

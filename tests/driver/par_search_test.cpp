#include "driver/par_search.h"

#include <gtest/gtest.h>

#include "bridge/chairs.h"
#include "driver/solver_run.h"
#include "pbn/board_reader.h"
#include "tests/support/test_support.h"

namespace driver {

void PrintTo(const TParResult& p, std::ostream* os) {
  *os << "{" << p.ParScore << ", " << p.ParLevel << ", " << p.ParStrain << ", " << p.ParChair
      << "}";
}

namespace {

using bridge::kClubs;
using bridge::kDiamonds;
using bridge::kEast;
using bridge::kNorth;
using bridge::kSouth;
using bridge::kSpades;
using bridge::kWest;

// Every declarer of a side takes the same tricks in every strain.
TTricks SameTricks(int16_t north_south, int16_t east_west) {
  TTricks tricks{};
  for (int16_t strain = 1; strain <= 5; ++strain) {
    tricks[kNorth][strain] = tricks[kSouth][strain] = north_south;
    tricks[kEast][strain] = tricks[kWest][strain] = east_west;
  }
  return tricks;
}

TParResult Par(const TTricks& tricks, int16_t dealer, char vulnerability) {
  return ParOf(ScoresOf(tricks, vulnerability), dealer);
}

TEST(ParSearchTest, NothingBeatsAPassOutWhenNobodyTakesSevenTricks) {
  TTricks tricks = SameTricks(6, 6);
  EXPECT_EQ((TParResult{0, 0, 0, 0}), Par(tricks, kNorth, 'B'));
}

TEST(ParSearchTest, AmongEqualPartnersTheFirstInTheOrderFromTheDealerDeclares) {
  TTricks tricks = SameTricks(6, 3);
  tricks[kNorth][kSpades] = tricks[kSouth][kSpades] = 10;
  // Clockwise from the dealer: E S W N, S W N E, W N E S.
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par(tricks, kNorth, '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kSouth}), Par(tricks, kEast, '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kSouth}), Par(tricks, kSouth, '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par(tricks, kWest, '-'));
  EXPECT_EQ((TParResult{620, 4, kSpades, kNorth}), Par(tricks, kWest, 'N'));
}

TEST(ParSearchTest, ASacrificeTakesThePar) {
  TTricks tricks = SameTricks(6, 3);
  tricks[kNorth][kSpades] = tricks[kSouth][kSpades] = 10;
  tricks[kEast][kDiamonds] = tricks[kWest][kDiamonds] = 9;
  // 5D two down doubled costs East-West 300 against 420.
  EXPECT_EQ((TParResult{300, 5, kDiamonds, kEast}), Par(tricks, kNorth, '-'));
  EXPECT_EQ((TParResult{300, 5, kDiamonds, kWest}), Par(tricks, kSouth, '-'));
  // Vulnerable, the same sacrifice costs 500: more than the game, so no sacrifice.
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par(tricks, kNorth, 'E'));
}

TEST(ParSearchTest, AContractOfTheParsLevelAndStrainNeverTakesItOver) {
  TTricks tricks = SameTricks(0, 0);
  tricks[kNorth][kClubs] = 7;
  tricks[kEast][kClubs] = 7;
  // 1C by East would score 70 for East-West, but North holds 1C already.
  EXPECT_EQ((TParResult{70, 1, kClubs, kNorth}), Par(tricks, kNorth, '-'));
  // With East first, East keeps it and North's equal 1C cannot take it back.
  EXPECT_EQ((TParResult{-70, 1, kClubs, kEast}), Par(tricks, kEast, '-'));
}

TEST(ParSearchTest, EastWestMakingGivesANegativeParScore) {
  TTricks tricks = SameTricks(3, 6);
  tricks[kEast][bridge::kNotrump] = tricks[kWest][bridge::kNotrump] = 9;
  EXPECT_EQ((TParResult{-600, 3, bridge::kNotrump, kWest}), Par(tricks, kWest, 'B'));
}

TEST(ParSearchTest, EachVulnerabilityLetterScoresTheRightSide) {
  TTricks tricks = SameTricks(10, 10);
  const struct {
    char letter;
    int16_t north_4s, east_4s;
  } cases[] = {{'-', 420, 420}, {'\0', 420, 420}, {'N', 620, 420}, {'n', 620, 420}, {'E', 420, 620},
               {'e', 420, 620}, {'B', 620, 620},  {'b', 620, 620}, {'X', 420, 420}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.letter));
    const TScores scores = ScoresOf(tricks, c.letter);
    EXPECT_EQ(c.north_4s, scores[kNorth][kSpades][4]);
    EXPECT_EQ(c.north_4s, scores[kSouth][kSpades][4]);
    EXPECT_EQ(c.east_4s, scores[kEast][kSpades][4]);
    EXPECT_EQ(c.east_4s, scores[kWest][kSpades][4]);
  }
}

TEST(ParSearchTest, MadeContractsScoreUndoubledAndFailedOnesDoubled) {
  TTricks tricks = SameTricks(11, 2);
  const TScores scores = ScoresOf(tricks, '-');
  EXPECT_EQ(0, scores[kNorth][kSpades][0]);
  EXPECT_EQ(450, scores[kNorth][kSpades][4]);   // one overtrick
  EXPECT_EQ(-300, scores[kNorth][kSpades][7]);  // two down doubled
  EXPECT_EQ(-1100, scores[kEast][kClubs][1]);   // five down doubled: 100, 300, 500, 800, 1100
}

// The system's wrappers: the trick table and the dealer come from the module-level state.
class ParSearchWrapperTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetParSearch();
    ResetTrickTable();
    pbn::ResetBoardRecord();
  }
};
using ParSearchWrapperDeathTest = ParSearchWrapperTest;

TEST_F(ParSearchWrapperTest, TheWrappersFillTheTablesFromTheCurrentBoard) {
  TrickTable = SameTricks(10, 3);
  pbn::BoardRecord.Dealer = 's';
  BuildScoreTable('N');
  FindPar();
  EXPECT_EQ(ScoresOf(TrickTable, 'N'), ScoreTable);
  EXPECT_EQ((TParResult{630, 3, bridge::kNotrump, kSouth}), ParResult);  // 3NT and one over
}

TEST_F(ParSearchWrapperDeathTest, ADealerThatNamesNoChairStopsBeforeAnyContract) {
  TrickTable = SameTricks(6, 6);
  pbn::BoardRecord.Dealer = ' ';
  BuildScoreTable('-');
  EXPECT_EXIT(
      {
        test_support::StdoutToStderr();
        FindPar();
      },
      testing::ExitedWithCode(1),
      test_support::AbortOutput("Requested CharToChair for nonexistent chair--maybe kibitzer?"));
}

}  // namespace
}  // namespace driver

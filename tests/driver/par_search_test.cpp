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

class ParSearchTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetParSearch();
    ResetTrickTable();
  }
  // Every declarer takes `tricks` in every strain.
  static void FillTricks(int16_t north_south, int16_t east_west) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      TrickTable[kNorth][strain] = TrickTable[kSouth][strain] = north_south;
      TrickTable[kEast][strain] = TrickTable[kWest][strain] = east_west;
    }
  }
  static TParResult Par(char dealer, char vulnerability) {
    pbn::BoardRecord.Dealer = dealer;
    BuildScoreTable(vulnerability);
    FindPar();
    return ParResult;
  }
};

TEST_F(ParSearchTest, NothingBeatsAPassOutWhenNobodyTakesSevenTricks) {
  FillTricks(6, 6);
  EXPECT_EQ((TParResult{0, 0, 0, 0}), Par('N', 'B'));
}

TEST_F(ParSearchTest, AmongEqualPartnersTheFirstInTheOrderFromTheDealerDeclares) {
  FillTricks(6, 3);
  TrickTable[kNorth][kSpades] = TrickTable[kSouth][kSpades] = 10;
  // Clockwise from the dealer: E S W N, S W N E, W N E S.
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par('N', '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kSouth}), Par('E', '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kSouth}), Par('s', '-'));
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par('W', '-'));
  EXPECT_EQ((TParResult{620, 4, kSpades, kNorth}), Par('W', 'N'));
}

TEST_F(ParSearchTest, ASacrificeTakesThePar) {
  FillTricks(6, 3);
  TrickTable[kNorth][kSpades] = TrickTable[kSouth][kSpades] = 10;
  TrickTable[kEast][kDiamonds] = TrickTable[kWest][kDiamonds] = 9;
  // 5D two down doubled costs East-West 300 against 420.
  EXPECT_EQ((TParResult{300, 5, kDiamonds, kEast}), Par('N', '-'));
  EXPECT_EQ((TParResult{300, 5, kDiamonds, kWest}), Par('S', '-'));
  // Vulnerable, the same sacrifice costs 500: more than the game, so no sacrifice.
  EXPECT_EQ((TParResult{420, 4, kSpades, kNorth}), Par('N', 'E'));
}

TEST_F(ParSearchTest, AContractOfTheParsLevelAndStrainNeverTakesItOver) {
  FillTricks(0, 0);
  TrickTable[kNorth][kClubs] = 7;
  TrickTable[kEast][kClubs] = 7;
  // 1C by East would score 70 for East-West, but North holds 1C already.
  EXPECT_EQ((TParResult{70, 1, kClubs, kNorth}), Par('N', '-'));
  // With East first, East keeps it and North's equal 1C cannot take it back.
  EXPECT_EQ((TParResult{-70, 1, kClubs, kEast}), Par('E', '-'));
}

TEST_F(ParSearchTest, EastWestMakingGivesANegativeParScore) {
  FillTricks(3, 6);
  TrickTable[kEast][bridge::kNotrump] = TrickTable[kWest][bridge::kNotrump] = 9;
  EXPECT_EQ((TParResult{-600, 3, bridge::kNotrump, kWest}), Par('W', 'B'));
}

TEST_F(ParSearchTest, EachVulnerabilityLetterScoresTheRightSide) {
  FillTricks(10, 10);
  const struct {
    char letter;
    int16_t north_4s, east_4s;
  } cases[] = {{'-', 420, 420}, {'\0', 420, 420}, {'N', 620, 420}, {'n', 620, 420}, {'E', 420, 620},
               {'e', 420, 620}, {'B', 620, 620},  {'b', 620, 620}, {'X', 420, 420}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.letter));
    BuildScoreTable(c.letter);
    EXPECT_EQ(c.north_4s, ScoreTable[kNorth][kSpades][4]);
    EXPECT_EQ(c.north_4s, ScoreTable[kSouth][kSpades][4]);
    EXPECT_EQ(c.east_4s, ScoreTable[kEast][kSpades][4]);
    EXPECT_EQ(c.east_4s, ScoreTable[kWest][kSpades][4]);
  }
}

TEST_F(ParSearchTest, MadeContractsScoreUndoubledAndFailedOnesDoubled) {
  FillTricks(11, 2);
  BuildScoreTable('-');
  EXPECT_EQ(0, ScoreTable[kNorth][kSpades][0]);
  EXPECT_EQ(450, ScoreTable[kNorth][kSpades][4]);   // one overtrick
  EXPECT_EQ(-300, ScoreTable[kNorth][kSpades][7]);  // two down doubled
  EXPECT_EQ(-1100, ScoreTable[kEast][kClubs][1]);   // five down doubled: 100, 300, 500, 800, 1100
}

TEST_F(ParSearchTest, ADealerThatNamesNoChairStopsBeforeAnyContract) {
  FillTricks(6, 6);
  EXPECT_EXIT(
      {
        test_support::StdoutToStderr();
        Par(' ', '-');
      },
      testing::ExitedWithCode(1),
      "Halted by URunAbor because:\r\nRequested CharToChair for nonexistent chair");
}

}  // namespace
}  // namespace driver

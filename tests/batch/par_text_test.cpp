#include "batch/par_text.h"

#include <gtest/gtest.h>

#include "bridge/chairs.h"

namespace batch {
namespace {

using bridge::kClubs;
using bridge::kDiamonds;
using bridge::kEast;
using bridge::kHearts;
using bridge::kNorth;
using bridge::kNotrump;
using bridge::kSouth;
using bridge::kWest;

TEST(ParContractText, WritesSideOrDeclarerLevelStrainAndResult) {
  struct Case {
    driver::TParResult par;
    int16_t declarer_tricks, partner_tricks;
    const char* want;
  };
  const Case cases[] = {
      {{420, 4, kHearts, kNorth}, 10, 10, "NS 4H="},
      {{-500, 5, kDiamonds, kEast}, 8, 8, "EW 5DX-3"},
      {{990, 6, kNotrump, kSouth}, 12, 11, "S 6N="},  // only South makes it
      {{-130, 1, kClubs, kWest}, 9, 9, "EW 1C+2"},
      {{430, 3, kNotrump, kNorth}, 10, 10, "NS 3N+1"},
      {{0, 0, 0, 0}, 0, 0, "Pass"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    driver::TTricks tricks{};
    if (c.par.ParChair != 0) {
      tricks[c.par.ParChair][c.par.ParStrain] = c.declarer_tricks;
      tricks[bridge::PartnerOf(c.par.ParChair)][c.par.ParStrain] = c.partner_tricks;
    }
    EXPECT_EQ(c.want, ParContractText(c.par, tricks));
  }
}

TEST(OptimumScoreText, NamesTheSideThatGains) {
  EXPECT_EQ("NS 420", OptimumScoreText(420));
  EXPECT_EQ("EW 140", OptimumScoreText(-140));
  EXPECT_EQ("NS 0", OptimumScoreText(0));
}

TEST(DoubleDummyTricksText, OrdersDeclarersNSEWAndStrainsNTDownToClubsAndReadsBack) {
  driver::TTricks tricks{};
  tricks[kNorth][kNotrump] = 13;
  tricks[kNorth][kClubs] = 1;
  tricks[kSouth][bridge::kSpades] = 10;
  tricks[kEast][kHearts] = 7;
  tricks[kWest][kDiamonds] = 12;
  const std::string text = DoubleDummyTricksText(tricks);
  EXPECT_EQ(
      "d0001"
      "0a000"
      "00700"
      "000c0",
      text);
  EXPECT_EQ(tricks, TricksOfText(text));
  EXPECT_EQ(tricks, TricksOfText("D0001"
                                 "0A000"
                                 "00700"
                                 "000C0"));
  for (const char* bad : {"", "d0001",
                          "e0001"
                          "0a000"
                          "00700"
                          "000c0",
                          "d0001 0a000007000000c0",
                          "d0001"
                          "0a000"
                          "00700"
                          "000c00"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(TricksOfText(bad));
  }
}

TEST(OptimumResultRows, WritesTwentyRowsAlignedByColumn) {
  driver::TTricks tricks{};
  tricks[kNorth][kNotrump] = 7;
  tricks[kNorth][bridge::kSpades] = 11;
  tricks[kWest][kClubs] = 13;
  const std::vector<std::string> rows = OptimumResultRows(tricks);
  ASSERT_EQ(20u, rows.size());
  EXPECT_EQ("N NT  7", rows[0]);
  EXPECT_EQ("N  S 11", rows[1]);
  EXPECT_EQ("S NT  0", rows[5]);
  EXPECT_EQ("E  H  0", rows[12]);
  EXPECT_EQ("W  C 13", rows[19]);
}

}  // namespace
}  // namespace batch

#include "bridge/contract_score.h"

#include <gtest/gtest.h>

#include <array>

namespace bridge {
namespace {

using enum TDenomination;
using enum TDoubleStatus;

// Published duplicate scores of contracts made exactly, levels 1 to 7.
struct ExactRow {
  TDenomination denomination;
  TDoubleStatus status;
  bool vulnerable;
  std::array<int16_t, 7> scores;
};
constexpr ExactRow kMadeExactly[] = {
    {Minor, Undoubled, false, {70, 90, 110, 130, 400, 920, 1440}},
    {Major, Undoubled, false, {80, 110, 140, 420, 450, 980, 1510}},
    {Notrump, Undoubled, false, {90, 120, 400, 430, 460, 990, 1520}},
    {Minor, Undoubled, true, {70, 90, 110, 130, 600, 1370, 2140}},
    {Major, Undoubled, true, {80, 110, 140, 620, 650, 1430, 2210}},
    {Notrump, Undoubled, true, {90, 120, 600, 630, 660, 1440, 2220}},
    {Minor, Doubled, false, {140, 180, 470, 510, 550, 1090, 1630}},
    {Major, Doubled, false, {160, 470, 530, 590, 650, 1210, 1770}},
    {Notrump, Doubled, false, {180, 490, 550, 610, 670, 1230, 1790}},
    {Minor, Doubled, true, {140, 180, 670, 710, 750, 1540, 2330}},
    {Major, Doubled, true, {160, 670, 730, 790, 850, 1660, 2470}},
    {Notrump, Doubled, true, {180, 690, 750, 810, 870, 1680, 2490}},
    {Minor, Redoubled, false, {230, 560, 640, 720, 800, 1380, 1960}},
    {Major, Redoubled, false, {520, 640, 760, 880, 1000, 1620, 2240}},
    {Notrump, Redoubled, false, {560, 680, 800, 920, 1040, 1660, 2280}},
    {Minor, Redoubled, true, {230, 760, 840, 920, 1000, 1830, 2660}},
    {Major, Redoubled, true, {720, 840, 960, 1080, 1200, 2070, 2940}},
    {Notrump, Redoubled, true, {760, 880, 1000, 1120, 1240, 2110, 2980}},
};

TEST(ContractScore, ScoresEveryContractMadeExactlyByThePublishedTable) {
  for (const ExactRow& row : kMadeExactly) {
    for (int16_t level = 1; level <= 7; ++level) {
      SCOPED_TRACE(testing::Message()
                   << "level " << level << " denomination " << static_cast<int>(row.denomination)
                   << " status " << static_cast<int>(row.status) << " vul " << row.vulnerable);
      EXPECT_EQ(row.scores[level - 1],
                ContractScore(level, row.denomination, row.status, level + 6, row.vulnerable));
    }
  }
}

TEST(ContractScore, ScoresOvertricksByStatusAndVulnerability) {
  struct Row {
    int16_t level;
    TDenomination denomination;
    TDoubleStatus status;
    bool vulnerable;
    std::array<int16_t, 7> scores;  // 0 to 6 overtricks
  };
  const Row rows[] = {
      {1, Major, Undoubled, false, {80, 110, 140, 170, 200, 230, 260}},
      {1, Major, Undoubled, true, {80, 110, 140, 170, 200, 230, 260}},
      {1, Minor, Undoubled, true, {70, 90, 110, 130, 150, 170, 190}},
      {1, Major, Doubled, false, {160, 260, 360, 460, 560, 660, 760}},
      {1, Major, Doubled, true, {160, 360, 560, 760, 960, 1160, 1360}},
      {1, Major, Redoubled, false, {520, 720, 920, 1120, 1320, 1520, 1720}},
      {1, Major, Redoubled, true, {720, 1120, 1520, 1920, 2320, 2720, 3120}},
      {3, Notrump, Undoubled, true, {600, 630, 660, 690, 720}},  // up to 13 tricks
  };
  for (const Row& row : rows) {
    for (int over = 0; over <= 7 - row.level; ++over) {
      SCOPED_TRACE(testing::Message() << "row level " << row.level << " over " << over);
      EXPECT_EQ(row.scores[over],
                ContractScore(row.level, row.denomination, row.status,
                              static_cast<int16_t>(row.level + 6 + over), row.vulnerable));
    }
  }
}

TEST(ContractScore, ChargesEachUndertrickByThePublishedPenalties) {
  struct Row {
    TDoubleStatus status;
    bool vulnerable;
    std::array<int16_t, 13> penalties;  // 1 to 13 down
  };
  const Row rows[] = {
      {Undoubled, false, {50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650}},
      {Undoubled, true, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300}},
      {Doubled, false, {100, 300, 500, 800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 3200, 3500}},
      {Doubled, true, {200, 500, 800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 3200, 3500, 3800}},
      {Redoubled,
       false,
       {200, 600, 1000, 1600, 2200, 2800, 3400, 4000, 4600, 5200, 5800, 6400, 7000}},
      {Redoubled,
       true,
       {400, 1000, 1600, 2200, 2800, 3400, 4000, 4600, 5200, 5800, 6400, 7000, 7600}},
  };
  for (const Row& row : rows) {
    for (int16_t down = 1; down <= 13; ++down) {
      SCOPED_TRACE(testing::Message() << "down " << down << " status "
                                      << static_cast<int>(row.status) << " vul " << row.vulnerable);
      // The penalty does not depend on the denomination.
      for (const TDenomination d : {Minor, Major, Notrump}) {
        EXPECT_EQ(-row.penalties[down - 1],
                  ContractScore(7, d, row.status, static_cast<int16_t>(13 - down), row.vulnerable));
      }
    }
  }
}

TEST(DenominationOf, MinorsMajorsAndNotrumpByStrain) {
  const TDenomination expected[] = {Minor, Minor, Major, Major, Notrump};
  for (int16_t strain = 1; strain <= 5; ++strain) {
    SCOPED_TRACE(strain);
    EXPECT_EQ(expected[strain - 1], DenominationOf(strain));
  }
}

}  // namespace
}  // namespace bridge

#include "bridge/imps.h"

#include <gtest/gtest.h>

namespace bridge {
namespace {

TEST(ScoresToIMPs, FollowsThePublishedScaleAtEveryBoundaryOnBothSides) {
  // The IMP scale: a difference of at most `upper` (and more than the row before) wins `imps`.
  const struct {
    int upper, imps;
  } winning[] = {{10, 0},    {40, 1},    {80, 2},    {120, 3},   {160, 4},   {210, 5},
                 {260, 6},   {310, 7},   {360, 8},   {420, 9},   {490, 10},  {590, 11},
                 {740, 12},  {890, 13},  {1090, 14}, {1290, 15}, {1490, 16}, {1740, 17},
                 {1990, 18}, {2240, 19}, {2490, 20}, {2990, 21}, {3490, 22}, {3990, 23}};
  // A difference of at most `upper` loses `imps` (the first row that holds decides).
  const struct {
    int upper, imps;
  } losing[] = {{-4000, -24}, {-3500, -23}, {-3000, -22}, {-2500, -21}, {-2250, -20}, {-2000, -19},
                {-1750, -18}, {-1500, -17}, {-1300, -16}, {-1100, -15}, {-900, -14},  {-750, -13},
                {-600, -12},  {-500, -11},  {-430, -10},  {-370, -9},   {-320, -8},   {-270, -7},
                {-220, -6},   {-170, -5},   {-130, -4},   {-90, -3},    {-50, -2},    {-20, -1}};
  for (const auto& row : winning) {
    SCOPED_TRACE(testing::Message() << "winning boundary " << row.upper);
    EXPECT_EQ(row.imps, ScoresToIMPs(static_cast<int16_t>(row.upper - 1), 0));
    EXPECT_EQ(row.imps, ScoresToIMPs(static_cast<int16_t>(row.upper), 0));
    EXPECT_EQ(row.imps + 1, ScoresToIMPs(static_cast<int16_t>(row.upper + 1), 0));
    EXPECT_EQ(row.imps + 1, ScoresToIMPs(static_cast<int16_t>(row.upper + 10), 0));
  }
  for (const auto& row : losing) {
    SCOPED_TRACE(testing::Message() << "losing boundary " << row.upper);
    EXPECT_EQ(row.imps, ScoresToIMPs(0, static_cast<int16_t>(-row.upper + 1)));
    EXPECT_EQ(row.imps, ScoresToIMPs(0, static_cast<int16_t>(-row.upper)));
    EXPECT_EQ(row.imps + 1, ScoresToIMPs(0, static_cast<int16_t>(-row.upper - 1)));
    EXPECT_EQ(row.imps + 1, ScoresToIMPs(0, static_cast<int16_t>(-row.upper - 10)));
    // Only the difference counts, not where the two scores lie.
    EXPECT_EQ(row.imps, ScoresToIMPs(-1000, static_cast<int16_t>(-1000 - row.upper)));
  }
  EXPECT_EQ(24, ScoresToIMPs(7600, 0));
  EXPECT_EQ(-24, ScoresToIMPs(-7600, 7600));
  EXPECT_EQ(0, ScoresToIMPs(420, 420));
  EXPECT_EQ(1, ScoresToIMPs(450, 420));
  EXPECT_EQ(10, ScoresToIMPs(620, 170));
  EXPECT_EQ(-12, ScoresToIMPs(-100, 620));
}

TEST(ScoresToIMPs, OddDifferencesAreNotSymmetric) {
  EXPECT_EQ(1, ScoresToIMPs(15, 0));
  EXPECT_EQ(0, ScoresToIMPs(0, 15));
  EXPECT_EQ(24, ScoresToIMPs(3991, 0));
  EXPECT_EQ(-23, ScoresToIMPs(0, 3991));
  EXPECT_EQ(24, ScoresToIMPs(-20000, 20000));  // -40000 wraps to 25536 in 16 bits
}

TEST(ScoresToMPs, WinsTiesAndLosses) {
  EXPECT_EQ(0.5, ScoresToMPs(100, 100));
  EXPECT_EQ(0.5, ScoresToMPs(-620, -620));
  EXPECT_EQ(1.0, ScoresToMPs(110, 100));
  EXPECT_EQ(0.0, ScoresToMPs(-50, 100));
  EXPECT_EQ(1.0, ScoresToMPs(-20000, 20000));  // -40000 wraps to 25536 in 16 bits
  EXPECT_EQ(0.0, ScoresToMPs(20000, -20000));
}

TEST(Labels, AreFixedWidthAndLeaveTheEndMarkersAlone) {
  runtime::Text label("keep");
  EventLabel(TEventType::FirstEvent, label);
  EventLabel(TEventType::LastEvent, label);
  EXPECT_EQ(runtime::Text("keep"), label);
  EventLabel(TEventType::IMPEvent, label);
  EXPECT_EQ(runtime::Text("IMP"), label);
  EventLabel(TEventType::MPEvent, label);
  EXPECT_EQ(runtime::Text(" MP"), label);
  EventLabel(TEventType::DD, label);
  EXPECT_EQ(runtime::Text(" DD"), label);
  ScoreTypeLabel(TScoreType::RawPoints, label);
  EXPECT_EQ(runtime::Text("RawPoints"), label);
  ScoreTypeLabel(TScoreType::IMPScore, label);
  EXPECT_EQ(runtime::Text("     IMPs"), label);
  ScoreTypeLabel(TScoreType::MPScore, label);
  EXPECT_EQ(runtime::Text("      MPs"), label);
}

}  // namespace
}  // namespace bridge

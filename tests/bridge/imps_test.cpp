#include "bridge/imps.h"

#include <gtest/gtest.h>

namespace bridge {
namespace {

TEST(ScoresToIMPs, FollowsThePublishedScaleAtEveryBoundaryOnBothSides) {
  // The IMP scale: differences from..to give imps.
  const struct {
    int from, to, imps;
  } scale[] = {
      {0, 10, 0},       {20, 40, 1},      {50, 80, 2},      {90, 120, 3},     {130, 160, 4},
      {170, 210, 5},    {220, 260, 6},    {270, 310, 7},    {320, 360, 8},    {370, 420, 9},
      {430, 490, 10},   {500, 590, 11},   {600, 740, 12},   {750, 890, 13},   {900, 1090, 14},
      {1100, 1290, 15}, {1300, 1490, 16}, {1500, 1740, 17}, {1750, 1990, 18}, {2000, 2240, 19},
      {2250, 2490, 20}, {2500, 2990, 21}, {3000, 3490, 22}, {3500, 3990, 23}, {4000, 7600, 24}};
  for (const auto& step : scale) {
    SCOPED_TRACE(testing::Message() << step.from << ".." << step.to);
    for (const int d : {step.from, step.to}) {
      EXPECT_EQ(step.imps, ScoresToIMPs(static_cast<int16_t>(d), 0));
      EXPECT_EQ(-step.imps, ScoresToIMPs(0, static_cast<int16_t>(d)));
      EXPECT_EQ(-step.imps, ScoresToIMPs(-100, static_cast<int16_t>(d - 100)));
    }
    if (step.from > 0) {
      EXPECT_EQ(step.imps - 1, ScoresToIMPs(static_cast<int16_t>(step.from - 10), 0));
      EXPECT_EQ(1 - step.imps, ScoresToIMPs(0, static_cast<int16_t>(step.from - 10)));
    }
  }
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

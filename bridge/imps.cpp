#include "bridge/imps.h"

#include <array>

namespace bridge {
namespace {

// Upper ends of the IMP scale's steps for differences of either sign: a difference of
// at most kLosing[i] loses 24 - i IMPs, one of at most kWinning[i] wins i IMPs.
constexpr std::array<int, 24> kLosing = {-4000, -3500, -3000, -2500, -2250, -2000, -1750, -1500,
                                         -1300, -1100, -900,  -750,  -600,  -500,  -430,  -370,
                                         -320,  -270,  -220,  -170,  -130,  -90,   -50,   -20};
constexpr std::array<int, 24> kWinning = {10,   40,   80,   120,  160,  210,  260,  310,
                                          360,  420,  490,  590,  740,  890,  1090, 1290,
                                          1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};

}  // namespace

int16_t ScoresToIMPs(int16_t score_a, int16_t score_b) {
  const auto difference = static_cast<int16_t>(score_a - score_b);
  for (size_t i = 0; i < kLosing.size(); ++i) {
    if (difference <= kLosing[i]) return static_cast<int16_t>(-24 + static_cast<int>(i));
  }
  for (size_t i = 0; i < kWinning.size(); ++i) {
    if (difference <= kWinning[i]) return static_cast<int16_t>(i);
  }
  return 24;
}

double ScoresToMPs(int16_t score_a, int16_t score_b) {
  const auto difference = static_cast<int16_t>(score_a - score_b);
  if (difference > 0) return 1.0;
  return difference == 0 ? 0.5 : 0.0;
}

void EventLabel(TEventType event, runtime::Text& label) {
  switch (event) {
    case TEventType::IMPEvent:
      label = "IMP";
      break;
    case TEventType::MPEvent:
      label = " MP";
      break;
    case TEventType::DD:
      label = " DD";
      break;
    case TEventType::FirstEvent:
    case TEventType::LastEvent:
      break;
  }
}

void ScoreTypeLabel(TScoreType score_type, runtime::Text& label) {
  switch (score_type) {
    case TScoreType::RawPoints:
      label = "RawPoints";
      break;
    case TScoreType::IMPScore:
      label = "     IMPs";
      break;
    case TScoreType::MPScore:
      label = "      MPs";
      break;
  }
}

}  // namespace bridge

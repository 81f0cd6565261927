#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace bridge {

enum class TEventType { FirstEvent, IMPEvent, MPEvent, DD, LastEvent };
enum class TScoreType { RawPoints, IMPScore, MPScore };

// IMPs won by score a against score b, -24..24, from the difference a - b taken as a
// signed 16-bit value.
int16_t ScoresToIMPs(int16_t score_a, int16_t score_b);

// Matchpoint share of a against b: 1.0 ahead, 0.5 equal, 0.0 behind.
double ScoresToMPs(int16_t score_a, int16_t score_b);

// Sets label to "IMP", " MP" or " DD"; leaves it unchanged for FirstEvent and LastEvent.
void EventLabel(TEventType event, runtime::Text& label);

// Sets label to "RawPoints", "     IMPs" or "      MPs" (nine characters each).
void ScoreTypeLabel(TScoreType score_type, runtime::Text& label);

}  // namespace bridge

#pragma once

#include <array>
#include <cstdint>

#include "driver/solver_run.h"

namespace driver {

// Score of every contract, [chair][strain][level], from the declaring side's view;
// level 0 is always 0.
using TScores = std::array<std::array<std::array<int16_t, 8>, 6>, 5>;

// The current board's scores; filled by BuildScoreTable.
inline TScores ScoreTable{};

// The par of the current board. ParScore is North-South's view (negative when East-West
// gain); level, strain and chair are 0 when no contract beats a pass-out.
struct TParResult {
  int16_t ParScore = 0;
  int16_t ParLevel = 0;
  int16_t ParStrain = 0;
  int16_t ParChair = 0;
  friend bool operator==(const TParResult&, const TParResult&) = default;
};
inline TParResult ParResult{};

void ResetParSearch();  // ScoreTable and ParResult back to zeros

// True when the board's vulnerability character (either case) makes the chair
// vulnerable: B everyone, N North-South, E East-West, anything else nobody.
bool ChairVulnerable(char vulnerability, int16_t chair);

// Pure: every contract scored from the tricks: a contract the declarer makes undoubled
// with its overtricks, one that fails doubled; vulnerability as ChairVulnerable takes it.
TScores ScoresOf(const TTricks& tricks, char vulnerability);

// Pure: walks the contracts from 1C to 7NT, offering each to the four players clockwise
// from the dealer (chair 1..4), and keeps the last one that was strictly better for the
// side that would bid it, never one of the present par's level and strain.
TParResult ParOf(const TScores& scores, int16_t dealer);

// ScoreTable = ScoresOf(TrickTable, vulnerability).
void BuildScoreTable(char vulnerability);

// ParResult = ParOf(ScoreTable, the board's dealer). Stops through CharToChair when
// BoardRecord.Dealer names no chair.
void FindPar();

}  // namespace driver

#pragma once

#include <array>
#include <cstdint>

namespace driver {

// Score of every contract of the current board, [chair][strain][level], from the
// declaring side's view; level 0 is always 0. Filled by BuildScoreTable.
inline std::array<std::array<std::array<int16_t, 8>, 6>, 5> ScoreTable{};

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

// Scores every contract from TrickTable: a contract the declarer makes undoubled with
// its overtricks, one that fails doubled.
void BuildScoreTable(char vulnerability);

// Walks the contracts from 1C to 7NT, offering each to the four players clockwise from
// the board's dealer, and keeps the last one that was strictly better for the side that
// would bid it, never one of the present par's level and strain. Stops through
// CharToChair when the dealer names no chair.
void FindPar();

}  // namespace driver

#pragma once

#include <cstdint>
#include <string>

#include "driver/par_search.h"

// The par as the PBN tags of other programs write it, from the par search's result.
namespace batch {

// Pure: the ParContract tag's value: the side ("NS", "EW") when both partners take the
// par's tricks in its strain, else the declarer alone ("N", "S", "E", "W"); the level;
// the strain letter C D H S N; "X" when it fails; then "=", "+k" or "-k" ("NS 4H=",
// "EW 5DX-3", "S 6N=", "NS 3N+1"). "Pass" when no contract beats a pass-out.
std::string ParContractText(const driver::TParResult& par, const driver::TTricks& tricks);

// Pure: the OptimumScore tag's value: the side that gains and its score without a sign
// ("NS 420", "EW 140"), "NS 0" when the deal is passed out.
std::string OptimumScoreText(int16_t par_score);

}  // namespace batch

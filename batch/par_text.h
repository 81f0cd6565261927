#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// Pure: the DoubleDummyTricks tag's value: 20 lower-case hex digits, declarers N, S, E, W,
// and within each the strains NT, S, H, D, C.
std::string DoubleDummyTricksText(const driver::TTricks& tricks);

// Pure: the table of a DoubleDummyTricks value, or nothing when the text is not 20 hex
// digits of 0 to 13 (either case).
std::optional<driver::TTricks> TricksOfText(std::string_view text);

// The OptimumResultTable tag's value, its columns.
inline constexpr char kOptimumResultColumns[] = "Declarer;Denomination\\2R;Result\\2R";

// Pure: the 20 rows of the OptimumResultTable section, declarers N, S, E, W and strains NT,
// S, H, D, C, each "N NT  7": the declarer, the strain and the tricks right-aligned in two
// characters, one blank between.
std::vector<std::string> OptimumResultRows(const driver::TTricks& tricks);

}  // namespace batch

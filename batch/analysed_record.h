#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/par_search.h"

namespace batch {

// One analysed PBN record: where it stands, what its tags gave, and what the solve found.
// The outputs of dealmint-batch (written-back PBN, par file, JSON, hand records) are all
// made from this, so every output of a record comes from one solve.
struct AnalysedRecord {
  std::string file;          // the input's name as given, "-" for standard input
  int64_t line = 0;          // line of the record's first line, from 1
  int16_t board = 0;         // the Board tag's number, 1..32767
  int16_t dealer = 0;        // chair 1..4 (bridge/chairs.h)
  char vulnerability = '-';  // '-' nobody, 'N' North-South, 'E' East-West, 'B' both
  // Holdings [chair 1..4][suit 1..4: spades, hearts, diamonds, clubs], upper-case rank
  // letters from the ace down ("AKT2"), empty for a void; index 0 unused.
  std::array<std::array<std::string, 5>, 5> hands{};
  driver::TTricks tricks{};       // [declarer chair][strain], as the par line orders them
  driver::TParResult par{};       // driver::ParOf of the scores of tricks from the dealer
  std::string event, site, date;  // the record's Event, Site and Date values, or empty
};

}  // namespace batch

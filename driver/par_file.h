#pragma once

#include <cstdint>
#include <string>

#include "driver/par_search.h"
#include "runtime/text_file.h"

namespace driver {

// Pure: a board's par line without its line end: the board number, the par's score,
// level, strain and chair, and the twenty trick counts (North, South, East, West; clubs
// to notrump each), 25 decimal fields joined by tabs.
std::string ParLineText(int16_t board, const TParResult& par, const TTricks& tricks);

// Appends ParLineText(board, par, tricks) and CR LF to the par file and writes it out to
// the file at once, so a later fatal stop cannot lose it. I/O failures are I/O error
// stops.
void WriteParLine(runtime::TextFile& par_file, int16_t board, const TParResult& par,
                  const TTricks& tricks);

// Appends the current board's line to the par file: ParLineText of BoardRecord.Number,
// ParResult and TrickTable, written as the overload above writes it.
void WriteParLine(runtime::TextFile& par_file);

}  // namespace driver

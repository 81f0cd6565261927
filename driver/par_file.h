#pragma once

#include "runtime/text_file.h"

namespace driver {

// Appends the current board's line to the par file: the board number, ParScore,
// ParLevel, ParStrain, ParChair and the twenty trick counts (North, South, East, West;
// clubs to notrump each), 25 decimal fields joined by tabs, CR LF at the end. The line
// is written out to the file at once, so a later fatal stop cannot lose it.
void WriteParLine(runtime::TextFile& par_file);

}  // namespace driver

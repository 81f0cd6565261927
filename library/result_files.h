#pragma once

#include <cstdint>

#include "runtime/text.h"

// Readers of files that report a played-out deal, and the deal-file writer. Each opens
// its file, reads it from the start, closes it and keeps nothing. Lines are read as
// texts of at most 255 characters; results are cut at 255 characters.
namespace library {

// The score at the end of the first line that starts with "Result: N/S", read as an
// integer (its low 16 bits). Stops through RunAbort with "GetResult could not find input
// file " + name when the file cannot be opened, or "Could not fine Result line in file "
// + name when no line starts so; writes "Could not extract score from " and the word and
// ends with exit code 1 when the last word is not a number.
int16_t GetResult(runtime::Text file_name);

// From the third line on: the calls, each followed by a blank, until the first card line
// (one starting with C, D, H or S in either case) or the end; then that card line and the
// next 51 run together. A passed-out auction gives exactly "P P P P". Stops through
// RunAbort with "GetPlayString could not find file " + name when the file cannot be opened.
runtime::Text GetPlayString(runtime::Text file_name);

// Lines 3 to 54 run together. When the file cannot be opened writes "Could not find " +
// name and ends with exit code 1.
runtime::Text GetCardString(runtime::Text file_name);

// How many lines (each cut at 255) are longer than limit; an empty file counts as one
// empty line; 0 when the file cannot be opened.
int16_t CountLongLines(runtime::Text file_name, int16_t limit);

// Writes the hands of South, West, North and East (holdings joined by dots, as stored),
// then first, a blank and second, then the extra line unless it is empty. Creating the
// file replaces any of that name; I/O failures are I/O error stops.
void WriteDealFile(runtime::Text file_name, runtime::Text extra_line, char first, char second);

}  // namespace library

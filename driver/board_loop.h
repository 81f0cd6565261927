#pragma once

#include <array>

#include "bridge/chairs.h"
#include "runtime/text.h"

namespace driver {

// The single command-line argument: the PBN file's name without ".pbn".
inline runtime::Text BaseName;
// Processed[n]: board number n (1..32767) already has its par line in this run.
inline std::array<bool, bridge::kMaxBoardNumber + 1> Processed{};

// Takes the command line: with other than exactly one argument, writes the two usage
// lines and ends with exit code 1. Stops through RunAbort when the argument is so long
// that its ".pbn" or ".par" name would pass 255 characters.
void ReadCommandLine(int argc, const char* const* argv);

// Writes "Warning: Unable to delete temporary file " and the name as one line.
void WarnNotDeleted(const runtime::Text& name);

// Deletes 99Store.txt, 99Store.txt.out and the twenty job files (strain by strain,
// chair by chair within it), warning about each that cannot be deleted.
void DeleteTempFiles();

// The whole run, from the command line to the deletion of the temporary files. Returns
// only after a complete run; every failure ends the process on the spot.
void RunDealmint(int argc, const char* const* argv);

}  // namespace driver

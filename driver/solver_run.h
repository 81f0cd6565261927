#pragma once

#include <array>
#include <cstdint>

#include "runtime/text.h"

namespace driver {

// Double-dummy tricks, [declarer chair 1..4][strain 1..5], as the declarer's side takes
// them; index 0 unused.
using TTricks = std::array<std::array<int16_t, 6>, 5>;

// The current board's tricks; written only by ReadSolverResults.
inline TTricks TrickTable{};
void ResetTrickTable();  // all zeros, as at program start

// Runs "gib < 99Store.txt > 99Store.txt.out" through RunSolverCommand and waits for it
// without a time limit. The output file of an earlier run is deleted
// first, so that a solver that fails to start never leaves an old board's results to be
// read; a failure to delete it other than its absence is an I/O error stop. Then a new
// regular file is made exclusively at the name for the command's redirection to open,
// and removed again if the command never opened it. How the solver ended is not
// examined: the reader judges its output.
void RunSolver();

// The solver command itself, as this platform runs it: through the interpreter named by
// COMSPEC ("-c" and the command; /bin/sh when COMSPEC is unset or empty on POSIX systems,
// " /C " and the command on Windows), with this process's environment and the directory
// of the running program appended to its PATH (Path on Windows) when that directory is
// absolute and cannot be read as more than one entry, so the gib built beside it is
// found. Waits without a time limit; how the command ended is not examined.
void RunSolverCommand();

// Reads the twenty results from the solver output file file_name into TrickTable:
// for jobs 1..20 in order, the line after each "Enter argument line: " prompt, whose
// first 15 characters are skipped before the number of North-South tricks. East's and
// West's entries become 13 minus that number. Stops through RunAbort when the file
// cannot be opened ("Input file <name> not found."), when a prompt or a count is
// missing (the Cannot-find message) or when a count lies outside 0..13; a count that is
// not an integer is an I/O error stop with 106. A name that matches 99Store.txt.out
// ignoring case reads 99Store.txt.out and only it, never through a link, and only a
// regular file; messages quote the name as given.
void ReadSolverResults(runtime::Text file_name);

}  // namespace driver

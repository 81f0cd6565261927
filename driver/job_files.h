#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace driver {

// The fixed names through which dealmint and its solver talk, all in the current
// directory: the argument file the solver reads on standard input, the file its standard
// output goes to, and the command that joins them.
inline constexpr char kArgumentFile[] = "99Store.txt";
inline constexpr char kSolverOutput[] = "99Store.txt.out";
inline constexpr char kSolverCommand[] = "gib < 99Store.txt > 99Store.txt.out";
// The name the board loop hands the solver-output reader. Its mixed case is the system's
// own spelling, kept because the reader quotes the name it is given in its messages; the
// reader opens kSolverOutput, the file the command writes, whatever the case.
inline constexpr char kSolverOutputAsGiven[] = "99Store.txt.Out";

// "99Store.txt." and the job number (chair - 1) * 5 + strain, padded with zeros on the
// left to three characters: 99Store.txt.001 (North, clubs) to 99Store.txt.020 (West,
// notrump). The argument file, the job files and the clean-up all use this one rule.
runtime::Text JobFileName(int16_t chair, int16_t strain);

// Creates 99Store.txt, replacing any file of that name, with the twenty lines
// "-d -v " + job file name for jobs 001 to 020. I/O failures are I/O error stops.
void WriteArgumentFile();

// Writes the twenty job files from the hand table: the hands of West, North, East and
// South ("w ", "n ", "e ", "s " and the four holdings joined by dots), then the chair on
// lead (the one after the declarer) and the strain letter. Holdings go out as they
// stand. I/O failures are I/O error stops.
void WriteJobFiles();

}  // namespace driver

#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace solver {

// One argument line taken apart.
struct ArgumentLine {
  bool verbose = false;  // -v: echo the deal, the leader and the strain after the result
  std::string job_file;
  std::string fault;  // empty when the line is sound
};

// Reads the words of an argument line, separated by blanks and tabs: the options -d
// (double dummy, the only way this solver plays) and -v, and one job-file name. Any
// other word that starts with "-", a second name or no name at all is a fault. Pure.
ArgumentLine ParseArgumentLine(std::string_view line);

// Answers the argument lines of `in` (CR LF, LF or CR ends a line) until its end. For
// each line it writes "Enter argument line: " and then the job's result line,
// "Tricks for NS: " (15 characters) and North-South's tricks, then with -v the deal and
// the leader and strain on lines of their own; lines end with CR LF. A line of blanks
// only is passed over without a prompt. Jobs that hold the deal of the job before are
// answered from the same solve. At the first fault (a bad argument line, a job file that
// cannot be read or is not sound, a libdds error, output that cannot be written) writes
// "gib: " and the job file or argument line and the fault as one line to `err`, writes
// no result, and returns 2 with `out` flushed, its last line the fault's prompt;
// otherwise returns 0 with `out` flushed. Deals are solved in this process, or with
// kWarmFirst by the warm solver process when it can be used (solver/warm_solver.h);
// this process prepares and loads libdds only before its first own solve.
enum class Solving { kInProcess, kWarmFirst };
int RunGib(std::FILE* in, std::FILE* out, std::FILE* err, Solving solving = Solving::kInProcess);

}  // namespace solver

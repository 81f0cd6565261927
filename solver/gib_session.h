#pragma once

#include <cstdio>

namespace solver {

// Answers the argument lines of `in` (CR LF, LF or CR ends a line) until its end: for
// each, the line "Enter argument line: ", then the job's result line "Tricks for NS: N"
// (15 characters of label, then North-South's tricks), then with -v the deal, the leader
// and the strain. Lines go out with CR LF. Jobs with the deal of the job before are
// answered from the same solve. At the first fault (an option other than -d and -v, no
// job file, a job file that cannot be read or is not sound, a solver error) writes one
// line naming the job file and the fault to `err`, writes no result, and returns 2;
// otherwise returns 0.
int RunGib(std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace solver

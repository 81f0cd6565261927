#pragma once

#include <string>

#include "solver/job_file.h"

namespace solver {

// Double-dummy tricks of every declarer in every strain, [seat n e s w][strain c d h s n].
struct TrickTable {
  int tricks[4][5] = {};
};

// Prepares the solving library once: threads for the machine's cores and a memory
// budget that keeps start-up cheap.
void InitSolver();

// Solves the deal's whole table. Returns an empty text, or the library's error in words.
std::string SolveDeal(const Deal& deal, TrickTable& table);

// Tricks North-South take in the strain when the seat leads (the declarer sits on the
// leader's right).
int NorthSouthTricks(const TrickTable& table, char leader, char strain);

}  // namespace solver

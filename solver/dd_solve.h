#pragma once

#include <dds/dll.h>

#include <string>

#include "solver/job_file.h"

namespace solver {

// The double-dummy tricks of every declarer in every strain of one deal, as libdds
// gives them; read them through NorthSouthTricks only.
struct TrickTable {
  ddTableResults results{};
};

// Solves the deal's whole table with libdds. Returns an empty text, or the library's
// error in words. Expects a sound deal (thirteen cards a hand, none twice).
std::string SolveDeal(const Deal& deal, TrickTable& table);

// Tricks North-South take in the strain (c, d, h, s, n) when the seat (n, e, s, w)
// leads: the declarer sits on the leader's right. Pure; expects the lower-case letters
// that ParseJobFile gives.
int NorthSouthTricks(const TrickTable& table, char leader, char strain);

// Tricks the declarer takes in the strain, with the declarer and strain numbered as the
// rest of the project numbers them: declarer 1 North, 2 South, 3 East, 4 West; strain
// 1 clubs, 2 diamonds, 3 hearts, 4 spades, 5 notrump. Pure; expects those ranges.
int DeclarerTricks(const ddTableResults& results, int declarer, int strain);

}  // namespace solver

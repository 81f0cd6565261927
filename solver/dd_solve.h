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

}  // namespace solver

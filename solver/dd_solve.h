#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "solver/job_file.h"

namespace solver {

// The double-dummy tricks of every declarer in every strain of one deal, numbered as
// libdds numbers them: strains spades, hearts, diamonds, clubs, notrump from 0 and
// declarers N, E, S, W from 0 (not the chairs and strains from 1 of the driver's table).
// Jobs read it through NorthSouthTricks, which speaks their letters.
class DdTable {
 public:
  static constexpr size_t kStrains = 5;
  static constexpr size_t kDeclarers = 4;

  // Tricks the declarer takes in the strain; 0 where nothing was set. Expects
  // strain < kStrains and declarer < kDeclarers.
  int Tricks(size_t strain, size_t declarer) const { return tricks_[strain][declarer]; }
  // Records them; same expectations, and tricks 0..13 (not checked).
  void SetTricks(size_t strain, size_t declarer, int tricks) { tricks_[strain][declarer] = tricks; }

 private:
  std::array<std::array<int32_t, kDeclarers>, kStrains> tricks_{};
};

// Solves the deal's whole table with libdds, loading libdds (and preparing the heap for it)
// on the first call. Returns an empty text, or the library's error in words. Expects a
// sound deal (thirteen cards a hand, none twice).
std::string SolveDeal(const Deal& deal, DdTable& table);

// Tricks North-South take in the strain (c, d, h, s, n) when the seat (n, e, s, w)
// leads: the declarer sits on the leader's right. Pure; expects the lower-case letters
// that ParseJobFile gives.
int NorthSouthTricks(const DdTable& table, char leader, char strain);

}  // namespace solver

#pragma once

#include <string>
#include <vector>

#include "driver/solver_run.h"

namespace batch {

// Most deals one libdds batch call takes with all five strains (MAXNOOFTABLES).
inline constexpr size_t kDealsPerCall = 40;

// Solves whole deals with libdds's batch table call over several threads. libdds is
// loaded, and its threads set up, at the first solve only, so a run that finds every
// table in the cache never pays for it.
class TableSolver {
 public:
  // threads: how many threads libdds may use; 0 for as many as the machine has cores.
  explicit TableSolver(int threads) : threads_(threads) {}

  // The trick tables of the deals (canonical "N:" texts, at most kDealsPerCall), arranged
  // as dealmint arranges them: [declarer chair][strain], the declarer's tricks. Returns
  // an empty text, or libdds's fault in words (tables then undefined).
  std::string Solve(const std::vector<std::string>& deals, std::vector<driver::TTricks>& tables);

 private:
  int threads_;
  bool started_ = false;
};

}  // namespace batch

#include "solver/warm_solver.h"

// No warm solver on Windows: every gib.exe loads nothing at run time (libdds is linked
// in) and solves its board alone.
namespace solver {

WarmAnswer SolveWarm(const Deal&, DdTable&, std::string&) { return WarmAnswer::kUnavailable; }

bool WarmSolverWanted() { return false; }

int ServeSolves(const std::string&) { return 1; }

}  // namespace solver

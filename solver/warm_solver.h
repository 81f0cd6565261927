#pragma once

#include <string>

#include "solver/dd_solve.h"
#include "solver/job_file.h"
#include "solver/warm_wire.h"

namespace solver {

// A gib process lives for one board, but libdds costs it about 15 ms to load and its
// transposition tables start cold: together a quarter of a typical solve. So gib hands
// each deal to a warm solver process of the same user, started by the first gib that
// finds none and ended after kIdleSeconds without answering a request of that user's. It
// listens on a Unix socket file in a directory private to the user ("dealmint-gib" in
// $XDG_RUNTIME_DIR, else /tmp/dealmint-gib-UID; mode 0700, owned by the user, not a
// link, checked before each use: one that is not so is never used), whose name stands
// for the user, the gib program file, the libdds search variables and GIB_SERVER, so a
// rebuilt gib or another library never answers. Every wait of gib on it is bounded: a
// solver shows it is alive while it solves, and one that falls silent (stopped, wedged)
// or cannot be reached leaves gib to solve alone, with the same results. The solver has
// no terminal, no working directory in use and none of its starter's files, so nobody
// waits on it. The environment variable GIB_SERVER=off has every gib solve in its own
// process.
constexpr int kIdleSeconds = 5;

// The argument that makes gib the warm solver: "gib --serve NAME".
constexpr char kServeOption[] = "--serve";

// Has the warm solver solve the deal, starting it when none runs. Never stops the
// process, and never waits long for a solver that has ended, cannot start or makes no
// progress (kUnavailable then).
WarmAnswer SolveWarm(const Deal& deal, DdTable& table, std::string& fault);

// True unless GIB_SERVER is "off".
bool WarmSolverWanted();

// The warm solver's main: binds the name's socket file in the private directory (or
// returns 0 at once if a live solver has it or there is no private directory), loads
// libdds (returns 1 if it cannot) and answers requests until kIdleSeconds pass without
// one of its user's. Expects to run in a process of its own, started by SolveWarm.
int ServeSolves(const std::string& name);

}  // namespace solver

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "solver/gib_session.h"
#include "solver/start_up.h"
#include "solver/warm_solver.h"

int main(int argc, char** argv) {
  solver::BinaryStandardStreams();
  int code = 0;
  if (argc == 3 && std::strcmp(argv[1], solver::kServeOption) == 0) {
    code = solver::ServeSolves(argv[2]);
  } else {
    code = solver::RunGib(
        stdin, stdout, stderr,
        solver::WarmSolverWanted() ? solver::Solving::kWarmFirst : solver::Solving::kInProcess);
  }
  // RunGib has flushed everything. libdds, loaded at run time, must not be torn down by
  // exit (solver/dds_library.h); its teardown would only cost time anyway.
  std::_Exit(code);
}

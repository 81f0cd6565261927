#include <cstdio>
#include <cstdlib>

#include "solver/gib_session.h"
#include "solver/start_up.h"

int main() {
  solver::PrepareSolver();
  const int code = solver::RunGib(stdin, stdout, stderr);
  // RunGib has flushed everything. libdds, loaded at run time, must not be torn down by
  // exit (solver/dds_library.h); its teardown would only cost time anyway.
  std::_Exit(code);
}

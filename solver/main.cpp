#include <cstdio>
#include <cstdlib>

#include "solver/gib_session.h"
#include "solver/start_up.h"

int main() {
  solver::PrepareSolver();
  const int code = solver::RunGib(stdin, stdout, stderr);
  // RunGib has flushed everything; libdds's teardown of its tables would only cost time.
  std::_Exit(code);
}

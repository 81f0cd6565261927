#include <cstdio>

#include "solver/gib_session.h"

int main() {
  const int code = solver::RunGib(stdin, stdout, stderr);
  if (std::fflush(stdout) != 0) return 2;
  return code;
}

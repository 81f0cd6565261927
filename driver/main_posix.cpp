#include <csignal>

#include "driver/board_loop.h"
#include "runtime/console.h"

int main(int argc, char** argv) {
  // A closed standard output is reported by the failed write, not by a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  driver::RunDealmint(argc, argv);
  runtime::ExitProcess(0);
}

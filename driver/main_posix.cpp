#include <csignal>

#include "driver/board_loop.h"
#include "runtime/console.h"

int main(int argc, char** argv) {
  // A closed standard output is reported by the failed write, not by a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  // Past a file-size limit a write fails and the I/O error stop says so; the signal would
  // end the run with no word and half a line.
  std::signal(SIGXFSZ, SIG_IGN);
  driver::RunDealmint(argc, argv);
  runtime::ExitProcess(0);
}

#include "driver/board_loop.h"
#include "runtime/console.h"

// The C library passes the argument as written, never expanding wildcards in it.
extern "C" {
int _dowildcard = 0;
}

int main(int argc, char** argv) {
  driver::RunDealmint(argc, argv);
  runtime::ExitProcess(0);
}

#include "runtime/console.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime/io_error.h"
#include "runtime/stop_hook.h"
#include "runtime/write_all.h"

namespace runtime {

void ConsoleWrite(std::string_view s) {
  const int error = WriteAll(STDOUT_FILENO, s);
  if (error != 0) IoErrorStop(error);
}

void ConsoleWriteLine(std::string_view s) {
  std::string line(s);
  line += "\r\n";
  ConsoleWrite(line);
}

void ExitProcess(int code) {
  RunStopHook(code);
  _exit(code);
}

}  // namespace runtime

#include "util/run_abort.h"

#include "runtime/console.h"

namespace util {

void RunAbort(const runtime::Text& mess) {
  runtime::ConsoleWriteLine("Halted by URunAbor because:");
  runtime::ConsoleWriteLine(mess.view());
  runtime::ExitProcess(1);
}

void RunWarning(const runtime::Text& mess) {
  runtime::ConsoleWrite("WARNING: ");
  if (mess.length() > 70) runtime::ConsoleWriteLine();
  runtime::ConsoleWriteLine(mess.view());
}

}  // namespace util

#include "util/run_abort.h"

#include "runtime/console.h"

namespace util {

void StopWithLines(std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) runtime::ConsoleWriteLine(line);
  runtime::ExitProcess(1);
}

void RunAbort(const runtime::Text& mess) {
  StopWithLines({"Halted by URunAbor because:", mess.view()});
}

void RunWarning(const runtime::Text& mess) {
  runtime::ConsoleWrite("WARNING: ");
  if (mess.length() > 70) runtime::ConsoleWriteLine();
  runtime::ConsoleWriteLine(mess.view());
}

}  // namespace util

#pragma once

#include <string_view>

namespace runtime {

// Writes to standard output at once (the console is flushed at the end of every write).
// A failed write is an I/O error stop.
void ConsoleWrite(std::string_view s);

// Writes s and a CR LF line end.
void ConsoleWriteLine(std::string_view s = {});

// Ends the process with the exit code; the console holds nothing unwritten, and no
// destructor or other buffer runs (_exit).
[[noreturn]] void ExitProcess(int code);

}  // namespace runtime

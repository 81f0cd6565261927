#pragma once

#include <string>
#include <vector>

namespace runtime {

// What became of a program run; noted for the caller, which may ignore it.
struct ProgramOutcome {
  bool started = false;
  int exit_code = -1;  // when it ended normally
  int signal = 0;      // when a signal ended it
};

// Starts program (searched on PATH when it holds no slash) with the arguments and the
// environment given ("NAME=value" entries), in the current directory, and waits for it
// to end without a time limit.
ProgramOutcome RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment);

// The process's environment as "NAME=value" entries.
std::vector<std::string> CurrentEnvironment();

// The directory that holds the running program's file, without a trailing slash;
// empty when it cannot be found.
std::string ProgramDirectory();

}  // namespace runtime

#include "runtime/process.h"

#include <windows.h>

namespace runtime {
namespace {

// The command line: the program's path in double quotes (as it stands when it holds a
// double quote itself), two blanks, then the arguments joined by blanks.
std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line =
      program.find('"') == std::string::npos ? '"' + program + '"' : std::string(program);
  line += "  ";
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  return line;
}

// An environment block: the entries, each ended by a NUL, and one more NUL.
std::string EnvironmentBlock(const std::vector<std::string>& environment) {
  std::string block;
  for (const std::string& entry : environment) block.append(entry).push_back('\0');
  if (block.empty()) block.push_back('\0');
  block.push_back('\0');
  return block;
}

}  // namespace

// The program file is started as named: no search, and so never a program that
// happens to stand in the working directory. Handles marked inheritable (the standard
// ones) are passed on, so the child writes its errors where this process does.
ProgramOutcome RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment) {
  std::string command_line = CommandLine(program, arguments);
  std::string block = EnvironmentBlock(environment);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ProgramOutcome outcome;
  if (!::CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0,
                        block.data(), nullptr, &startup, &process)) {
    return outcome;
  }
  outcome.started = true;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (::GetExitCodeProcess(process.hProcess, &code)) outcome.exit_code = static_cast<int>(code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return outcome;
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> entries;
  char* const block = ::GetEnvironmentStringsA();
  if (block == nullptr) return entries;
  for (const char* entry = block; *entry != '\0'; entry += entries.back().size() + 1) {
    entries.emplace_back(entry);
  }
  ::FreeEnvironmentStringsA(block);
  return entries;
}

std::string ProgramDirectory() {
  std::string path(32768, '\0');
  const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (n == 0 || n >= path.size()) return std::string();
  path.resize(n);
  const size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return std::string();
  // "C:\" stays whole: "C:" alone would name the drive's current directory.
  if (separator == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, separator);
}

}  // namespace runtime

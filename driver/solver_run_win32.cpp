#include "driver/solver_run.h"

#include <string>
#include <vector>

#include "driver/job_files.h"
#include "runtime/environment.h"
#include "runtime/process.h"
#include "util/string_helpers.h"

// The solver command on Windows: the interpreter named by COMSPEC, with the command
// text the system has always passed it. cmd.exe finds "gib" by its own rules: the
// working directory first, then each Path directory in turn, trying each extension of
// PATHEXT (gib.com, gib.exe, gib.bat, gib.cmd, ...) in every one.
namespace driver {
namespace {

// A directory that cmd.exe reads as one absolute Path entry: a drive and a backslash,
// or a UNC path, and neither ";" (the separator) nor '"' inside it.
bool IsSafePathEntry(const std::string& dir) {
  if (dir.find_first_of(";\"") != std::string::npos) return false;
  const bool drive = dir.size() >= 3 && dir[1] == ':' && (dir[2] == '\\' || dir[2] == '/');
  return drive || dir.starts_with("\\\\");
}

// The solver's environment: ours, with the running program's directory at the end of
// Path (whatever case its name has) so that a gib.exe beside dealmint.exe is found after
// any the user put first.
std::vector<std::string> SolverEnvironment() {
  std::vector<std::string> environment = runtime::CurrentEnvironment();
  const std::string own_dir = runtime::ProgramDirectory();
  if (!IsSafePathEntry(own_dir)) return environment;
  for (std::string& entry : environment) {
    const size_t equals = entry.find('=');
    if (equals == 0 || equals == std::string::npos) continue;
    if (!util::CIEq(entry.substr(0, equals), "PATH")) continue;
    if (entry.size() > equals + 1 && !entry.ends_with(';')) entry += ';';
    entry += own_dir;
    return environment;
  }
  environment.push_back("Path=" + own_dir);
  return environment;
}

}  // namespace

void RunSolverCommand() {
  runtime::RunProgram(runtime::GetEnvironment("COMSPEC").str(),
                      {std::string(" /C ") + kSolverCommand}, SolverEnvironment());
}

}  // namespace driver

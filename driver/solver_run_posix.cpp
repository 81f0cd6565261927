#include "driver/solver_run.h"

#include <string>
#include <vector>

#include "driver/job_files.h"
#include "runtime/environment.h"
#include "runtime/process.h"

// The solver command on POSIX systems: the interpreter named by COMSPEC, or /bin/sh.
namespace driver {
namespace {

// The solver's environment: ours, with the running program's directory at the end of
// PATH so that a gib installed beside dealmint is found after any the user put first.
// A directory that is not absolute or holds a ':' would add another, relative entry (a
// gib in the working directory would run): such a one is not added.
std::vector<std::string> SolverEnvironment() {
  std::vector<std::string> environment = runtime::CurrentEnvironment();
  const std::string own_dir = runtime::ProgramDirectory();
  if (!own_dir.starts_with('/') || own_dir.find(':') != std::string::npos) return environment;
  for (std::string& entry : environment) {
    if (entry.starts_with("PATH=")) {
      if (entry.size() > 5) entry += ':';
      entry += own_dir;
      return environment;
    }
  }
  environment.push_back("PATH=/usr/local/bin:/usr/bin:/bin:" + own_dir);
  return environment;
}

}  // namespace

void RunSolverCommand() {
  const runtime::Text comspec = runtime::GetEnvironment("COMSPEC");
  const std::string interpreter = comspec.empty() ? "/bin/sh" : comspec.str();
  runtime::RunProgram(interpreter, {"-c", kSolverCommand}, SolverEnvironment());
}

}  // namespace driver

#include "driver/solver_run.h"

#include <string>
#include <vector>

#include "runtime/environment.h"
#include "runtime/io_error.h"
#include "runtime/process.h"
#include "runtime/text_file.h"

// The solver command on POSIX systems: the interpreter named by COMSPEC, or /bin/sh.
namespace driver {
namespace {

constexpr char kSolverOutput[] = "99Store.txt.out";

// The solver's environment: ours, with the running program's directory at the end of
// PATH so that a gib installed beside dealmint is found after any the user put first.
std::vector<std::string> SolverEnvironment() {
  std::vector<std::string> environment = runtime::CurrentEnvironment();
  const std::string own_dir = runtime::ProgramDirectory();
  if (own_dir.empty()) return environment;
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

void RunSolver() {
  const int deleted = runtime::DeleteFile(kSolverOutput);
  if (deleted != 0 && deleted != 2) runtime::IoErrorStop(deleted);
  const runtime::Text comspec = runtime::GetEnvironment("COMSPEC");
  const std::string interpreter = comspec.empty() ? "/bin/sh" : comspec.str();
  runtime::RunProgram(interpreter, {"-c", "gib < 99Store.txt > 99Store.txt.out"},
                      SolverEnvironment());
}

}  // namespace driver

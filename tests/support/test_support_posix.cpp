#include "tests/support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_support {
namespace {

// A /proc file, or nothing when the process has gone.
std::string ProcFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::vector<pid_t> WarmSolvers(const std::string& tag) {
  std::vector<pid_t> found;
  std::error_code error;
  // Processes come and go while the list is read: no step may throw.
  for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string arguments = ProcFile(entry->path() / "cmdline");
    const std::string variables = '\0' + ProcFile(entry->path() / "environ");
    if (arguments.starts_with(std::string("gib\0--serve\0", 12)) &&
        variables.find(std::string{'\0'} + "GIB_SERVER=" + tag + '\0') != std::string::npos) {
      found.push_back(std::stoi(name));
    }
  }
  return found;
}

ScopedTempDir::ScopedTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dealmint-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

RunResult RunIn(const std::filesystem::path& dir, const std::string& command) {
  std::fflush(nullptr);
  const std::string full = "cd " + ShellQuote(dir.string()) + " && " + command;
  FILE* pipe = popen(full.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("popen failed");
  RunResult result;
  char block[4096];
  size_t n = 0;
  while ((n = std::fread(block, 1, sizeof block, pipe)) > 0) result.output.append(block, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

void StdoutToStderr() {
  std::fflush(stdout);
  dup2(STDERR_FILENO, STDOUT_FILENO);
}

}  // namespace test_support

#include "tests/support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace test_support {

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

#include "tests/support/test_support.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <random>
#include <stdexcept>

namespace test_support {
namespace {

// GoogleTest reads captured output and a death test's messages through files that it
// opens without naming a mode: binary mode keeps their CR LF line ends as written.
const int binary_by_default = (_fmode = _O_BINARY);

}  // namespace

ScopedTempDir::ScopedTempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed() ^ ::GetCurrentProcessId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto name = "dealmint-test-" + std::to_string(random() % 1000000000);
    const std::filesystem::path candidate = std::filesystem::temp_directory_path() / name;
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary directory");
}

// Through cmd.exe; the command's exit code is the pipe's.
RunResult RunIn(const std::filesystem::path& dir, const std::string& command) {
  std::fflush(nullptr);
  const std::string full = "cd /d \"" + dir.string() + "\" && " + command;
  FILE* pipe = _popen(full.c_str(), "rb");
  if (pipe == nullptr) throw std::runtime_error("_popen failed");
  RunResult result;
  char block[4096];
  size_t n = 0;
  while ((n = std::fread(block, 1, sizeof block, pipe)) > 0) result.output.append(block, n);
  result.exit_code = _pclose(pipe);
  return result;
}

void StdoutToStderr() {
  std::fflush(stdout);
  _dup2(_fileno(stderr), _fileno(stdout));
}

}  // namespace test_support

#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the unit and end-to-end tests.
namespace test_support {

// A fresh directory under the system's temporary directory, removed with its contents
// when the object goes, even when the test fails.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct RunResult {
  int exit_code = -1;  // -1 when a signal ended the command
  std::string output;  // everything written to standard output
};

// Runs a shell command in dir and collects its standard output.
RunResult RunIn(const std::filesystem::path& dir, const std::string& command);

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

// A file under tests/data.
std::filesystem::path TestData(const std::string& name);
// The shared corpus of real PBN files; may not exist.
std::filesystem::path CorpusDir();

// In a death test's child: standard output goes where the death test looks (stderr).
void StdoutToStderr();

// The warm solver processes ("gib --serve ...") started with GIB_SERVER=tag. POSIX only:
// there is no warm solver on Windows.
std::vector<pid_t> WarmSolvers(const std::string& tag);

// The two lines util::RunAbort writes for message, byte for byte.
std::string AbortLines(std::string_view message);

// A death-test pattern that matches AbortLines(message) and nothing else. Messages such
// as hands carry dots and brackets, so every character with a meaning in a regular
// expression is escaped, "]" too: GoogleTest's own expressions on Windows take no bare
// bracket.
std::string AbortOutput(std::string_view message);

// Quotes a path for the shell.
std::string ShellQuote(const std::string& s);

}  // namespace test_support

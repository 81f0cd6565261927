#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <array>
#include <filesystem>
#include <string>

#include "tests/support/test_support.h"

// Runs the built dealmint in a fresh directory, with a directory of fake programs first on
// PATH, and reads back what it left there.
class DealmintRun : public testing::Test {
 protected:
  DealmintRun();

  const std::filesystem::path& work() const { return work_; }
  const std::filesystem::path& fake_bin() const { return fake_bin_; }

  // Writes name.pbn into the work directory.
  void WritePbn(const std::string& name, const std::string& bytes) const;
  // Puts an executable shell script called name into the fake program directory.
  void FakeProgram(const std::string& name, const std::string& body) const;
  // A fake gib that ignores its input and prints output verbatim.
  void CannedGib(const std::string& output) const;
  // Runs "dealmint arguments" in the work directory; env_prefix goes before it.
  test_support::RunResult Run(const std::string& arguments,
                              const std::string& env_prefix = "") const;

  // Starts "dealmint arguments" in the work directory without waiting for it; its standard
  // output goes to stdout_fd, or to /dev/null when that is -1.
  pid_t Start(const std::string& arguments, int stdout_fd = -1) const;
  // Waits for a started run; its exit code, or -1 when a signal ended it.
  static int Wait(pid_t pid);
  // Waits up to ten seconds for a file to appear (or, with present false, to go).
  bool AwaitFile(const std::filesystem::path& path, bool present = true) const;

  std::string ReadWork(const std::string& name) const;
  bool WorkHas(const std::string& name) const;
  // The 22 temporary files that exist in the work directory.
  int TempFilesLeft() const;

 private:
  test_support::ScopedTempDir dir_;
  std::filesystem::path work_;
  std::filesystem::path fake_bin_;
};

// Solver output for a whole board: twenty prompts, each followed by a result line that
// gives North-South's tricks for that job.
std::string SolverOutput(const std::array<int, 20>& north_south_tricks);
// The same output with every job's count equal.
std::string SolverOutput(int north_south_tricks);

// The par line of a board whose solver said 6 for every job: North-South take 6 tricks and
// East-West 7 in every strain, so 1NT by the first East-West player from the dealer is par.
std::string AllSixLine(int number, int east_west_declarer);

// The progress line of a board.
std::string Progress(int number);

// The reader's stop when the solver's output holds fewer than twenty results.
inline constexpr char kCannotFind[] =
    "Cannot find 20 \"Enter argument line: \" lines in 99Store.txt.Out.";

// The usual one-board PBN text.
std::string OneBoard(int number, const std::string& extra_tags = "");

inline constexpr char kDealmint[] = BIN_DIR "/dealmint";
inline constexpr char kGib[] = BIN_DIR "/gib";

// dealmint under faults: a full device, a vanishing input, broken and hanging solvers,
// huge lines and NUL bytes, large files, and a second run in the same directory.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/e2e/dealmint_fixture.h"

namespace {

namespace fs = std::filesystem;
using test_support::AbortLines;
using test_support::ReadBytes;
using test_support::RunResult;
using test_support::ShellQuote;

constexpr char kLocked[] = "Another run of Dealmint is using this directory.";

class DealmintFaults : public DealmintRun {
 protected:
  // A gib that runs script first, then prints the all-six answers.
  void ScriptedGib(const std::string& script) const {
    test_support::WriteBytes(fake_bin() / "canned.out", SolverOutput(6));
    FakeProgram("gib", script + "\ncat " + ShellQuote((fake_bin() / "canned.out").string()));
  }
  fs::path Outside(const std::string& name) const { return work().parent_path() / name; }
};

TEST_F(DealmintFaults, AParFileOnAFullDeviceStopsWith101) {
  CannedGib(SolverOutput(6));
  WritePbn("deals", OneBoard(1));
  fs::create_symlink("/dev/full", work() / "deals.par");
  const RunResult run = Run("deals");
  EXPECT_EQ(101, run.exit_code);
  EXPECT_THAT(run.output, testing::MatchesRegex(
                              "Processing board 1\r\nRuntime error 101 at \\$[0-9A-F]{8}\r\n"));
}

TEST_F(DealmintFaults, AnInputDeletedMidRunIsReadToItsEnd) {
  ScriptedGib("rm -f deals.pbn");
  WritePbn("deals", OneBoard(1) + OneBoard(2) + OneBoard(3));
  const RunResult run = Run("deals");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(Progress(1) + Progress(2) + Progress(3), run.output);
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(2, 3) + AllSixLine(3, 4), ReadWork("deals.par"));
}

TEST_F(DealmintFaults, AGibKilledBySignalLeavesNoParLine) {
  std::string half;
  for (int i = 0; i < 10; ++i) half += "Enter argument line: \r\nTricks for NS: 6\r\n";
  test_support::WriteBytes(fake_bin() / "half.out", half);
  FakeProgram("gib", "cat " + ShellQuote((fake_bin() / "half.out").string()) + "\nkill -9 $$");
  WritePbn("deals", OneBoard(1));
  const RunResult run = Run("deals 2>/dev/null");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + AbortLines(kCannotFind), run.output);
  EXPECT_EQ("", ReadWork("deals.par"));
}

TEST_F(DealmintFaults, BinaryGarbageWithNulBytesIsNoSolverOutput) {
  CannedGib(std::string("\0\0\x1b[2J\xff\xfe\0Enter argument line: \0\r\n", 32) + "\x1a" +
            SolverOutput(6));  // a Ctrl-Z ends what is read
  WritePbn("deals", OneBoard(1));
  const RunResult run = Run("deals");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + AbortLines(kCannotFind), run.output);
}

TEST_F(DealmintFaults, AGibThatNeverEndsIsWaitedForWithoutAParLine) {
  // Board 2's solver hangs and says where it is.
  ScriptedGib(
      "if [ -e ../first-done ]; then echo $$ > ../gib.pid; exec sleep 60; fi\n"
      "touch ../first-done");
  WritePbn("deals", OneBoard(1) + OneBoard(2));
  const pid_t run = Start("deals");
  ASSERT_GT(run, 0);
  ASSERT_TRUE(AwaitFile(Outside("gib.pid")));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  int status = 0;
  EXPECT_EQ(0, waitpid(run, &status, WNOHANG));  // still waiting
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
  const pid_t gib = std::stoi(ReadBytes(Outside("gib.pid")));
  kill(gib, SIGKILL);
  EXPECT_EQ(1, Wait(run));  // the killed solver answered nothing
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
}

TEST_F(DealmintFaults, MegabyteLinesAndNulBytesAreReadAsText) {
  CannedGib(SolverOutput(6));
  const std::string megabyte(1 << 20, 'x');
  WritePbn("deals", "% " + megabyte + "\n\n" + OneBoard(1) + "[Event \"" + megabyte + "\"]\n" +
                        std::string("{comment \0 with NUL}\n", 21) + OneBoard(2));
  const RunResult run = Run("deals");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(Progress(1) + Progress(2), run.output);
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(2, 3), ReadWork("deals.par"));

  WritePbn("nul", std::string("[Board \"3\0\"]\n", 14));
  const RunResult stop = Run("nul");
  EXPECT_EQ(1, stop.exit_code);
  EXPECT_EQ(AbortLines(std::string("Error decoding board number: 3\0", 31)), stop.output);
}

TEST_F(DealmintFaults, AFileOf20000RecordsIsReadWithBoardNumbersPast999) {
  CannedGib(SolverOutput(6));
  std::string pbn;
  for (int table = 0; table < 20; ++table) {
    for (int board = 1; board <= 1000; ++board) pbn += OneBoard(board);
  }
  WritePbn("big", pbn);
  const RunResult run = Run("big");
  EXPECT_EQ(0, run.exit_code);
  std::string progress, lines;
  for (int board = 1; board <= 1000; ++board) {
    progress += Progress(board);
    lines += AllSixLine(board, board % 4 == 1 || board % 4 == 2 ? 3 : 4);
  }
  EXPECT_EQ(progress, run.output);
  EXPECT_EQ(lines, ReadWork("big.par"));
}

TEST_F(DealmintFaults, ASecondRunMidBoardStopsAndTouchesNothing) {
  ScriptedGib(
      "if [ -e ../first-done ]; then touch ../second-board; sleep 3; fi\n"
      "touch ../first-done");
  WritePbn("deals", OneBoard(1) + OneBoard(2));
  const pid_t first = Start("deals");
  ASSERT_TRUE(AwaitFile(Outside("second-board")));
  const std::string job = ReadWork("99Store.txt.001");
  const RunResult second = Run("deals");
  EXPECT_EQ(1, second.exit_code);
  EXPECT_EQ(AbortLines(kLocked), second.output);
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));  // not replaced by the second run
  EXPECT_EQ(job, ReadWork("99Store.txt.001"));
  EXPECT_EQ(0, Wait(first));
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(2, 3), ReadWork("deals.par"));
  EXPECT_EQ(0, TempFilesLeft());
}

TEST_F(DealmintFaults, ASecondRunWhileTheFirstDeletesItsFilesStopsAndTouchesNothing) {
  // The first run's solver makes job file 001 undeletable, so the clean-up warns about it;
  // its standard output is a pipe this test fills, so that warning holds it mid-deletion.
  ScriptedGib(
      "rm 99Store.txt.001 && mkdir 99Store.txt.001 && touch 99Store.txt.001/keep\n"
      "touch ../solving; sleep 3");
  WritePbn("deals", OneBoard(1));
  int pipe_fds[2];
  ASSERT_EQ(0, pipe(pipe_fds));
  ASSERT_EQ(4096, fcntl(pipe_fds[1], F_SETPIPE_SZ, 4096));
  const pid_t first = Start("deals", pipe_fds[1]);
  char progress[32] = {};
  ASSERT_EQ(20, read(pipe_fds[0], progress, 20));
  EXPECT_EQ(Progress(1), progress);
  ASSERT_TRUE(AwaitFile(Outside("solving")));
  const std::string filler(4096, 'f');
  ASSERT_EQ(4096, write(pipe_fds[1], filler.data(), filler.size()));  // the pipe is full
  close(pipe_fds[1]);
  ASSERT_TRUE(AwaitFile(work() / "99Store.txt.out", false));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(WorkHas("99Store.txt"));
  EXPECT_TRUE(WorkHas("99Store.txt.002"));  // blocked between its deletions

  const RunResult second = Run("deals");
  EXPECT_EQ(1, second.exit_code);
  EXPECT_EQ(AbortLines(kLocked), second.output);
  EXPECT_FALSE(WorkHas("99Store.txt"));
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));

  std::string rest;
  char block[4096];
  for (ssize_t n; (n = read(pipe_fds[0], block, sizeof block)) > 0;) rest.append(block, n);
  close(pipe_fds[0]);
  EXPECT_EQ(0, Wait(first));
  EXPECT_EQ(filler + "Warning: Unable to delete temporary file 99Store.txt.001\r\n", rest);
  EXPECT_EQ(1, TempFilesLeft());
}

TEST_F(DealmintFaults, AFileSizeLimitIsTheIoErrorStopNotASilentDeath) {
  // The solver lifts the soft limit for itself; the par file meets it (512 bytes) on
  // its tenth line.
  test_support::WriteBytes(fake_bin() / "canned.out", SolverOutput(6));
  FakeProgram("gib",
              "ulimit -S -f unlimited\ncat " + ShellQuote((fake_bin() / "canned.out").string()));
  std::string boards;
  for (int number = 1; number <= 10; ++number) boards += OneBoard(number);
  WritePbn("deals", boards);
  const RunResult run =
      test_support::RunIn(work(), "ulimit -S -f 1 && PATH=" + ShellQuote(fake_bin().string()) +
                                      ":\"$PATH\" " + kDealmint + " deals");
  EXPECT_EQ(101, run.exit_code);
  EXPECT_THAT(run.output, testing::MatchesRegex("(Processing board [0-9]+\r\n)+"
                                                "Runtime error 101 at \\$[0-9A-F]{8}\r\n"));
  EXPECT_EQ(512u, fs::file_size(work() / "deals.par"));
}

TEST_F(DealmintFaults, AByteOrderMarkIsPassedOverOrNamed) {
  CannedGib(SolverOutput(6));
  WritePbn("deals", "\xEF\xBB\xBF" + OneBoard(1) + OneBoard(2));
  const RunResult utf8 = Run("deals");
  EXPECT_EQ(0, utf8.exit_code);
  EXPECT_EQ(Progress(1) + Progress(2), utf8.output);
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(2, 3), ReadWork("deals.par"));

  WritePbn("wide", std::string("\xFF\xFE[\0B\0", 6));
  const RunResult utf16 = Run("wide");
  EXPECT_EQ(1, utf16.exit_code);
  EXPECT_EQ(AbortLines("Input file wide.pbn is in UTF-16LE: save it as ASCII or UTF-8."),
            utf16.output);
  EXPECT_FALSE(WorkHas("wide.par"));
}

}  // namespace

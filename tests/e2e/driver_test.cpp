#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/dealmint_fixture.h"

namespace {

namespace fs = std::filesystem;
using test_support::AbortLines;
using test_support::ReadBytes;
using test_support::RunResult;
using test_support::ShellQuote;

using DealmintCommandLine = DealmintRun;

TEST_F(DealmintCommandLine, OtherThanOneArgumentPrintsUsageAndCreatesNothing) {
  for (const char* arguments : {"", "one two"}) {
    const RunResult run = Run(arguments);
    EXPECT_EQ(1, run.exit_code);
    EXPECT_EQ(
        "Incorrect number of parameters for Dealmint.  Invoke with:\r\n"
        "  o  Name of PBN file (no .PBN)\r\n",
        run.output);
    EXPECT_TRUE(fs::is_empty(work()));
  }
}

TEST_F(DealmintCommandLine, AMissingInputStopsBeforeAnyFileIsCreated) {
  const RunResult run = Run("deals");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(AbortLines("Input file deals.pbn not found."), run.output);
  EXPECT_TRUE(fs::is_empty(work()));
}

TEST_F(DealmintCommandLine, ANameTooLongForItsExtensionsStopsBeforeAnyFileIsCreated) {
  const std::string name(252, 'd');
  WritePbn(std::string(251, 'd'), OneBoard(1));  // 251 + ".pbn" fits exactly
  const RunResult run = Run(name);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(AbortLines(("File name too long (over 255 characters): " + name).substr(0, 255)),
            run.output);
  EXPECT_FALSE(WorkHas("99Store.txt"));
}

TEST_F(DealmintRun, AnEmptyInputGivesAnEmptyParFileAnd21Warnings) {
  WritePbn("empty", "");
  const RunResult run = Run("empty");
  EXPECT_EQ(0, run.exit_code);
  std::string want = "Warning: Unable to delete temporary file 99Store.txt.out\r\n";
  for (const char* n : {"001", "006", "011", "016", "002", "007", "012", "017", "003", "008",
                        "013", "018", "004", "009", "014", "019", "005", "010", "015", "020"}) {
    want += std::string("Warning: Unable to delete temporary file 99Store.txt.") + n + "\r\n";
  }
  EXPECT_EQ(want, run.output);
  EXPECT_EQ("", ReadWork("empty.par"));
  EXPECT_EQ(0, TempFilesLeft());
}

TEST_F(DealmintRun, EachBoardNumberIsSolvedOnceAndBlocksWithoutABoardTagAreSkipped) {
  CannedGib(SolverOutput(6));
  WritePbn("deals",
           "% header\n[Event \"Club\"]\n\n\n" + OneBoard(1) + OneBoard(999) + OneBoard(1) +
               "[Event \"no board\"]\n[Dealer \"N\"]\n\n" + OneBoard(1000) + OneBoard(999) +
               "[Board \"5000\"]\n[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 "
               "6543.876.876.876 2.5432.5432.5432\"]");  // last board, no line end
  const RunResult run = Run("deals");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(Progress(1) + Progress(999) + Progress(1000) + Progress(5000), run.output);
  // Dealers from the numbers: 1 North, 999 South, 1000 and 5000 West.
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(999, 4) + AllSixLine(1000, 4) + AllSixLine(5000, 4),
            ReadWork("deals.par"));
  EXPECT_EQ(0, TempFilesLeft());
}

TEST_F(DealmintRun, AnExistingParFileIsReplacedFromTheStart) {
  CannedGib(SolverOutput(6));
  WritePbn("deals", OneBoard(7));
  test_support::WriteBytes(work() / "deals.par", std::string(5000, 'o'));
  EXPECT_EQ(0, Run("deals").exit_code);
  EXPECT_EQ(AllSixLine(7, 4), ReadWork("deals.par"));  // dealer of 7 is South: West first
}

TEST_F(DealmintRun, JobFilesAndTheArgumentFileCarryTheDealAsWritten) {
  // A copying gib keeps what it was given before answering.
  WritePbn("voids",
           "[Board \"3\"]\n[Deal \"N:.AKQJT9876.AK.AK AKQJT9876..QJ.QJ 5432.5432.T9876. "
           "..5432.T98765432\"]\n");
  test_support::WriteBytes(fake_bin() / "canned.out", SolverOutput(6));
  FakeProgram("gib", "mkdir -p ../seen && cp 99Store.txt 99Store.txt.0* ../seen/ && cat " +
                         ShellQuote((fake_bin() / "canned.out").string()));
  ASSERT_EQ(0, Run("voids").exit_code);
  const fs::path seen = work().parent_path() / "seen";
  std::string arguments;
  for (int i = 1; i <= 20; ++i) {
    arguments +=
        "-d -v 99Store.txt.0" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(arguments, ReadBytes(seen / "99Store.txt"));
  const std::string deal =
      "w ..5432.T98765432\r\nn .AKQJT9876.AK.AK\r\ne AKQJT9876..QJ.QJ\r\ns 5432.5432.T9876.\r\n";
  const struct {
    const char* name;
    const char* lead;
  } jobs[] = {{"001", "e c"}, {"005", "e n"}, {"006", "w c"}, {"009", "w s"},
              {"013", "s h"}, {"016", "n c"}, {"020", "n n"}};
  for (const auto& job : jobs) {
    EXPECT_EQ(deal + job.lead + "\r\n", ReadBytes(seen / (std::string("99Store.txt.") + job.name)))
        << job.name;
  }
}

TEST_F(DealmintRun, TheResultOfEachJobIsTheNumberAfterTheFifteenCharacterLabel) {
  // Jobs 1-5 North, 6-10 South, 11-15 East, 16-20 West; East and West get 13 - count.
  std::array<int, 20> counts{};
  for (int k = 0; k < 20; ++k) counts[k] = k % 14;
  CannedGib(SolverOutput(counts));
  WritePbn("deals", OneBoard(2, "[Dealer \"N\"]\n[Vulnerable \"None\"]\n"));
  ASSERT_EQ(0, Run("deals").exit_code);
  const std::string line = ReadWork("deals.par");
  EXPECT_TRUE(
      line.ends_with("\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t3\t2\t1\t0\t13\t12\t11\t10\t9\t8\r\n"))
      << line;
}

// Output variations the reader accepts: each gives the same par line as plain output.
TEST_F(DealmintRun, OddlyFormattedButCompleteOutputIsReadTheSame) {
  const std::string prompt = "Enter argument line: \r\n";
  const std::string nineteen = [&] {
    std::string s;
    for (int i = 0; i < 19; ++i) s += prompt + "Tricks for NS: 6\r\n";
    return s;
  }();
  const struct {
    const char* what;
    std::string output;
  } cases[] = {
      {"a sign", nineteen + prompt + "Tricks for NS: +6\r\n"},
      {"text after the number", nineteen + prompt + "Tricks for NS: 6 tricks, well done\r\n"},
      {"a short line", nineteen + prompt + "Tricks:\r\n\r\n      6\r\n"},
      {"blanks and line ends before it", nineteen + prompt + "Tricks for NS: \t\r\n  6"},
      {"noise and a 21st prompt", "noise\r\n" + nineteen + "Enter argument line:\r\n" + prompt +
                                      "123456789012345 6\r\n" + prompt + "junk 99\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CannedGib(c.output);
    WritePbn("deals", OneBoard(1));
    const RunResult run = Run("deals");
    EXPECT_EQ(0, run.exit_code);
    EXPECT_EQ(Progress(1), run.output);
    EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
  }
}

// Output the reader refuses: the run stops after the progress line, writes no par line
// for the board and leaves the temporary files.
TEST_F(DealmintRun, BrokenSolverOutputStopsWithoutAParLine) {
  const std::string prompt = "Enter argument line: \r\n";
  std::string nineteen;
  for (int i = 0; i < 19; ++i) nineteen += prompt + "Tricks for NS: 6\r\n";
  const struct {
    const char* what;
    std::string output;
    int exit_code;
    std::string message;  // after the progress line; empty for the I/O error stop
  } cases[] = {
      {"nineteen prompts", nineteen, 1, AbortLines(kCannotFind)},
      {"a prompt as the last line", nineteen + prompt, 1, AbortLines(kCannotFind)},
      {"a truncated last result", nineteen + prompt + "Tricks for NS: ", 1,
       AbortLines(kCannotFind)},
      {"a count of 14", nineteen + prompt + "Tricks for NS: 14\r\n", 1,
       AbortLines("Trick count out of range in 99Store.txt.Out: 14")},
      {"a count of 65545", prompt + "Tricks for NS: 65545\r\n" + nineteen, 1,
       AbortLines("Trick count out of range in 99Store.txt.Out: 65545")},
      {"a negative count", prompt + "Tricks for NS: -1\r\n" + nineteen, 1,
       AbortLines("Trick count out of range in 99Store.txt.Out: -1")},
      {"a comma after the count", nineteen + prompt + "Tricks for NS: 9,\r\n", 106, ""},
      {"garbage", "segmentation fault\r\n\x01\x02\xff", 1, AbortLines(kCannotFind)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CannedGib(c.output);
    WritePbn("deals", OneBoard(1));
    const RunResult run = Run("deals");
    EXPECT_EQ(c.exit_code, run.exit_code);
    if (c.message.empty()) {
      EXPECT_THAT(run.output, testing::MatchesRegex("Processing board 1\r\nRuntime error 106 at "
                                                    "\\$[0-9A-F]{8}\r\n"));
    } else {
      EXPECT_EQ(Progress(1) + c.message, run.output);
    }
    EXPECT_EQ("", ReadWork("deals.par"));
    EXPECT_EQ(22, TempFilesLeft());
  }
}

TEST_F(DealmintRun, AnInterpreterThatCannotStartForTheSecondBoardNeverReusesTheFirstsOutput) {
  CannedGib(SolverOutput(6));
  // The interpreter removes itself after its first run, so the second board cannot start it.
  FakeProgram("once-sh", "mv \"$0\" \"$0.gone\"\nexec /bin/sh \"$@\"");
  WritePbn("deals", OneBoard(1) + OneBoard(2));
  const RunResult run = Run("deals", "COMSPEC=" + ShellQuote((fake_bin() / "once-sh").string()));
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + Progress(2) + AbortLines("Input file 99Store.txt.Out not found."),
            run.output);
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
}

TEST_F(DealmintRun, WithoutAnyGibTheRunStopsWithTheCannotFindMessage) {
  const fs::path lonely = work().parent_path() / "lonely";
  fs::create_directory(lonely);
  fs::copy_file(kDealmint, lonely / "dealmint");
  WritePbn("deals", OneBoard(1));
  const RunResult run = test_support::RunIn(
      work(),
      "PATH=/usr/bin:/bin " + ShellQuote((lonely / "dealmint").string()) + " deals 2>/dev/null");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + AbortLines(kCannotFind), run.output);
}

TEST_F(DealmintRun, AFatalStopOnALaterBoardKeepsTheEarlierParLines) {
  CannedGib(SolverOutput(6));
  WritePbn("deals", OneBoard(1) + OneBoard(2) + OneBoard(3, "[Dealer \"X\"]\n"));
  const RunResult run = Run("deals");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + Progress(2) + AbortLines("Unrecognized dealer: \"X\"]"), run.output);
  EXPECT_EQ(AllSixLine(1, 3) + AllSixLine(2, 3), ReadWork("deals.par"));
}

}  // namespace

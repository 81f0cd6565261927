// dealmint in a directory that others can write to: links, FIFOs and stray files at the
// fixed names, a par file that is a link or a FIFO, and the solver's PATH.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/e2e/dealmint_fixture.h"

namespace {

namespace fs = std::filesystem;
using test_support::AbortLines;
using test_support::ReadBytes;
using test_support::RunResult;
using test_support::ShellQuote;

// A hang is a failure, not a stuck suite: timeout ends the run with 124.
constexpr char kBounded[] = "timeout 20";
// A user id that no test process has.
constexpr uid_t kOtherUser = 64013;
constexpr char kVictimText[] = "precious\n";

class SharedDirectory : public DealmintRun {
 protected:
  SharedDirectory() {
    CannedGib(SolverOutput(6));
    WritePbn("deals", OneBoard(1));
    test_support::WriteBytes(victim(), kVictimText);
  }
  fs::path victim() const { return work().parent_path() / "victim.txt"; }
  // An interpreter that runs `plant` in the working directory and then the command.
  std::string PlantingInterpreter(const std::string& plant) const {
    FakeProgram("planting-sh", plant + " 2>/dev/null\nexec /bin/sh \"$@\"");
    return "COMSPEC=" + ShellQuote((fake_bin() / "planting-sh").string()) + " " + kBounded;
  }
  void ExpectSoundRun(const RunResult& run) const {
    EXPECT_EQ(0, run.exit_code);
    EXPECT_EQ(Progress(1), run.output);
    EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
    EXPECT_EQ(kVictimText, ReadBytes(victim()));
    EXPECT_EQ(0, TempFilesLeft());
  }
};

TEST_F(SharedDirectory, LinksAndFifosAtTheTemporaryNamesAreReplacedNotFollowed) {
  for (const char* name : {"99Store.txt", "99Store.txt.001", "99Store.txt.020"}) {
    for (const bool fifo : {false, true}) {
      SCOPED_TRACE(std::string(name) + (fifo ? " FIFO" : " link"));
      fs::remove(work() / name);
      test_support::WriteBytes(victim(), kVictimText);
      if (fifo) {
        ASSERT_EQ(0, mkfifo((work() / name).c_str(), 0666));
      } else {
        fs::create_symlink(victim(), work() / name);
      }
      ExpectSoundRun(Run("deals", kBounded));
    }
  }
}

TEST_F(SharedDirectory, ALinkOrFifoPlantedAtTheOutputAfterItsRemovalIsNeverOpened) {
  // Planted between dealmint's clean-up and the command's "> 99Store.txt.out", by someone
  // who cannot remove what already stands there (a sticky directory).
  const std::string link = "ln -s " + ShellQuote(victim().string()) + " 99Store.txt.out";
  for (const std::string& plant : {link, std::string("mkfifo 99Store.txt.out")}) {
    SCOPED_TRACE(plant);
    ExpectSoundRun(Run("deals", PlantingInterpreter(plant)));
  }
}

TEST_F(SharedDirectory, AStrayCapitalisedOutputIsNeverReadForTheSolversAnswer) {
  test_support::WriteBytes(work() / "99Store.txt.Out", SolverOutput(9));
  ExpectSoundRun(Run("deals", kBounded));
  EXPECT_EQ(SolverOutput(9), ReadWork("99Store.txt.Out"));
}

TEST_F(SharedDirectory, AFifoParFileStopsWith5BeforeAnyBoard) {
  ASSERT_EQ(0, mkfifo((work() / "deals.par").c_str(), 0666));
  const RunResult run = Run("deals", kBounded);
  EXPECT_EQ(5, run.exit_code);
  EXPECT_THAT(run.output, testing::MatchesRegex("Runtime error 5 at \\$[0-9A-F]{8}\r\n"));
}

TEST_F(SharedDirectory, AParFileLinkIsFollowedOnlyWhereNoOtherUserCouldHavePlantedIt) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  const struct {
    bool others_write;  // the directory is world-writable with the sticky bit
    bool own_link;      // the running user owns the link
    bool followed;
  } cases[] = {{true, false, false}, {true, true, true}, {false, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.others_write ? "shared" : "private") + " directory, " +
                 (c.own_link ? "own" : "another user's") + " link");
    fs::remove(work() / "deals.par");
    test_support::WriteBytes(victim(), kVictimText);
    fs::permissions(work(), c.others_write ? fs::perms::all | fs::perms::sticky_bit
                                           : fs::perms::owner_all | fs::perms::group_read |
                                                 fs::perms::group_exec | fs::perms::others_read |
                                                 fs::perms::others_exec);
    fs::create_symlink(victim(), work() / "deals.par");
    if (!c.own_link) {
      ASSERT_EQ(0, lchown((work() / "deals.par").c_str(), kOtherUser, kOtherUser));
    }
    const RunResult run = Run("deals", kBounded);
    if (c.followed) {
      EXPECT_EQ(0, run.exit_code);
      EXPECT_EQ(AllSixLine(1, 3), ReadBytes(victim()));
    } else {
      EXPECT_EQ(5, run.exit_code);
      EXPECT_THAT(run.output, testing::MatchesRegex("Runtime error 5 at \\$[0-9A-F]{8}\r\n"));
      EXPECT_EQ(kVictimText, ReadBytes(victim()));
    }
  }
}

TEST_F(SharedDirectory, AProgramDirectoryWithAColonAddsNoRelativeEntryToPath) {
  // Appended as it stands, ".../odd:" would end PATH with an empty entry: the working
  // directory, where someone left a gib.
  const fs::path odd = work().parent_path() / "odd:";
  fs::create_directory(odd);
  fs::copy_file(kDealmint, odd / "dealmint");
  test_support::WriteBytes(work() / "gib", "#!/bin/sh\ntouch planted-ran\ncat " +
                                               ShellQuote((fake_bin() / "canned.out").string()) +
                                               "\n");
  fs::permissions(work() / "gib", fs::perms::owner_all);
  const RunResult run =
      test_support::RunIn(work(), "PATH=/usr/bin:/bin " + ShellQuote((odd / "dealmint").string()) +
                                      " deals 2>/dev/null");
  EXPECT_FALSE(WorkHas("planted-ran"));
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(Progress(1) + AbortLines(kCannotFind), run.output);
}

TEST_F(SharedDirectory, TwoRunsInADirectoryTheyCannotReadStillExcludeEachOther) {
  if (geteuid() != 0) GTEST_SKIP() << "running as a user without root's access needs root";
  // The user may write and search the directory, not read it (mode 0300).
  test_support::WriteBytes(fake_bin() / "canned.out", SolverOutput(6));
  FakeProgram("gib",
              "touch solving\nsleep 2\ncat " + ShellQuote((fake_bin() / "canned.out").string()));
  const auto everyone = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec;
  for (const fs::path& path : {work().parent_path(), fake_bin(), fake_bin() / "gib",
                               fake_bin() / "canned.out", work() / "deals.pbn"}) {
    fs::permissions(path, everyone);
  }
  ASSERT_EQ(0, chown(work().c_str(), kOtherUser, kOtherUser));
  fs::permissions(work(), fs::perms::owner_write | fs::perms::owner_exec);
  const std::string as_user = "setpriv --reuid=" + std::to_string(kOtherUser) +
                              " --regid=" + std::to_string(kOtherUser) + " --clear-groups ";
  const std::string dealmint = std::string(kDealmint) + " deals";
  const RunResult both =
      test_support::RunIn(work(), std::string(kBounded) + " " + as_user + "sh -c " +
                                      ShellQuote("export PATH=" + ShellQuote(fake_bin().string()) +
                                                 ":$PATH\n" + dealmint +
                                                 " > first.out & \n"
                                                 "while [ ! -e solving ]; do sleep 0.05; done\n" +
                                                 dealmint +
                                                 " > second.out; echo $? > second.rc\n"
                                                 "wait $!; echo $? > first.rc"));
  EXPECT_EQ(0, both.exit_code);
  EXPECT_EQ("1\n", ReadWork("second.rc"));
  EXPECT_EQ(AbortLines("Another run of Dealmint is using this directory."), ReadWork("second.out"));
  EXPECT_EQ("0\n", ReadWork("first.rc"));
  EXPECT_EQ(Progress(1), ReadWork("first.out"));
  EXPECT_EQ(AllSixLine(1, 3), ReadWork("deals.par"));
  EXPECT_EQ(0, TempFilesLeft());
}

}  // namespace

// The built gib program, run as the driver runs it: argument lines on standard input, job
// files in the current directory.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "solver/dd_solve.h"
#include "solver/job_file.h"
#include "solver/warm_wire.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using test_support::RunResult;

constexpr char kPrompt[] = "Enter argument line: ";

// Hands by seat letter n, e, s, w in PBN holding form.
using Hands = std::map<char, std::string>;

// Results by leader and strain letter: North-South's tricks.
using Table = std::map<char, std::map<char, int>>;

class Gib : public testing::Test {
 protected:
  // Writes a job file for the deal with that leader and strain.
  void Job(const std::string& name, const Hands& hands, char leader, char strain) const {
    std::string text;
    for (const char seat : {'w', 'n', 'e', 's'}) {
      text += std::string{seat, ' '} + hands.at(seat) + "\r\n";
    }
    test_support::WriteBytes(dir_.path() / name, text + leader + ' ' + strain + "\r\n");
  }
  // Runs gib on the argument lines; errors go to the file "err".
  RunResult Run(const std::string& arguments) const {
    test_support::WriteBytes(dir_.path() / "args", arguments);
    return test_support::RunIn(
        dir_.path(), environment_ + test_support::ShellQuote(BIN_DIR "/gib") + " < args 2> err");
  }
  std::string Errors() const { return test_support::ReadBytes(dir_.path() / "err"); }

  // North-South's tricks of each job, read as the driver reads them: the line right
  // after each prompt line, past its 15 characters of label.
  static std::vector<int> Results(const std::string& output) {
    std::vector<int> results;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
      if (line != std::string(kPrompt) + "\r") continue;
      if (!std::getline(in, line)) break;
      EXPECT_EQ("Tricks for NS: ", line.substr(0, 15));
      results.push_back(std::stoi(line.substr(15)));
    }
    return results;
  }

  // Every leader and strain of the deal in one run.
  Table Solve(const Hands& hands) const {
    std::string arguments;
    const std::string leaders = "nesw", strains = "cdhsn";
    for (const char leader : leaders) {
      for (const char strain : strains) {
        const std::string name = std::string("job.") + leader + strain;
        Job(name, hands, leader, strain);
        arguments += "-d " + name + "\r\n";
      }
    }
    const RunResult run = Run(arguments);
    EXPECT_EQ(0, run.exit_code) << Errors();
    const std::vector<int> results = Results(run.output);
    EXPECT_EQ(20u, results.size());
    Table table;
    for (size_t i = 0; i < results.size() && i < 20; ++i) {
      table[leaders[i / 5]][strains[i % 5]] = results[i];
    }
    return table;
  }

  test_support::ScopedTempDir dir_;
  std::string environment_;  // variables set for gib, as "NAME=value " words
};

const Hands kOneSuitEach = {{'n', "AKQJT98765432..."},
                            {'e', ".AKQJT98765432.."},
                            {'s', "..AKQJT98765432."},
                            {'w', "...AKQJT98765432"}};
const Hands kTopCardsNorthSouth = {{'n', "AKQJ.AKQ.AKQ.AKQ"},
                                   {'s', "T987.JT9.JT9.JT9"},
                                   {'e', "65.87654.8765.87"},
                                   {'w', "432.32.432.65432"}};

TEST_F(Gib, EachHandHoldingOneSuitGivesTheEvidentTable) {
  // North-South hold spades and diamonds here, then spades and hearts: the side with
  // the trumps takes every trick, and at notrump the side on lead does.
  const struct {
    Hands hands;
    std::string north_south_trumps;
  } deals[] = {
      {kOneSuitEach, "sd"},
      {{{'n', "AKQJT98765432..."},
        {'s', ".AKQJT98765432.."},
        {'e', "..AKQJT98765432."},
        {'w', "...AKQJT98765432"}},
       "sh"},
  };
  for (const auto& deal : deals) {
    const Table table = Solve(deal.hands);
    for (const char leader : std::string("nesw")) {
      for (const char strain : std::string("cdhs")) {
        const int want = deal.north_south_trumps.find(strain) != std::string::npos ? 13 : 0;
        EXPECT_EQ(want, table.at(leader).at(strain)) << deal.north_south_trumps << leader << strain;
      }
      EXPECT_EQ(leader == 'n' || leader == 's' ? 13 : 0, table.at(leader).at('n')) << leader;
    }
  }
}

TEST_F(Gib, ASideWithAllTheTopCardsTakesEveryTrickWhoeverLeads) {
  const Table table = Solve(kTopCardsNorthSouth);
  for (const char leader : std::string("nesw")) {
    EXPECT_EQ(13, table.at(leader).at('n')) << leader;
    EXPECT_EQ(13, table.at(leader).at('s')) << leader;  // eight trumps above all of theirs
  }
}

TEST_F(Gib, AVoidHeavyDealAtNotrumpGoesWhollyToTheSideWithEveryTopCard) {
  // Two voids in every hand; North-South's cards outrank East-West's in every suit, so
  // whoever leads, North-South win the first trick and run their suits.
  const Hands voids = {{'n', "AKQJT98.AKQJT9.."},
                       {'s', "..AKQJT98.AKQJT9"},
                       {'e', "765432.8765432.."},
                       {'w', "..765432.8765432"}};
  const Table table = Solve(voids);
  for (const char leader : std::string("nesw")) EXPECT_EQ(13, table.at(leader).at('n')) << leader;
}

TEST_F(Gib, AnswersTwoDealsInOneInputEachFromItsOwnSolve) {
  Job("a", kOneSuitEach, 'e', 'n');
  Job("b", kTopCardsNorthSouth, 'e', 'n');
  Job("c", kTopCardsNorthSouth, 'w', 's');
  Job("d", kOneSuitEach, 'n', 'n');
  const RunResult run = Run("-d a\r\n-d b\r\n-d c\r\n-d d\r\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ((std::vector<int>{0, 13, 13, 13}), Results(run.output));
}

TEST_F(Gib, TheLineAfterEachPromptIsTheResultAndVerboseEchoesFollowIt) {
  // The driver's own argument file: twenty lines "-d -v " and a job file, CR LF.
  std::string arguments;
  for (int number = 1; number <= 20; ++number) {
    char name[32];
    std::snprintf(name, sizeof name, "99Store.txt.%03d", number);
    const char leader = "ewsn"[(number - 1) / 5];  // left of declarers N, S, E, W
    Job(name, kOneSuitEach, leader, "cdhsn"[(number - 1) % 5]);
    arguments += std::string("-d -v ") + name + "\r\n";
  }
  const RunResult run = Run(arguments);
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ("", Errors());
  // Declarers N, S, E, W; strains clubs to notrump.
  EXPECT_EQ(
      (std::vector<int>{0, 13, 0, 13, 0, 0, 13, 0, 13, 0, 0, 13, 0, 13, 13, 0, 13, 0, 13, 13}),
      Results(run.output));
  const std::vector<int> results = Results(run.output);
  ASSERT_EQ(20u, results.size());
  std::string expected;
  for (int number = 1; number <= 20; ++number) {
    const int result = results[number - 1];
    expected += std::string(kPrompt) + "\r\nTricks for NS: " + std::to_string(result) +
                "\r\nDeal: N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. "
                "...AKQJT98765432\r\nLeader: " +
                "ewsn"[(number - 1) / 5] + "  Strain: " + "cdhsn"[(number - 1) % 5] + "\r\n";
  }
  EXPECT_EQ(expected, run.output);
  // It keeps no files of its own.
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_.path())) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(22u, names.size());  // the twenty jobs, args and err
}

TEST_F(Gib, AFaultEndsTheRunWithItsPromptAsTheLastLineAndExitCodeTwo) {
  Job("good", kOneSuitEach, 'e', 'n');
  fs::create_directory(dir_.path() / "folder");
  const std::string hands =
      "w ...AKQJT98765432\r\nn AKQJT98765432...\r\ne .AKQJT98765432..\r\ns ..AKQJT98765432.\r\n";
  test_support::WriteBytes(dir_.path() / "empty", "");
  test_support::WriteBytes(dir_.path() / "short", hands);
  test_support::WriteBytes(dir_.path() / "twelve",
                           "w ...AKQJT9876543\r\nn AKQJT98765432...\r\n"
                           "e .AKQJT98765432..\r\ns ..AKQJT98765432.\r\n"
                           "e n\r\n");
  test_support::WriteBytes(dir_.path() / "twice",
                           "w ...AKQJT98765432\r\nn AKQJT98765432...\r\n"
                           "e .AKQJT98765432..\r\ns ..AKQJT9876543.2\r\n"
                           "e n\r\n");
  test_support::WriteBytes(dir_.path() / "lead", hands + "x n\r\n");
  test_support::WriteBytes(dir_.path() / "strain", hands + "e t\r\n");
  test_support::WriteBytes(dir_.path() / "long", hands + "e n\r\n" + std::string(70000, '\n'));
  const struct {
    std::string arguments;
    std::string error;
  } cases[] = {
      {"-d missing", "gib: missing: cannot open the job file: No such file or directory\n"},
      {"-d folder", "gib: folder: cannot read the job file: Is a directory\n"},
      {"-d empty", "gib: empty: the file is empty\n"},
      {"-d short", "gib: short: 4 lines, not 5\n"},
      {"-d twelve", "gib: twelve: line 1: 12 cards, not 13\n"},
      {"-d twice", "gib: twice: line 4: C2 is held by w too\n"},
      {"-d lead", "gib: lead: line 5: 'x' is not a seat (n, e, s or w)\n"},
      {"-d strain", "gib: strain: line 5: 't' is not a strain (c, d, h, s or n)\n"},
      {"-d long", "gib: long: longer than 65536 bytes: not a job file\n"},
      {"-x good", "gib: argument line \"-x good\": unknown option -x\n"},
      {"-d -v", "gib: argument line \"-d -v\": no job file named\n"},
      {"-d good good", "gib: argument line \"-d good good\": more than one job file\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const RunResult run = Run("-d good\r\n" + c.arguments + "\r\n-d good\r\n");
    EXPECT_EQ(2, run.exit_code);
    EXPECT_EQ(std::string(kPrompt) + "\r\nTricks for NS: 0\r\n" + kPrompt + "\r\n", run.output);
    EXPECT_EQ(c.error, Errors());
  }
}

TEST_F(Gib, ASolverLibraryThatCannotBeLoadedIsAFaultOfTheFirstJob) {
  Job("good", kOneSuitEach, 'e', 'n');
  fs::create_directory(dir_.path() / "lib");
  test_support::WriteBytes(dir_.path() / "lib" / "libdds.so.0", "not a library");
  test_support::WriteBytes(dir_.path() / "args", "-d good\r\n-d good\r\n");
  const RunResult run = test_support::RunIn(
      dir_.path(),
      "LD_LIBRARY_PATH=lib " + test_support::ShellQuote(BIN_DIR "/gib") + " < args 2> err");
  EXPECT_EQ(2, run.exit_code);
  EXPECT_EQ(std::string(kPrompt) + "\r\n", run.output);
  EXPECT_TRUE(Errors().starts_with("gib: good: cannot load the solver library: lib/libdds.so.0"))
      << Errors();
}

// The warm solver that gib starts and later runs use: each test has one of its own,
// chosen with GIB_SERVER.
class WarmSolver : public Gib {
 protected:
  WarmSolver() {
    static int count = 0;
    tag_ = "test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
    // The solver's socket lives, and goes, with the test's directory.
    fs::create_directory(runtime_dir());
    fs::permissions(runtime_dir(), fs::perms::owner_all);
    environment_ = "GIB_SERVER=" + tag_ + " XDG_RUNTIME_DIR=" + runtime_dir().string() + " ";
  }
  ~WarmSolver() override {
    for (const pid_t pid : Solvers(tag_)) kill(pid, SIGKILL);
  }

  static std::vector<pid_t> Solvers(const std::string& tag) {
    return test_support::WarmSolvers(tag);
  }
  // A /proc file, or nothing when the process has gone.
  static std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Waits up to the time given for the tag's solvers to be gone; true when they are.
  static bool GoneWithin(const std::string& tag, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Solvers(tag).empty()) {
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
  }

  // Where the solver listens, as /proc/net/unix gives it ("@" starts an abstract name).
  static std::string Endpoint(pid_t solver) {
    std::set<std::string> sockets;
    std::error_code error;
    for (const auto& fd :
         fs::directory_iterator("/proc/" + std::to_string(solver) + "/fd", error)) {
      const std::string target = fs::read_symlink(fd.path(), error).string();
      if (target.starts_with("socket:[")) sockets.insert(target.substr(8, target.size() - 9));
    }
    std::istringstream table(Slurp("/proc/net/unix"));
    std::string line;
    while (std::getline(table, line)) {
      std::istringstream fields(line);
      std::string number, references, protocol, flags, type, state, inode, path;
      fields >> number >> references >> protocol >> flags >> type >> state >> inode >> path;
      if (!path.empty() && sockets.contains(inode)) return path;
    }
    return "";
  }
  // A socket connected to an endpoint as Endpoint gives it, or -1.
  static int ConnectTo(const std::string& endpoint) {
    sockaddr_un address{};
    const socklen_t size = EndpointAddress(endpoint, address);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0) return fd;
    close(fd);
    return -1;
  }
  static socklen_t EndpointAddress(const std::string& endpoint, sockaddr_un& address) {
    address.sun_family = AF_UNIX;
    endpoint.copy(address.sun_path, sizeof address.sun_path - 1);
    if (endpoint.starts_with('@')) address.sun_path[0] = '\0';
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + endpoint.size() +
                                  (endpoint.starts_with('@') ? 0 : 1));
  }

  // The bytes of a request as they go on the wire.
  static std::string Bytes(const solver::Request& request) {
    return std::string(reinterpret_cast<const char*>(&request), sizeof request);
  }

  fs::path runtime_dir() const { return dir_.path() / "run"; }

  std::string tag_;
};

TEST_F(WarmSolver, OneProcessServesLaterRunsAndHoldsNothingOfTheirs) {
  for (const char leader : std::string("nesw")) {
    EXPECT_EQ(13, Solve(kTopCardsNorthSouth).at(leader).at('n')) << leader;
  }
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  const fs::path proc = "/proc/" + std::to_string(solvers[0]);
  // No directory kept in use and none of its starters' files open: nobody who reads
  // gib's output to its end waits for it.
  EXPECT_EQ("/", fs::read_symlink(proc / "cwd"));
  for (const auto& fd : fs::directory_iterator(proc / "fd")) {
    const std::string target = fs::read_symlink(fd.path()).string();
    EXPECT_TRUE(target == "/dev/null" || target.starts_with("socket:")) << target;
  }
  // Another deal, another run: the same process answers it.
  const Table table = Solve(kOneSuitEach);
  EXPECT_EQ(0, table.at('e').at('n'));
  EXPECT_EQ(13, table.at('e').at('s'));
  EXPECT_EQ(solvers, Solvers(tag_));
}

TEST_F(WarmSolver, ARunWhoseSolverStopsOrDiesMidRequestStillGetsItsResults) {
  Solve(kOneSuitEach);
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  // The stopped solver takes the next run's request and dies before it answers; the
  // run solves the deal itself.
  kill(solvers[0], SIGSTOP);
  std::jthread killer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(solvers[0], SIGKILL);
  });
  const Table table = Solve(kTopCardsNorthSouth);
  killer.join();
  for (const char leader : std::string("nesw")) EXPECT_EQ(13, table.at(leader).at('s')) << leader;
  // The next run starts a new solver.
  EXPECT_EQ(13, Solve(kTopCardsNorthSouth).at('e').at('n'));
  const std::vector<pid_t> now = Solvers(tag_);
  ASSERT_EQ(1u, now.size());
  EXPECT_NE(solvers[0], now[0]);
}

TEST_F(WarmSolver, SurvivesRequestsThatAreNotWholeDealsAndAnswersThemNothing) {
  Solve(kOneSuitEach);
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  const std::string endpoint = Endpoint(solvers[0]);
  ASSERT_FALSE(endpoint.empty());
  const auto send = [&](const std::string& bytes) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    const socklen_t size = EndpointAddress(endpoint, address);
    EXPECT_EQ(0, connect(fd, reinterpret_cast<const sockaddr*>(&address), size));
    EXPECT_EQ(static_cast<ssize_t>(bytes.size()), write(fd, bytes.data(), bytes.size()));
    shutdown(fd, SHUT_WR);
    char reply[512];
    const ssize_t got = read(fd, reply, sizeof reply);
    close(fd);
    return got;
  };
  solver::Deal every_card;
  for (auto& hand : every_card.holdings) hand.fill(0xffff);
  const std::string no_cards = Bytes(solver::MakeRequest(solver::Deal{}));
  EXPECT_EQ(0, send(""));                                            // nothing
  EXPECT_EQ(0, send(no_cards.substr(0, solver::kRequestSize / 2)));  // cut short
  EXPECT_EQ(0, send(std::string(solver::kRequestSize, '\xff')));     // no tag
  EXPECT_EQ(0, send(no_cards));                                      // no cards
  EXPECT_EQ(0, send(Bytes(solver::MakeRequest(every_card))));        // every card everywhere
  // Still there, and still right.
  EXPECT_EQ(13, Solve(kTopCardsNorthSouth).at('n').at('s'));
  EXPECT_EQ(solvers, Solvers(tag_));
}

TEST_F(WarmSolver, AnswersARequestMadeByTheWireFormatWithTheDealsTable) {
  const Table expected = Solve(kTopCardsNorthSouth);
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  const std::string endpoint = Endpoint(solvers[0]);
  ASSERT_FALSE(endpoint.empty());
  std::string job;
  for (const char seat : {'w', 'n', 'e', 's'}) {
    job += std::string{seat, ' '} + kTopCardsNorthSouth.at(seat) + "\r\n";
  }
  const solver::JobOrFault parsed = solver::ParseJobFile(job + "n n\r\n");
  ASSERT_EQ("", parsed.fault);
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  const socklen_t size = EndpointAddress(endpoint, address);
  ASSERT_EQ(0, connect(fd, reinterpret_cast<const sockaddr*>(&address), size));
  const std::string request = Bytes(solver::MakeRequest(parsed.job.deal));
  EXPECT_EQ(static_cast<ssize_t>(request.size()), write(fd, request.data(), request.size()));
  std::string answer;  // signs of life, then the reply; the solver closes after it
  char block[512];
  for (ssize_t got = 0; (got = read(fd, block, sizeof block)) > 0;) answer.append(block, got);
  close(fd);
  answer.erase(0, answer.find_first_not_of(solver::kAlive));
  ASSERT_EQ(solver::kReplySize, answer.size());
  solver::Reply reply;
  std::memcpy(&reply, answer.data(), sizeof reply);
  solver::DdTable table;
  std::string fault;
  ASSERT_EQ(solver::WarmAnswer::kSolved, solver::ReadReply(reply, table, fault));
  for (const auto& [leader, strains] : expected) {
    for (const auto& [strain, tricks] : strains) {
      EXPECT_EQ(tricks, solver::NorthSouthTricks(table, leader, strain)) << leader << strain;
    }
  }
}

TEST_F(WarmSolver, EndsWhenIdleAndIsNotStartedWhenSwitchedOff) {
  Solve(kOneSuitEach);
  ASSERT_EQ(1u, Solvers(tag_).size());
  EXPECT_TRUE(GoneWithin(tag_, std::chrono::seconds(15)));
  environment_ = "GIB_SERVER=off ";
  EXPECT_EQ(13, Solve(kTopCardsNorthSouth).at('w').at('n'));
  EXPECT_TRUE(Solvers("off").empty());
}

TEST_F(WarmSolver, AStoppedSolverLetsEachRunEndWithinSecondsWithItsResults) {
  const Table expected = Solve(kTopCardsNorthSouth);
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  kill(solvers[0], SIGSTOP);
  environment_ += "timeout 60 ";  // a hang fails the test instead of holding it
  for (int run = 0; run < 2; ++run) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(expected, Solve(kTopCardsNorthSouth));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  }
  kill(solvers[0], SIGKILL);
}

// Another user, made by root with setpriv: gib runs as kVictim, with its own
// XDG_RUNTIME_DIR, while kIntruder (or root, who is not the victim either) attacks.
class HostileUser : public WarmSolver {
 protected:
  static constexpr uid_t kVictim = 64014;
  static constexpr uid_t kIntruder = 64015;

  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "a second user needs root (setpriv)";
    ASSERT_EQ(0, chown(dir_.path().c_str(), kVictim, kVictim));
    ASSERT_EQ(0, chown(runtime_dir().c_str(), kVictim, kVictim));
    off_ = Solve(kTopCardsNorthSouth, "GIB_SERVER=off ");
  }
  void TearDown() override {
    for (const pid_t pid : intruders_) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(VictimTmpDirectory(), ignored);
  }
  static fs::path VictimTmpDirectory() { return "/tmp/dealmint-gib-" + std::to_string(kVictim); }
  // Every leader and strain of the deal, solved by gib run as the victim within 60 s.
  Table Solve(const Hands& hands, const std::string& variables) {
    environment_ = "GIB_SERVER=" + tag_ + " " + variables +
                   "timeout 60 setpriv --reuid=" + std::to_string(kVictim) +
                   " --regid=" + std::to_string(kVictim) + " --clear-groups ";
    return Gib::Solve(hands);
  }
  // Starts a process of the intruder that binds the endpoint and then accepts nothing.
  // False when it could not bind it.
  bool Squat(const std::string& endpoint) {
    int report[2];
    if (pipe(report) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the test
      close(report[0]);
      sockaddr_un address{};
      const socklen_t size = EndpointAddress(endpoint, address);
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      const char bound = setresgid(kIntruder, kIntruder, kIntruder) == 0 &&
                         setresuid(kIntruder, kIntruder, kIntruder) == 0 &&
                         bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
                         listen(fd, 0) == 0;
      if (write(report[1], &bound, 1) != 1) _exit(1);
      for (;;) pause();
    }
    intruders_.push_back(pid);
    close(report[1]);
    char bound = 0;
    const bool reported = read(report[0], &bound, 1) == 1;
    close(report[0]);
    return reported && bound != 0;
  }

  Table off_;
  std::vector<pid_t> intruders_;
};

TEST_F(HostileUser, CannotKeepTheSolverAliveNorSquatItsEndpoint) {
  const std::string variables = "XDG_RUNTIME_DIR=" + runtime_dir().string() + " ";
  EXPECT_EQ(off_, Solve(kTopCardsNorthSouth, variables));
  const std::vector<pid_t> solvers = Solvers(tag_);
  ASSERT_EQ(1u, solvers.size());
  const std::string endpoint = Endpoint(solvers[0]);
  ASSERT_FALSE(endpoint.empty());
  // Root knocks every 200 ms: only the victim's own requests may keep the solver alive.
  std::atomic<bool> gone = false;
  std::jthread knocker([&] {
    for (int i = 0; i < 60 && !gone; ++i) {
      const int fd = ConnectTo(endpoint);
      if (fd >= 0) close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
  });
  gone = GoneWithin(tag_, std::chrono::seconds(9));
  knocker.join();
  EXPECT_TRUE(gone);
  for (const pid_t pid : Solvers(tag_)) kill(pid, SIGKILL);
  ASSERT_TRUE(GoneWithin(tag_, std::chrono::seconds(5)));
  // The intruder takes the endpoint while no solver runs: the victim's runs neither use
  // it nor hang on it.
  EXPECT_FALSE(Squat(endpoint));
  for (int run = 0; run < 2; ++run) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(off_, Solve(kTopCardsNorthSouth, variables));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  }
}

TEST_F(HostileUser, AnIntrudersDirectoryAtTheSolversPlaceIsNeverUsed) {
  // Without XDG_RUNTIME_DIR the victim's place is below /tmp; the intruder made it first,
  // open to all, to put sockets of its own there.
  fs::remove_all(VictimTmpDirectory());
  ASSERT_EQ(0, mkdir(VictimTmpDirectory().c_str(), 0777));
  ASSERT_EQ(0, chmod(VictimTmpDirectory().c_str(), 0777));
  ASSERT_EQ(0, chown(VictimTmpDirectory().c_str(), kIntruder, kIntruder));
  for (int run = 0; run < 2; ++run) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(off_, Solve(kTopCardsNorthSouth, "env -u XDG_RUNTIME_DIR "));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  }
  EXPECT_TRUE(Solvers(tag_).empty());
  struct stat info {};
  ASSERT_EQ(0, lstat(VictimTmpDirectory().c_str(), &info));
  EXPECT_EQ(kIntruder, info.st_uid);  // left as it was
}

}  // namespace

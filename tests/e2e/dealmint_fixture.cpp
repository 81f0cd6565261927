#include "tests/e2e/dealmint_fixture.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "driver/job_files.h"

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::ShellQuote;
using test_support::WriteBytes;

DealmintRun::DealmintRun() : work_(dir_.path() / "work"), fake_bin_(dir_.path() / "fakebin") {
  fs::create_directory(work_);
  fs::create_directory(fake_bin_);
}

void DealmintRun::WritePbn(const std::string& name, const std::string& bytes) const {
  WriteBytes(work_ / (name + ".pbn"), bytes);
}

void DealmintRun::FakeProgram(const std::string& name, const std::string& body) const {
  const fs::path path = fake_bin_ / name;
  WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

void DealmintRun::CannedGib(const std::string& output) const {
  WriteBytes(fake_bin_ / "canned.out", output);
  FakeProgram("gib", "cat " + ShellQuote((fake_bin_ / "canned.out").string()));
}

test_support::RunResult DealmintRun::Run(const std::string& arguments,
                                         const std::string& env_prefix) const {
  return test_support::RunIn(work_, "PATH=" + ShellQuote(fake_bin_.string()) + ":\"$PATH\" " +
                                        env_prefix + " " + kDealmint + " " + arguments);
}

pid_t DealmintRun::Start(const std::string& arguments, int stdout_fd) const {
  const std::string command = "cd " + ShellQuote(work_.string()) +
                              " && PATH=" + ShellQuote(fake_bin_.string()) + ":\"$PATH\" exec " +
                              kDealmint + " " + arguments;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdout_fd < 0) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, stdout_fd, STDOUT_FILENO);
  }
  const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
  pid_t pid = -1;
  const int failed =
      posix_spawn(&pid, "/bin/sh", &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : pid;
}

int DealmintRun::Wait(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -2;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool DealmintRun::AwaitFile(const fs::path& path, bool present) const {
  for (int i = 0; i < 1000; ++i) {
    if (fs::exists(path) == present) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

std::string DealmintRun::ReadWork(const std::string& name) const { return ReadBytes(work_ / name); }

bool DealmintRun::WorkHas(const std::string& name) const { return fs::exists(work_ / name); }

int DealmintRun::TempFilesLeft() const {
  int count = WorkHas("99Store.txt") + WorkHas("99Store.txt.out");
  for (int16_t chair = 1; chair <= 4; ++chair) {
    for (int16_t strain = 1; strain <= 5; ++strain) {
      count += WorkHas(driver::JobFileName(chair, strain).str());
    }
  }
  return count;
}

std::string SolverOutput(const std::array<int, 20>& north_south_tricks) {
  std::string out = "Solver ready\r\n";
  for (const int tricks : north_south_tricks) {
    out += "Enter argument line: \r\nTricks for NS: " + std::to_string(tricks) + "\r\n";
  }
  return out;
}

std::string SolverOutput(int north_south_tricks) {
  std::array<int, 20> all{};
  all.fill(north_south_tricks);
  return SolverOutput(all);
}

std::string AllSixLine(int number, int east_west_declarer) {
  std::string line = std::to_string(number) + "\t-90\t1\t5\t" + std::to_string(east_west_declarer);
  for (int i = 0; i < 10; ++i) line += "\t6";
  for (int i = 0; i < 10; ++i) line += "\t7";
  return line + "\r\n";
}

std::string Progress(int number) { return "Processing board " + std::to_string(number) + "\r\n"; }

std::string OneBoard(int number, const std::string& extra_tags) {
  return "[Board \"" + std::to_string(number) + "\"]\n" + extra_tags +
         "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432\"]\n\n";
}

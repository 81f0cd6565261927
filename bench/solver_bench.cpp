// Times gib as dealmint runs it (with its warm solver, and alone), and dealmint on one
// board and on a whole file, against libdds called in-process on the same deals in the
// same run; then the peak memory of the processes involved.
// Usage: solver_bench DEALS_FILE BIN_DIR [WORK_DIR]
// DEALS_FILE holds one deal per line in PBN form ("N:... ... ... ..."); BIN_DIR holds gib
// and dealmint. WORK_DIR (default: the current directory) receives the temporary files.
#include <dds/dll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The twenty job files and the argument file of one deal, as the driver writes them.
void WriteJobs(const std::string& deal) {
  const std::string seats = "nesw";
  std::istringstream in(deal.substr(2));
  std::string hands[4];
  size_t seat = seats.find(static_cast<char>(deal[0] | 0x20));
  for (int i = 0; i < 4; ++i, seat = (seat + 1) % 4) in >> hands[seat];
  const std::string lines =
      "w " + hands[3] + "\r\nn " + hands[0] + "\r\ne " + hands[1] + "\r\ns " + hands[2] + "\r\n";
  std::ofstream arguments("99Store.txt", std::ios::binary);
  const char* leaders = "ewsn";  // after declarers N, S, E, W
  for (int job = 1; job <= 20; ++job) {
    char name[32];
    std::snprintf(name, sizeof name, "99Store.txt.%03d", job);
    std::ofstream(name, std::ios::binary)
        << lines << leaders[(job - 1) / 5] << ' ' << "cdhsn"[(job - 1) % 5] << "\r\n";
    arguments << "-d -v " << name << "\r\n";
  }
}

// Runs the command through /bin/sh, as dealmint runs its solver; its whole time.
double RunThroughShell(const std::string& command) {
  const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0 ||
      waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
  return Milliseconds(Clock::now() - start);
}

// The peak resident memory of a command, in KiB, as /usr/bin/time reports it; -1 when
// that program is missing. (This process's children cannot report it themselves: a
// program started from here inherits this process's own peak, libdds's tables included.)
long PeakKiB(const std::string& command) {
  if (access("/usr/bin/time", X_OK) != 0) return -1;
  RunThroughShell("/usr/bin/time -f %M -o peak.txt sh -c '" + command + "'");
  long kib = -1;
  std::ifstream("peak.txt") >> kib;
  return kib;
}

// The peak resident memory of the warm solver started for this run, in KiB, from its
// /proc entry; -1 when none is found.
long WarmSolverPeakKiB(const std::string& tag) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    std::ifstream environment(entry.path() / "environ", std::ios::binary);
    const std::string variables =
        '\0' + std::string((std::istreambuf_iterator<char>(environment)), {});
    std::ifstream command_line(entry.path() / "cmdline", std::ios::binary);
    std::string arguments((std::istreambuf_iterator<char>(command_line)), {});
    if (arguments.find(std::string("--serve\0", 8)) == std::string::npos ||
        variables.find(std::string{'\0'} + "GIB_SERVER=" + tag + '\0') == std::string::npos) {
      continue;
    }
    std::ifstream status(entry.path() / "status");
    for (std::string line; std::getline(status, line);) {
      if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    }
  }
  return -1;
}

double SolveInProcess(const std::string& deal) {
  ddTableDealPBN table_deal{};
  std::strncpy(table_deal.cards, deal.c_str(), sizeof table_deal.cards - 1);
  ddTableResults results{};
  const Clock::time_point start = Clock::now();
  if (CalcDDtablePBN(table_deal, &results) != RETURN_NO_FAULT) {
    std::fprintf(stderr, "CalcDDtablePBN failed on %s\n", deal.c_str());
    std::exit(1);
  }
  return Milliseconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: solver_bench DEALS_FILE GIB_DIR [WORK_DIR]\n");
    return 2;
  }
  std::vector<std::string> deals;
  std::ifstream in(argv[1]);
  for (std::string line; std::getline(in, line);) {
    if (line.size() > 60) deals.push_back(line);
  }
  const std::string path = std::string(argv[2]) + ":" + std::getenv("PATH");
  setenv("PATH", path.c_str(), 1);
  // A warm solver of this run's own, started by its first gib.
  const std::string tag = "bench-" + std::to_string(getpid());
  setenv("GIB_SERVER", tag.c_str(), 1);
  if (argc > 3 && chdir(argv[3]) != 0) return 2;

  // Interleaved deal by deal, so that drift in the machine's speed touches all alike.
  const std::string dealmint = std::string(argv[2]) + "/dealmint";
  std::vector<double> gib_ms, alone_ms, start_ms, dealmint_ms, baseline_ms;
  for (const std::string& deal : deals) {
    WriteJobs(deal);
    gib_ms.push_back(RunThroughShell("gib < 99Store.txt > 99Store.txt.out"));
    alone_ms.push_back(RunThroughShell("GIB_SERVER=off gib < 99Store.txt > 99Store.txt.out"));
    // The fixed cost of a run: the shell and gib starting, no job.
    start_ms.push_back(RunThroughShell("gib < /dev/null > /dev/null"));
    std::ofstream("bench.pbn", std::ios::binary) << "[Board \"1\"]\n[Deal \"" << deal << "\"]\n";
    dealmint_ms.push_back(RunThroughShell(dealmint + " bench > /dev/null"));
    baseline_ms.push_back(SolveInProcess(deal));
  }
  // Then dealmint once on a file of all the deals, as a user runs it, between two
  // in-process passes over all the deals in a row.
  std::ofstream whole("whole.pbn", std::ios::binary);
  for (size_t i = 0; i < deals.size(); ++i) {
    whole << "[Board \"" << i + 1 << "\"]\n[Deal \"" << deals[i] << "\"]\n\n";
  }
  whole.close();
  double in_a_row = 0;
  for (const std::string& deal : deals) in_a_row += SolveInProcess(deal);
  const double whole_ms = RunThroughShell(dealmint + " whole > /dev/null");
  // Peak memory: the warm solver now, before it ends for want of work; at the end gib
  // alone and gib with the warm solver on the deal that took gib alone longest.
  const long solver_kib = WarmSolverPeakKiB(tag);
  for (const std::string& deal : deals) in_a_row += SolveInProcess(deal);
  in_a_row /= 2;

  WriteJobs(deals[std::max_element(alone_ms.begin(), alone_ms.end()) - alone_ms.begin()]);
  const long alone_kib = PeakKiB("GIB_SERVER=off gib < 99Store.txt > 99Store.txt.out");
  const long client_kib = PeakKiB("gib < 99Store.txt > 99Store.txt.out");

  double gib_total = 0, baseline_total = 0;
  for (const double ms : gib_ms) gib_total += ms;
  for (const double ms : baseline_ms) baseline_total += ms;
  const double baseline = Median(baseline_ms);
  const double count = static_cast<double>(deals.size());
  std::printf("deals                          %zu\n", deals.size());
  std::printf("in-process per deal, median    %.1f ms (total %.0f ms)\n", baseline, baseline_total);
  std::printf("gib per deal, median           %.1f ms (total %.0f ms)\n", Median(gib_ms),
              gib_total);
  std::printf("  gib / in-process             %.3f (medians), %.3f (totals)\n",
              Median(gib_ms) / baseline, gib_total / baseline_total);
  std::printf("gib alone (GIB_SERVER=off)     %.1f ms (%.3f x in-process, medians)\n",
              Median(alone_ms), Median(alone_ms) / baseline);
  std::printf("gib start-up, median           %.1f ms (shell and gib, no job)\n", Median(start_ms));
  std::printf("dealmint on one board, median  %.1f ms (%.3f x in-process, medians)\n",
              Median(dealmint_ms), Median(dealmint_ms) / baseline);
  std::printf("in-process, all deals in a row %.1f ms per deal (mean of two passes)\n",
              in_a_row / count);
  std::printf(
      "dealmint on all the deals      %.1f ms per board (%.3f x in a row, %.3f x "
      "interleaved in-process total)\n",
      whole_ms / count, whole_ms / in_a_row, whole_ms / baseline_total);
  std::printf(
      "peak memory, KiB               warm solver %ld, gib alone %ld, gib with the "
      "warm solver %ld (slowest deal)\n",
      solver_kib, alone_kib, client_kib);
  return 0;
}

// Times gib as dealmint runs it, and dealmint on one board, against libdds called
// in-process on the same deals in the same run.
// Usage: solver_bench DEALS_FILE BIN_DIR [WORK_DIR]
// DEALS_FILE holds one deal per line in PBN form ("N:... ... ... ..."); BIN_DIR holds gib
// and dealmint. WORK_DIR (default: the current directory) receives the temporary files.
#include <dds/dll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
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
  if (argc > 3 && chdir(argv[3]) != 0) return 2;

  // Interleaved deal by deal, so that drift in the machine's speed touches all three alike.
  const std::string dealmint = std::string(argv[2]) + "/dealmint";
  std::vector<double> gib_ms, start_ms, dealmint_ms, baseline_ms;
  for (const std::string& deal : deals) {
    WriteJobs(deal);
    gib_ms.push_back(RunThroughShell("gib < 99Store.txt > 99Store.txt.out"));
    // The fixed cost of a run: the shell, gib and libdds starting, no job.
    start_ms.push_back(RunThroughShell("gib < /dev/null > /dev/null"));
    std::ofstream("bench.pbn", std::ios::binary) << "[Board \"1\"]\n[Deal \"" << deal << "\"]\n";
    dealmint_ms.push_back(RunThroughShell(dealmint + " bench > /dev/null"));
    baseline_ms.push_back(SolveInProcess(deal));
  }
  // Then dealmint once on a file of all the deals, as a user runs it.
  std::ofstream whole("whole.pbn", std::ios::binary);
  for (size_t i = 0; i < deals.size(); ++i) {
    whole << "[Board \"" << i + 1 << "\"]\n[Deal \"" << deals[i] << "\"]\n\n";
  }
  whole.close();
  const double whole_ms = RunThroughShell(dealmint + " whole > /dev/null");
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  double gib_total = 0, baseline_total = 0;
  for (const double ms : gib_ms) gib_total += ms;
  for (const double ms : baseline_ms) baseline_total += ms;
  std::printf("deals                       %zu\n", deals.size());
  std::printf("gib per deal, median        %.1f ms (total %.0f ms)\n", Median(gib_ms), gib_total);
  std::printf("in-process per deal, median %.1f ms (total %.0f ms)\n", Median(baseline_ms),
              baseline_total);
  std::printf("ratio of medians            %.3f\n", Median(gib_ms) / Median(baseline_ms));
  std::printf("ratio of totals             %.3f\n", gib_total / baseline_total);
  std::printf("gib start-up, median        %.1f ms (shell, gib and libdds, no job)\n",
              Median(start_ms));
  std::printf("gib peak resident memory    %ld KiB\n", children.ru_maxrss);
  std::printf("dealmint per board, median  %.1f ms (one-board runs)\n", Median(dealmint_ms));
  std::printf("dealmint / in-process       %.3f (medians)\n",
              Median(dealmint_ms) / Median(baseline_ms));
  std::printf("dealmint on all the deals   %.0f ms, %.1f ms per board, %.3f x in-process total\n",
              whole_ms, whole_ms / static_cast<double>(deals.size()), whole_ms / baseline_total);
  return 0;
}

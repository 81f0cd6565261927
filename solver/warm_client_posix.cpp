// The client side of the warm solver: SolveWarm and WarmSolverWanted of warm_solver.h.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "solver/warm_endpoint.h"
#include "solver/warm_socket.h"
#include "solver/warm_solver.h"
#include "solver/warm_wire.h"

extern char** environ;

namespace solver {
namespace {

// How long a starting solver may take to take its name before gib solves alone.
constexpr int kStartMilliseconds = 2000;
// gib gives up on a solver silent for kSilenceMilliseconds (stopped, wedged, its queue not
// moving), and on any after kLongestSolveSeconds, and solves the deal itself.
constexpr int kSilenceMilliseconds = 2000;
constexpr int kLongestSolveSeconds = 120;
static_assert(kSilenceMilliseconds > 4 * kBeatMilliseconds);

// Sends the request and takes the reply, skipping the solver's signs of life before it;
// false when the solver fails, falls silent for kSilenceMilliseconds or takes longer than
// kLongestSolveSeconds in all.
bool Exchange(int fd, const Request& request, Reply& reply) {
  if (!AwaitReady(fd, POLLOUT, kSilenceMilliseconds) ||
      send(fd, &request, sizeof request, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof request)) {
    return false;
  }
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(kLongestSolveSeconds);
  auto* bytes = reinterpret_cast<char*>(&reply);
  size_t got = 0;
  while (got < sizeof reply) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0 ||
        !AwaitReady(fd, POLLIN, std::min<int>(kSilenceMilliseconds, left.count()))) {
      return false;
    }
    const ssize_t n = recv(fd, bytes + got, sizeof reply - got, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return false;
    size_t alive = 0;  // signs of life come only before the reply
    while (got == 0 && alive < static_cast<size_t>(n) && bytes[alive] == kAlive) ++alive;
    if (alive > 0) std::memmove(bytes, bytes + alive, static_cast<size_t>(n) - alive);
    got += static_cast<size_t>(n) - alive;
  }
  return true;
}

// Starts "gib --serve NAME" from this program's file, with /dev/null for its standard
// files, nothing else of this process open, and a session of its own. The process id,
// or -1.
pid_t StartSolver(const std::string& name) {
  posix_spawn_file_actions_t files;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&files);
  posix_spawnattr_init(&attributes);
  for (const int fd : {0, 1, 2}) {
    posix_spawn_file_actions_addopen(&files, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  }
  posix_spawn_file_actions_addclosefrom_np(&files, 3);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  char program[] = "gib";
  char option[sizeof kServeOption];
  std::memcpy(option, kServeOption, sizeof option);
  std::string name_copy = name;
  char* arguments[] = {program, option, name_copy.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, "/proc/self/exe", &files, &attributes, arguments, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  return pid;
}

void SleepMilliseconds(int milliseconds) {
  timespec pause{0, milliseconds * 1000000L};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

// Starts a solver and connects to it once it has taken the name; -1 when it ends first
// or takes too long.
int StartAndConnect(const std::string& name) {
  const pid_t pid = StartSolver(name);
  if (pid < 0) return -1;
  for (int waited = 0; waited < kStartMilliseconds; ++waited) {
    const int fd = Connect(name);
    if (fd >= 0) return fd;
    // Ended already (or reaped by the system, where SIGCHLD is ignored): it could not
    // take the name or start at all. Another solver may have the name; one more try
    // settles it.
    int status = 0;
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid || ended < 0) return Connect(name);
    SleepMilliseconds(1);
  }
  return -1;
}

}  // namespace

bool WarmSolverWanted() { return EnvironmentText("GIB_SERVER") != "off"; }

WarmAnswer SolveWarm(const Deal& deal, DdTable& table, std::string& fault) {
  // The same for the whole run: worked out once, not for each deal.
  static const std::string name = SolverName();
  int fd = Connect(name);
  if (fd < 0) fd = StartAndConnect(name);
  if (fd < 0) return WarmAnswer::kUnavailable;
  const Descriptor connection(fd);
  Reply reply{};
  if (!Exchange(connection.get(), MakeRequest(deal), reply)) return WarmAnswer::kUnavailable;
  return ReadReply(reply, table, fault);
}

}  // namespace solver

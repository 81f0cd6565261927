#include "solver/warm_solver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "solver/dds_library.h"
#include "solver/start_up.h"

extern char** environ;

namespace solver {
namespace {

constexpr std::array<char, 8> kRequestTag = {'g', 'i', 'b', 'd', 'e', 'a', 'l', '1'};
constexpr std::array<char, 8> kReplyTag = {'g', 'i', 'b', 't', 'a', 'b', 'l', '1'};

// Both sides are the same program on the same machine: plain structs do.
struct Request {
  std::array<char, 8> tag;
  Deal deal;
};

struct Reply {
  std::array<char, 8> tag;
  int32_t tricks[DDS_STRAINS][DDS_HANDS];
  char fault[120];  // empty when the deal was solved
};

// How long a starting solver may take to take its name before gib solves alone.
constexpr int kStartMilliseconds = 2000;
// How long the solver waits for a connected gib to send its request or take the reply.
constexpr int kExchangeSeconds = 2;

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// 64-bit FNV-1a, to fold the identity of a solver into a short name.
void Fold(uint64_t& hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  hash ^= 0xff;  // ends the field, so "ab" + "c" differs from "a" + "bc"
  hash *= 0x100000001b3u;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

// The name of the solver that may answer this process: the same user, the same gib
// file as it stands now, the same libdds search (with the directory when the variables
// are set, as they may be relative) and the same GIB_SERVER.
std::string SolverName() {
  uint64_t hash = 0xcbf29ce484222325u;
  struct stat program {};
  if (stat("/proc/self/exe", &program) == 0) {
    const std::string identity[] = {std::to_string(program.st_dev), std::to_string(program.st_ino),
                                    std::to_string(program.st_size),
                                    std::to_string(program.st_mtim.tv_sec),
                                    std::to_string(program.st_mtim.tv_nsec)};
    for (const std::string& part : identity) Fold(hash, part);
  }
  const std::string library_path = Variable("LD_LIBRARY_PATH");
  const std::string preload = Variable("LD_PRELOAD");
  Fold(hash, library_path);
  Fold(hash, preload);
  Fold(hash, Variable("GIB_SERVER"));
  if (!library_path.empty() || !preload.empty()) {
    char directory[4096];
    Fold(hash, getcwd(directory, sizeof directory) != nullptr ? directory : "?");
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return "dealmint-gib-" + std::to_string(getuid()) + "-" + hex;
}

// The abstract socket address of the name: a leading NUL, then the name's bytes.
socklen_t Address(const std::string& name, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  const size_t length = std::min(name.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, name.data(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

// Whether the process at the other end of the socket belongs to this user.
bool SameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

// Sends or receives the whole block; false on any failure, the other end's closing
// included.
bool SendAll(int fd, const void* data, size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool ReceiveAll(int fd, void* data, size_t size) {
  auto* bytes = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t n = recv(fd, bytes, size, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// A connection to the named solver, if one listens and belongs to this user.
int Connect(const std::string& name) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_un address;
  const socklen_t size = Address(name, address);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 && SameUser(fd)) {
    return fd;
  }
  close(fd);
  return -1;
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

// Answers one connected gib: a whole deal in, its table or libdds's fault out.
void Answer(int fd) {
  if (!SameUser(fd)) return;
  const timeval limit{kExchangeSeconds, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  Request request;
  if (!ReceiveAll(fd, &request, sizeof request) || request.tag != kRequestTag ||
      !IsWholeDeal(request.deal)) {
    return;
  }
  TrickTable table;
  const std::string fault = SolveDeal(request.deal, table);
  Reply reply{};
  reply.tag = kReplyTag;
  std::memcpy(reply.tricks, table.results.resTable, sizeof reply.tricks);
  std::strncpy(reply.fault, fault.c_str(), sizeof reply.fault - 1);
  SendAll(fd, &reply, sizeof reply);
}

}  // namespace

bool IsWholeDeal(const Deal& deal) {
  uint16_t seen[4] = {};
  constexpr uint16_t kRanks = 0x7ffc;  // bits 2 to 14
  for (const auto& hand : deal.holdings) {
    int cards = 0;
    for (size_t suit = 0; suit < 4; ++suit) {
      if ((hand[suit] & ~kRanks) != 0 || (hand[suit] & seen[suit]) != 0) return false;
      seen[suit] = static_cast<uint16_t>(seen[suit] | hand[suit]);
      cards += std::popcount(hand[suit]);
    }
    if (cards != 13) return false;
  }
  return true;
}

bool WarmSolverWanted() { return Variable("GIB_SERVER") != "off"; }

WarmAnswer SolveWarm(const Deal& deal, TrickTable& table, std::string& fault) {
  // The same for the whole run: worked out once, not for each deal.
  static const std::string name = SolverName();
  int fd = Connect(name);
  if (fd < 0) fd = StartAndConnect(name);
  if (fd < 0) return WarmAnswer::kUnavailable;
  const Descriptor connection(fd);
  Request request{kRequestTag, deal};
  Reply reply{};
  if (!SendAll(connection.get(), &request, sizeof request) ||
      !ReceiveAll(connection.get(), &reply, sizeof reply) || reply.tag != kReplyTag) {
    return WarmAnswer::kUnavailable;
  }
  reply.fault[sizeof reply.fault - 1] = '\0';
  if (reply.fault[0] != '\0') {
    fault = reply.fault;
    return WarmAnswer::kFault;
  }
  for (const auto& strain : reply.tricks) {
    for (const int32_t tricks : strain) {
      if (tricks < 0 || tricks > 13) return WarmAnswer::kUnavailable;
    }
  }
  std::memcpy(table.results.resTable, reply.tricks, sizeof reply.tricks);
  return WarmAnswer::kSolved;
}

int ServeSolves(const std::string& name) {
  const Descriptor listener(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_un address;
  const socklen_t size = Address(name, address);
  // Taken: another solver answers under this name.
  if (listener.get() < 0 ||
      bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
      listen(listener.get(), SOMAXCONN) != 0) {
    return 0;
  }
  // Keeps no directory in use. Loading libdds comes first, as its search path may be
  // relative to the directory gib was started in.
  PrepareSolver();
  if (!Dds().fault.empty()) return 1;
  if (chdir("/") != 0) return 1;
  signal(SIGPIPE, SIG_IGN);
  for (;;) {
    pollfd waiting{listener.get(), POLLIN, 0};
    const int ready = poll(&waiting, 1, kIdleSeconds * 1000);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return 0;
    const Descriptor connection(accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (connection.get() >= 0) Answer(connection.get());
  }
}

}  // namespace solver

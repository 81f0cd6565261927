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
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

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
// While it solves, the solver sends kAlive every kBeatMilliseconds; gib gives up on a
// solver silent for kSilenceMilliseconds (stopped, wedged, its queue not moving), and on
// any after kLongestSolveSeconds, and solves the deal itself.
constexpr char kAlive = '.';
constexpr auto kBeatMilliseconds = std::chrono::milliseconds(250);
constexpr int kSilenceMilliseconds = 2000;
constexpr int kLongestSolveSeconds = 120;

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

// The directory of this user's solver sockets, made when missing: "dealmint-gib" in
// $XDG_RUNTIME_DIR when that is an absolute directory of this user's that no one else may
// write to, else /tmp/dealmint-gib-UID. Empty unless it is a directory (not a link) that
// this user owns and only this user may use: one planted by another user is never used.
std::string PrivateDirectory() {
  const uid_t user = getuid();
  const std::string runtime = Variable("XDG_RUNTIME_DIR");
  struct stat info {};
  const bool runtime_sound = runtime.starts_with('/') && lstat(runtime.c_str(), &info) == 0 &&
                             S_ISDIR(info.st_mode) && info.st_uid == user &&
                             (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
  const std::string directory =
      runtime_sound ? runtime + "/dealmint-gib" : "/tmp/dealmint-gib-" + std::to_string(user);
  if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) return "";
  if (lstat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user ||
      (info.st_mode & 077) != 0) {
    return "";
  }
  return directory;
}

// The socket address of the named solver in the private directory; false when there is
// no such directory or the path does not fit.
bool Address(const std::string& name, sockaddr_un& address) {
  const std::string directory = PrivateDirectory();
  const std::string path = directory + "/" + name;
  address = {};
  address.sun_family = AF_UNIX;
  if (directory.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
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

// A connection to the named solver, if one listens and belongs to this user. It never
// waits: a solver whose queue is full counts as none. The descriptor does not block.
int Connect(const std::string& name) {
  sockaddr_un address;
  if (!Address(name, address)) return -1;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      SameUser(fd)) {
    return fd;
  }
  close(fd);
  return -1;
}

// Waits up to the time given for the descriptor to be ready for events; false when it is
// not (time out, hang-up without data, error).
bool AwaitReady(int fd, short events, int milliseconds) {
  pollfd waiting{fd, events, 0};
  for (;;) {
    const int ready = poll(&waiting, 1, milliseconds);
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0 && (waiting.revents & events) != 0;
  }
}

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

// Solves the deal, sending kAlive to the waiting gib every kBeatMilliseconds meanwhile.
std::string SolveShowingLife(int fd, const Deal& deal, TrickTable& table) {
  std::mutex guard;
  std::condition_variable finished;
  bool done = false;
  std::thread beat([&] {
    std::unique_lock<std::mutex> lock(guard);
    while (!finished.wait_for(lock, kBeatMilliseconds, [&] { return done; })) {
      send(fd, &kAlive, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
  });
  std::string fault = SolveDeal(deal, table);
  {
    const std::lock_guard<std::mutex> lock(guard);
    done = true;
  }
  finished.notify_one();
  beat.join();
  return fault;
}

// Answers one connected gib: a whole deal in, its table or libdds's fault out. True when
// it answered a request of this user's, the only thing that keeps the solver alive.
bool Answer(int fd) {
  if (!SameUser(fd)) return false;
  const timeval limit{kExchangeSeconds, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  Request request;
  if (!ReceiveAll(fd, &request, sizeof request) || request.tag != kRequestTag ||
      !IsWholeDeal(request.deal)) {
    return false;
  }
  TrickTable table;
  const std::string fault = SolveShowingLife(fd, request.deal, table);
  Reply reply{};
  reply.tag = kReplyTag;
  std::memcpy(reply.tricks, table.results.resTable, sizeof reply.tricks);
  std::strncpy(reply.fault, fault.c_str(), sizeof reply.fault - 1);
  SendAll(fd, &reply, sizeof reply);
  return true;
}

// Binds the listener to the named solver's socket file: a file left by a solver that has
// ended is replaced, one that a live solver answers on is not. False when not bound.
bool Bind(int listener, const std::string& name) {
  sockaddr_un address;
  if (!Address(name, address)) return false;
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  if (bind(listener, where, sizeof address) == 0) return true;
  if (errno != EADDRINUSE) return false;
  const int live = Connect(name);
  if (live >= 0) {
    close(live);
    return false;
  }
  unlink(address.sun_path);
  return bind(listener, where, sizeof address) == 0;
}

// The identity of the socket file at the name's path; {0, 0} when there is none.
std::pair<dev_t, ino_t> SocketFile(const std::string& name) {
  sockaddr_un address;
  struct stat info {};
  if (!Address(name, address) || lstat(address.sun_path, &info) != 0) return {0, 0};
  return {info.st_dev, info.st_ino};
}

// Answers this user's requests until kIdleSeconds pass without one.
void AnswerUntilIdle(int listener) {
  using Clock = std::chrono::steady_clock;
  auto idle_end = Clock::now() + std::chrono::seconds(kIdleSeconds);
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(idle_end - Clock::now()).count();
    if (left <= 0) return;
    pollfd waiting{listener, POLLIN, 0};
    const int ready = poll(&waiting, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return;
    const Descriptor connection(accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
    if (connection.get() >= 0 && Answer(connection.get())) {
      idle_end = Clock::now() + std::chrono::seconds(kIdleSeconds);
    }
  }
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
  const Request request{kRequestTag, deal};
  Reply reply{};
  if (!Exchange(connection.get(), request, reply) || reply.tag != kReplyTag) {
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
  // Not bound: another solver answers under this name, or there is no private directory.
  if (listener.get() < 0 || !Bind(listener.get(), name) || listen(listener.get(), SOMAXCONN) != 0) {
    return 0;
  }
  // Keeps no directory in use. Loading libdds comes first, as its search path may be
  // relative to the directory gib was started in.
  PrepareSolver();
  if (!Dds().fault.empty()) return 1;
  if (chdir("/") != 0) return 1;
  signal(SIGPIPE, SIG_IGN);
  const std::pair<dev_t, ino_t> bound = SocketFile(name);
  AnswerUntilIdle(listener.get());
  // The file goes with the solver, unless a later solver has replaced it.
  if (SocketFile(name) == bound) {
    sockaddr_un address;
    if (Address(name, address)) unlink(address.sun_path);
  }
  return 0;
}

}  // namespace solver

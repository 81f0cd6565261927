// The warm solver itself: ServeSolves of warm_solver.h.
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "solver/dds_library.h"
#include "solver/warm_endpoint.h"
#include "solver/warm_socket.h"
#include "solver/warm_solver.h"
#include "solver/warm_wire.h"

namespace solver {
namespace {

// How long the solver waits for a connected gib to send its request or take the reply.
constexpr int kExchangeSeconds = 2;

// Solves the deal, sending kAlive to the waiting gib every kBeatMilliseconds meanwhile.
std::string SolveShowingLife(int fd, const Deal& deal, DdTable& table) {
  std::mutex guard;
  std::condition_variable finished;
  bool done = false;
  std::thread beat([&] {
    std::unique_lock<std::mutex> lock(guard);
    while (!finished.wait_for(lock, std::chrono::milliseconds(kBeatMilliseconds),
                              [&] { return done; })) {
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
  if (!ReceiveAll(fd, &request, sizeof request) || !IsSoundRequest(request)) return false;
  DdTable table;
  const std::string fault = SolveShowingLife(fd, request.deal, table);
  const Reply reply = MakeReply(table, fault);
  SendAll(fd, &reply, sizeof reply);
  return true;
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

int ServeSolves(const std::string& name) {
  const Descriptor listener(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  // Not bound: another solver answers under this name, or there is no private directory.
  if (listener.get() < 0 || !Bind(listener.get(), name) || listen(listener.get(), SOMAXCONN) != 0) {
    return 0;
  }
  // Keeps no directory in use. Loading libdds comes first, as its search path may be
  // relative to the directory gib was started in.
  if (!Dds().fault.empty()) return 1;
  if (chdir("/") != 0) return 1;
  signal(SIGPIPE, SIG_IGN);
  const std::pair<uint64_t, uint64_t> bound = SocketFile(name);
  AnswerUntilIdle(listener.get());
  // The file goes with the solver, unless a later solver has replaced it.
  if (SocketFile(name) == bound) RemoveSocketFile(name);
  return 0;
}

}  // namespace solver

#pragma once

#include <cstddef>

namespace solver {

// Socket I/O of the warm solver and its clients (POSIX only, like every warm-solver file
// but the wire format). None of these stops the process.

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor();
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Sends or receives the whole block, waiting as the descriptor's own time limits allow;
// false on any failure, the other end's closing included. Sending never raises SIGPIPE.
bool SendAll(int fd, const void* data, size_t size);
bool ReceiveAll(int fd, void* data, size_t size);

// Waits up to the time given for the descriptor to be ready for the poll events (POLLIN,
// POLLOUT); false when it is not (time out, hang-up without data, error).
bool AwaitReady(int fd, short events, int milliseconds);

// Whether the process at the other end of the connected Unix socket belongs to this user.
bool SameUser(int fd);

}  // namespace solver

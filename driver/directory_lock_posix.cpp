#include "driver/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>

#include "util/run_abort.h"

namespace driver {
namespace {

[[noreturn]] void Locked() { util::RunAbort("Another run of Dealmint is using this directory."); }

// The lock on the directory itself. False when it cannot be opened for reading (a
// directory of mode 0300) or offers no locks.
bool LockByFlock() {
  // The descriptor stays open, and so locked, until the process ends; the solver does
  // not inherit it, so a solver left running cannot hold the directory.
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) Locked();
    ::close(fd);
    return false;
  }
  return true;
}

// The lock of a name that stands for the directory (its device and inode) among the
// abstract Unix socket names: bound by one process at a time, in any directory that can
// be stood in, and let go when the process ends. False when no socket can be made.
bool LockByName() {
  struct stat here {};
  if (::stat(".", &here) != 0) return false;
  const std::string name =
      "dealmint-directory-" + std::to_string(here.st_dev) + "-" + std::to_string(here.st_ino);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());  // a leading NUL: abstract
  const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0) return true;
  if (errno == EADDRINUSE) Locked();
  ::close(fd);
  return false;
}

}  // namespace

void LockWorkingDirectory() {
  // Both locks where both can be had: the name also holds a directory that cannot be
  // read, and the directory's own lock also holds where processes see other names.
  const bool flocked = LockByFlock();
  const bool named = LockByName();
  if (!flocked && !named) util::RunAbort("Cannot lock this directory for Dealmint.");
}

}  // namespace driver

#include "driver/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "util/run_abort.h"

namespace driver {

void LockWorkingDirectory() {
  // The descriptor stays open, and so locked, until the process ends; the solver does
  // not inherit it, so a solver left running cannot hold the directory.
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) util::RunAbort("Another run of Dealmint is using this directory.");
    ::close(fd);
    return;
  }
}

}  // namespace driver

#include "runtime/write_all.h"

#include <unistd.h>

#include <cerrno>

#include "runtime/io_error.h"

namespace runtime {

int WriteAll(int fd, std::string_view s) {
  while (!s.empty()) {
    const ssize_t n = ::write(fd, s.data(), s.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrorNumberOf(errno, Transfer::Write);
    }
    if (n == 0) return kDiskFull;
    s.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

}  // namespace runtime

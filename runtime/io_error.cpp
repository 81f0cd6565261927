#include "runtime/io_error.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "runtime/stop_hook.h"

namespace runtime {

int ErrorNumberOf(int errno_value, Transfer transfer) {
  switch (errno_value) {
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EMFILE:
      return 4;
    case EBADF:
      return 6;
    case EROFS:
      return 150;
    case EIO:
      return transfer == Transfer::Read ? 161 : 160;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return kDiskFull;
    default:
      return 5;  // EACCES, EPERM, EEXIST, ENOTEMPTY, EBUSY, ETXTBSY, EISDIR and the rest
  }
}

void IoErrorStopAt(int number, const void* address) {
  char line[64];
  const auto low_bits = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
  const int length = std::snprintf(line, sizeof line, "Runtime error %d at $%08X\r\n", number,
                                   static_cast<unsigned>(low_bits));
  // Nothing is left to report a failure to: the stop goes on whatever write() says.
  for (int written = 0; written < length;) {
    const ssize_t n = ::write(STDOUT_FILENO, line + written, static_cast<size_t>(length - written));
    if (n <= 0 && errno != EINTR) break;
    if (n > 0) written += static_cast<int>(n);
  }
  RunStopHook(number);
  _exit(number);
}

__attribute__((noinline)) void IoErrorStop(int number) {
  IoErrorStopAt(number, __builtin_extract_return_addr(__builtin_return_address(0)));
}

}  // namespace runtime

#include "runtime/io_error.h"

#include <cerrno>

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

}  // namespace runtime

#include "runtime/io_error.h"

#include <windows.h>

#include "runtime/io_error_win32.h"

namespace runtime {

int ErrorNumberOfSystemError(unsigned long code) {
  switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
      return 5;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kDiskFull;
    default:
      if (code >= ERROR_WRITE_PROTECT && code <= ERROR_GEN_FAILURE) {
        return static_cast<int>(code - ERROR_WRITE_PROTECT) + 150;
      }
      return code == 0 ? 5 : static_cast<int>(code);
  }
}

}  // namespace runtime

#include "runtime/write_all.h"

#include <io.h>
#include <windows.h>

#include "runtime/io_error.h"
#include "runtime/io_error_win32.h"

namespace runtime {

// WriteFile on the descriptor's handle: the C library's text mode never sees the bytes.
int WriteAll(int fd, std::string_view s) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  if (handle == INVALID_HANDLE_VALUE) return 6;
  constexpr size_t kLargestWrite = size_t{1} << 30;
  while (!s.empty()) {
    const DWORD size = static_cast<DWORD>(s.size() < kLargestWrite ? s.size() : kLargestWrite);
    DWORD written = 0;
    if (!::WriteFile(handle, s.data(), size, &written, nullptr)) {
      return ErrorNumberOfSystemError(::GetLastError());
    }
    if (written == 0) return kDiskFull;
    s.remove_prefix(written);
  }
  return 0;
}

}  // namespace runtime

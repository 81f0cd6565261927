#include "driver/directory_lock.h"

#include <windows.h>

#include <cstdio>

#include "util/run_abort.h"

namespace driver {
namespace {

constexpr char kInUse[] = "Another run of Dealmint is using this directory.";

}  // namespace

// A directory cannot carry a byte-range lock, so the lock is a named mutex whose name
// stands for the directory itself: its volume's serial number and its file index, the
// same whatever path or case names it. The handle stays open, and the mutex owned,
// until the process ends; the solver does not inherit it.
void LockWorkingDirectory() {
  const HANDLE dir = ::CreateFileA(".", 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (dir == INVALID_HANDLE_VALUE) return;
  BY_HANDLE_FILE_INFORMATION info{};
  const BOOL known = ::GetFileInformationByHandle(dir, &info);
  ::CloseHandle(dir);
  if (!known) return;
  char name[64];
  std::snprintf(name, sizeof name, "Global\\Dealmint-%08lX-%08lX%08lX", info.dwVolumeSerialNumber,
                info.nFileIndexHigh, info.nFileIndexLow);
  const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name);
  // Refused: another user's run holds the name.
  if (mutex == nullptr && ::GetLastError() == ERROR_ACCESS_DENIED) {
    util::RunAbort(kInUse);
  }
  if (mutex == nullptr) return;
  // An abandoned mutex (its run ended without releasing it) is ours now.
  if (::WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT) {
    util::RunAbort(kInUse);
  }
}

}  // namespace driver

#include "driver/directory_lock.h"

#include <windows.h>

#include <cstdio>

#include "util/run_abort.h"

namespace driver {
namespace {

[[noreturn]] void Locked() { util::RunAbort("Another run of Dealmint is using this directory."); }
[[noreturn]] void Unlockable() { util::RunAbort("Cannot lock this directory for Dealmint."); }

// The mutex's name: the volume's serial number and the directory's file index, the same
// whatever path or case names the directory. False when the directory cannot be opened
// even to read its attributes.
bool LockName(char (&name)[64]) {
  const HANDLE dir = ::CreateFileA(".", 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (dir == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const BOOL known = ::GetFileInformationByHandle(dir, &info);
  ::CloseHandle(dir);
  if (!known) return false;
  std::snprintf(name, sizeof name, "Global\\Dealmint-%08lX-%08lX%08lX", info.dwVolumeSerialNumber,
                info.nFileIndexHigh, info.nFileIndexLow);
  return true;
}

}  // namespace

// A directory cannot carry a byte-range lock, so the lock is a named mutex whose name
// stands for the directory itself. The handle stays open, and the mutex owned, until the
// process ends; the solver does not inherit it. Where no mutex can be had the run stops
// rather than going on unlocked.
void LockWorkingDirectory() {
  char name[64];
  if (!LockName(name)) Unlockable();
  const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name);
  if (mutex == nullptr) {
    // Refused: another user's run holds the name.
    if (::GetLastError() == ERROR_ACCESS_DENIED) Locked();
    Unlockable();
  }
  // An abandoned mutex (its run ended without releasing it) is ours now.
  const DWORD waited = ::WaitForSingleObject(mutex, 0);
  if (waited == WAIT_TIMEOUT) Locked();
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) Unlockable();
}

}  // namespace driver

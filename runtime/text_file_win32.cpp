#include "runtime/text_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>
// windows.h names DeleteFileA DeleteFile; ours is runtime::DeleteFile.
#undef DeleteFile

#include "runtime/io_error.h"
#include "runtime/io_error_win32.h"

// The calls of TextFile that differ by platform: Win32 handles, wrapped in C library
// descriptors in binary mode only to be kept in fd_.
namespace runtime {
namespace {

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

// A descriptor for the handle; on failure the handle is closed and -1 returned.
int DescriptorOf(HANDLE handle, int flags) {
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
  if (fd < 0) ::CloseHandle(handle);
  return fd;
}

// Whether what the handle opened is a regular file with no other name (not a link of
// any kind, not a directory): a hard link has no owner of its own to judge it by, so a
// name planted in a shared directory never makes a run overwrite some other file.
bool IsPlainFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return false;
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
  return (info.dwFileAttributes & kNotPlain) == 0 && info.nNumberOfLinks <= 1;
}

// Whether the handle's owner is the user this process runs as.
bool OwnedByThisUser(HANDLE handle) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  bool same = false;
  HANDLE token = nullptr;
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
    alignas(TOKEN_USER) char user[256];
    DWORD size = 0;
    if (::GetTokenInformation(token, TokenUser, user, sizeof user, &size)) {
      same = ::EqualSid(reinterpret_cast<TOKEN_USER*>(user)->User.Sid, owner) != 0;
    }
    ::CloseHandle(token);
  }
  ::LocalFree(descriptor);
  return same;
}

// Opens name for writing without truncating it, following no link. A link (a reparse
// point) is then opened through only when this user owns it; anything else at a link
// gives 5. The handle, or INVALID_HANDLE_VALUE with the error number in error.
HANDLE OpenUsersFile(const std::string& name, int& error) {
  constexpr DWORD kAccess = GENERIC_WRITE | READ_CONTROL;
  HANDLE handle = ::CreateFileA(name.c_str(), kAccess, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(handle, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    const bool own = OwnedByThisUser(handle);
    ::CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    if (!own) {
      error = 5;
      return handle;
    }
    handle = ::CreateFileA(name.c_str(), kAccess, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (handle == INVALID_HANDLE_VALUE) {
    if (error == 0) error = ErrorNumberOfSystemError(::GetLastError());
    return handle;
  }
  if (!IsPlainFile(handle)) {
    ::CloseHandle(handle);
    error = 5;
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

}  // namespace

int DeleteFile(const std::string& name) {
  if (::DeleteFileA(name.c_str())) return 0;
  return ErrorNumberOfSystemError(::GetLastError());
}

int TextFile::CloseDescriptor(int fd) {
  if (fd < 0 || _close(fd) == 0) return 0;
  return ErrorNumberOfSystemError(::GetLastError());
}

int TextFile::OpenForReading(const std::string& name) {
  Adopt(-1, Mode::Closed);
  // A directory cannot be opened this way: it gives 5.
  const HANDLE handle =
      ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return ErrorNumberOfSystemError(::GetLastError());
  const int fd = DescriptorOf(handle, _O_RDONLY);
  if (fd < 0) return 4;
  Adopt(fd, Mode::Input);
  return 0;
}

int TextFile::OpenOwnForReading(const std::string& name) {
  Adopt(-1, Mode::Closed);
  // The link itself is opened, never what it names, and then refused.
  const HANDLE handle =
      ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return ErrorNumberOfSystemError(::GetLastError());
  BY_HANDLE_FILE_INFORMATION info{};
  constexpr DWORD kNotRegular = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
  if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & kNotRegular) != 0) {
    ::CloseHandle(handle);
    return 5;
  }
  const int fd = DescriptorOf(handle, _O_RDONLY);
  if (fd < 0) return 4;
  Adopt(fd, Mode::Input);
  return 0;
}

void TextFile::Rewrite(const std::string& name) {
  Adopt(-1, Mode::Closed);
  int error = 0;
  const HANDLE handle = OpenUsersFile(name, error);
  if (handle == INVALID_HANDLE_VALUE) IoErrorStop(error);
  if (!::SetEndOfFile(handle)) {
    error = ErrorNumberOfSystemError(::GetLastError());
    ::CloseHandle(handle);
    IoErrorStop(error);
  }
  const int fd = DescriptorOf(handle, _O_WRONLY);
  if (fd < 0) IoErrorStop(4);
  Adopt(fd, Mode::Output);
}

void TextFile::CreateOwn(const std::string& name) {
  Adopt(-1, Mode::Closed);
  // Deleting a link deletes the link, never what it names. What cannot be deleted (a
  // directory, a file open elsewhere) makes the exclusive creation fail, so 5.
  ::DeleteFileA(name.c_str());
  const HANDLE handle =
      ::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) IoErrorStop(ErrorNumberOfSystemError(::GetLastError()));
  const int fd = DescriptorOf(handle, _O_WRONLY);
  if (fd < 0) IoErrorStop(4);
  Adopt(fd, Mode::Output);
}

bool TextFile::Fill() {
  if (position_ < buffer_.size()) return true;
  buffer_.resize(kReadBlock);
  position_ = 0;
  DWORD got = 0;
  if (!::ReadFile(HandleOf(fd_), buffer_.data(), static_cast<DWORD>(kReadBlock), &got, nullptr)) {
    const DWORD error = ::GetLastError();
    buffer_.clear();
    if (error == ERROR_BROKEN_PIPE) return false;  // a broken pipe reads as the end of the file
    IoErrorStop(ErrorNumberOfSystemError(error));
  }
  buffer_.resize(got);
  return got > 0;
}

}  // namespace runtime

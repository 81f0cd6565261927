#include "runtime/text_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
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

// Whether Rewrite may write into what it opened: a regular file with no other name
// (not a link of any kind, not a directory), so that a name planted in a shared
// directory never makes a run overwrite some other file.
bool IsPlainFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return false;
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
  return (info.dwFileAttributes & kNotPlain) == 0 && info.nNumberOfLinks <= 1;
}

}  // namespace

int DeleteFile(const std::string& name) {
  if (::DeleteFileA(name.c_str())) return 0;
  return ErrorNumberOfSystemError(::GetLastError());
}

TextFile::~TextFile() {
  if (fd_ >= 0) _close(fd_);
}

int TextFile::OpenForReading(const std::string& name) {
  if (fd_ >= 0) _close(fd_);
  fd_ = -1;
  mode_ = Mode::Closed;
  // A directory cannot be opened this way: it gives 5.
  const HANDLE handle =
      ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return ErrorNumberOfSystemError(::GetLastError());
  const int fd = DescriptorOf(handle, _O_RDONLY);
  if (fd < 0) return 4;
  fd_ = fd;
  mode_ = Mode::Input;
  buffer_.clear();
  position_ = 0;
  return 0;
}

void TextFile::Rewrite(const std::string& name) {
  if (fd_ >= 0) _close(fd_);
  fd_ = -1;
  mode_ = Mode::Closed;
  const HANDLE handle =
      ::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) IoErrorStop(ErrorNumberOfSystemError(::GetLastError()));
  if (!IsPlainFile(handle)) {
    ::CloseHandle(handle);
    IoErrorStop(5);
  }
  if (!::SetEndOfFile(handle)) {
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle);
    IoErrorStop(ErrorNumberOfSystemError(error));
  }
  const int fd = DescriptorOf(handle, _O_WRONLY);
  if (fd < 0) IoErrorStop(4);
  fd_ = fd;
  mode_ = Mode::Output;
  buffer_.clear();
  buffer_.reserve(kWriteBlock);
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

void TextFile::Close() {
  if (mode_ == Mode::Closed) IoErrorStop(kFileNotOpen);
  if (mode_ == Mode::Output) Flush();
  const int fd = fd_;
  fd_ = -1;
  mode_ = Mode::Closed;
  buffer_.clear();
  position_ = 0;
  if (_close(fd) != 0) IoErrorStop(ErrorNumberOfSystemError(::GetLastError()));
}

}  // namespace runtime

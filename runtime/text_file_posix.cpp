#include "runtime/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime/io_error.h"

// The calls of TextFile that differ by platform: POSIX descriptors.
namespace runtime {
namespace {

// The directory that holds name's last component.
std::string DirectoryOf(const std::string& name) {
  const size_t slash = name.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : name.substr(0, slash);
}

// Whether a symbolic link (its lstat given) may be followed to a file of the user's:
// the running user owns it, or nobody but the user (and root) can write to its directory.
bool MayFollow(const std::string& name, const struct stat& link) {
  if (link.st_uid == ::geteuid()) return true;
  struct stat directory {};
  if (::stat(DirectoryOf(name).c_str(), &directory) != 0) return false;
  const bool others_write = (directory.st_mode & (S_IWGRP | S_IWOTH)) != 0 ||
                            (directory.st_uid != ::geteuid() && directory.st_uid != 0);
  return !others_write;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the user's file for writing as Rewrite describes. The descriptor, or minus the
// error number.
int OpenUsersFile(const std::string& name) {
  struct stat before {};
  const bool existed = ::lstat(name.c_str(), &before) == 0;
  if (existed && S_ISLNK(before.st_mode) && !MayFollow(name, before)) return -5;
  // No truncation before the name is known to be what was checked.
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return -ErrorNumberOf(errno);
  struct stat opened {};
  struct stat after {};
  bool sound = ::fstat(fd, &opened) == 0 && !S_ISFIFO(opened.st_mode) &&
               !S_ISSOCK(opened.st_mode) && ::lstat(name.c_str(), &after) == 0;
  // A link swapped in since the check is refused; so is a file that is not the one opened.
  if (sound && S_ISLNK(after.st_mode)) {
    sound = existed && S_ISLNK(before.st_mode) && SameFile(before, after);
  } else if (sound) {
    sound = SameFile(opened, after);
  }
  int error = sound ? 0 : 5;
  if (error == 0 && S_ISREG(opened.st_mode) && ::ftruncate(fd, 0) != 0) {
    error = ErrorNumberOf(errno);
  }
  if (error == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    error = ErrorNumberOf(errno);
  }
  if (error == 0) return fd;
  ::close(fd);
  return -error;
}

}  // namespace

int DeleteFile(const std::string& name) {
  if (::unlink(name.c_str()) == 0) return 0;
  return ErrorNumberOf(errno);
}

int TextFile::CloseDescriptor(int fd) {
  if (fd < 0 || ::close(fd) == 0 || errno == EINTR) return 0;
  return ErrorNumberOf(errno, Transfer::Write);
}

int TextFile::OpenForReading(const std::string& name) {
  Adopt(-1, Mode::Closed);
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorNumberOf(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return 5;
  }
  Adopt(fd, Mode::Input);
  return 0;
}

int TextFile::OpenOwnForReading(const std::string& name) {
  Adopt(-1, Mode::Closed);
  const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ELOOP ? 5 : ErrorNumberOf(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return 5;
  }
  Adopt(fd, Mode::Input);
  return 0;
}

void TextFile::Rewrite(const std::string& name) {
  Adopt(-1, Mode::Closed);
  const int fd = OpenUsersFile(name);
  if (fd < 0) IoErrorStop(-fd);
  Adopt(fd, Mode::Output);
}

void TextFile::CreateOwn(const std::string& name) {
  Adopt(-1, Mode::Closed);
  // What cannot be removed makes the exclusive creation fail with EEXIST, so 5.
  ::unlink(name.c_str());
  const int fd =
      ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) IoErrorStop(ErrorNumberOf(errno));
  Adopt(fd, Mode::Output);
}

bool TextFile::Fill() {
  if (position_ < buffer_.size()) return true;
  buffer_.resize(kReadBlock);
  position_ = 0;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), kReadBlock);
    if (n >= 0) {
      buffer_.resize(static_cast<size_t>(n));
      return n > 0;
    }
    if (errno == EINTR) continue;
    buffer_.clear();
    if (errno == EPIPE) return false;  // a broken pipe reads as the end of the file
    IoErrorStop(ErrorNumberOf(errno, Transfer::Read));
  }
}

}  // namespace runtime

#include "runtime/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/io_error.h"

// The calls of TextFile that differ by platform: POSIX descriptors.
namespace runtime {

int DeleteFile(const std::string& name) {
  if (::unlink(name.c_str()) == 0) return 0;
  return ErrorNumberOf(errno);
}

TextFile::~TextFile() {
  if (fd_ >= 0) ::close(fd_);
}

int TextFile::OpenForReading(const std::string& name) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  mode_ = Mode::Closed;
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorNumberOf(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return 5;
  }
  fd_ = fd;
  mode_ = Mode::Input;
  buffer_.clear();
  position_ = 0;
  return 0;
}

void TextFile::Rewrite(const std::string& name) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  mode_ = Mode::Closed;
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) IoErrorStop(ErrorNumberOf(errno));
  fd_ = fd;
  mode_ = Mode::Output;
  buffer_.clear();
  buffer_.reserve(kWriteBlock);
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

void TextFile::Close() {
  if (mode_ == Mode::Closed) IoErrorStop(kFileNotOpen);
  if (mode_ == Mode::Output) Flush();
  const int fd = fd_;
  fd_ = -1;
  mode_ = Mode::Closed;
  buffer_.clear();
  position_ = 0;
  if (::close(fd) != 0 && errno != EINTR) IoErrorStop(ErrorNumberOf(errno, Transfer::Write));
}

}  // namespace runtime

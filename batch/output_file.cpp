#include "batch/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/write_all.h"

namespace batch {
namespace {
constexpr size_t kBlock = 1 << 16;
}  // namespace

OutputFile::OutputFile(const std::string& name) : name_(name) {
  if (name == "-") {
    fd_ = STDOUT_FILENO;
  } else {
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) Fail(errno);
  }
  buffer_.reserve(kBlock);
}

OutputFile::~OutputFile() {
  if (fd_ > STDOUT_FILENO) ::close(fd_);
}

void OutputFile::Write(std::string_view bytes) {
  buffer_ += bytes;
  if (buffer_.size() >= kBlock) Flush();
}

void OutputFile::Flush() {
  if (buffer_.empty()) return;
  // WriteAll's number is the system's I/O error number; errno still tells why.
  errno = 0;
  if (runtime::WriteAll(fd_, buffer_) != 0) Fail(errno != 0 ? errno : ENOSPC);
  buffer_.clear();
}

void OutputFile::Close() {
  Flush();
  if (fd_ > STDOUT_FILENO && ::close(fd_) != 0) {
    fd_ = -1;
    Fail(errno);
  }
  fd_ = -1;
}

void OutputFile::Fail(int error) const {
  FatalStop((name_ == "-" ? std::string("standard output") : name_) + ": " + std::strerror(error),
            2);
}

void FatalStop(const std::string& message, int exit_code) {
  std::fflush(stdout);
  std::fprintf(stderr, "dealmint-batch: %s\n", message.c_str());
  EndProcess(exit_code);
}

void EndProcess(int exit_code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(exit_code);
}

}  // namespace batch

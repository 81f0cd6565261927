#pragma once

#include <string>
#include <string_view>

namespace batch {

// A file that an output of dealmint-batch writes, buffered in large blocks. "-" is
// standard output. Another name is created, or truncated in place (following a link);
// the kernel's link protection in directories others can write to keeps a planted link
// from being followed. A failure to open or to write ends the process with a message
// "dealmint-batch: NAME: reason" on standard error and exit code 2: an output cut short
// is never reported as a success.
class OutputFile {
 public:
  explicit OutputFile(const std::string& name);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  void Write(std::string_view bytes);
  // Writes out the buffer; for a named file, closes it.
  void Close();

 private:
  void Flush();
  [[noreturn]] void Fail(int error) const;

  std::string name_;
  int fd_ = -1;
  std::string buffer_;
};

// Writes "dealmint-batch: " and the message as a line on standard error, flushes the
// standard streams and ends the process with the exit code at once (the solver library
// cannot be torn down by exit; see solver/dds_library.h).
[[noreturn]] void FatalStop(const std::string& message, int exit_code);

// Flushes the standard streams and ends the process with the exit code at once.
[[noreturn]] void EndProcess(int exit_code);

}  // namespace batch

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

// Deletes a file. Returns 0, or the error number of the failure (2 for a missing file);
// never stops.
int DeleteFile(const std::string& name);

// A text file open for reading or for writing, in the system's conventions.
// Input: a line ends at CR LF, LF alone or CR alone; a byte 26 (Ctrl-Z) ends the
// readable input wherever it stands. Output: lines end with CR LF and bytes go out in
// blocks of 256. Every failure but that of OpenForReading is an I/O error stop
// (103 not open, 104 not open for input, 105 not open for output, or the errno's number).
// The destructor only releases the descriptor: Close() writes what is buffered.
class TextFile {
 public:
  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile();

  // Opens an existing file for reading. Returns 0, or the error number of the failure
  // (a directory gives 5); never stops.
  int OpenForReading(const std::string& name);

  // Opens one of the program's own temporary files for reading: never through a symbolic
  // link and never waiting on a FIFO; anything but a regular file gives 5. Returns 0 or
  // the error number; never stops.
  int OpenOwnForReading(const std::string& name);

  // Creates the file for writing, or truncates an existing one in place. A symbolic link
  // is followed when the running user owns it or nobody else can write to its directory
  // (a directory with group or other write permission, or owned by another user other
  // than root); a link that another user planted where others can write is refused with
  // 5, whatever the system's own link protection says. A FIFO or socket is refused with
  // 5 without waiting for a reader. Stops on failure.
  void Rewrite(const std::string& name);

  // Creates one of the program's own temporary files for writing: removes whatever stands
  // at the name (file, link, FIFO), then makes a new regular file exclusively, never
  // through a link and never waiting on a FIFO. Stops on failure, with 5 when something
  // that cannot be removed stands at the name.
  void CreateOwn(const std::string& name);

  // Reading. End of file: the physical end, or the next byte is 26.
  bool Eof();
  // Consumes `prefix` when the unread input starts with it (within the block read last,
  // which at the start of a file holds its first 64 KiB); true when it did.
  bool SkipPrefix(std::string_view prefix);
  // The characters up to, not including, the line end, a byte 26 or the end; at most
  // 255 of them. The line end is not consumed. At the end of the file: empty.
  Text ReadLine();
  // Consumes the rest of the line and its line end; stops before a byte 26.
  void SkipLine();
  // ReadLine, then SkipLine.
  Text TakeLine();
  // The next byte, line ends included; nothing at the physical end of the file.
  std::optional<char> ReadChar();
  // Skips every byte of code 32 or less (across lines; a byte 26 ends the skip as the
  // end of the file), then takes the bytes up to the next one of code 32 or less, at
  // most 255. Empty when nothing is left. The terminator is not consumed.
  Text ReadToken();
  // ReadToken converted with TextToInteger. Nothing left gives 0; bytes that do not
  // convert stop with 106.
  int32_t ReadInteger();

  // Writing.
  void Write(std::string_view s);
  void WriteLine(std::string_view s = {});

  // Writes out the buffer (for a file being written) and closes. Stops on failure.
  void Close();
  // Writes out the buffer now; the file stays open.
  void Flush();

 private:
  enum class Mode { Closed, Input, Output };
  static constexpr size_t kReadBlock = 65536;
  static constexpr size_t kWriteBlock = 256;

  // Takes fd (closing the one held) in the given mode, with an empty buffer; -1: closed.
  void Adopt(int fd, Mode mode);
  // Closes the descriptor: 0, or the I/O error number of a failed close (an interrupted
  // one counts as closed); 0 for -1. Per platform.
  static int CloseDescriptor(int fd);
  // Makes sure a byte is buffered if the file has one; false at the physical end.
  bool Fill();
  // The next byte without consuming it, or -1 at the physical end.
  int Peek();
  void RequireInput();
  void RequireOutput();

  int fd_ = -1;
  Mode mode_ = Mode::Closed;
  std::string buffer_;
  size_t position_ = 0;  // next unread byte of buffer_ when reading
};

}  // namespace runtime

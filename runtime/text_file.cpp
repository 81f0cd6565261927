#include "runtime/text_file.h"

#include "runtime/integer_text.h"
#include "runtime/io_error.h"
#include "runtime/line_end.h"
#include "runtime/write_all.h"

namespace runtime {
namespace {

constexpr char kCtrlZ = 26;

bool IsBlankOrControl(int c) { return c >= 0 && c <= 32; }

}  // namespace

TextFile::~TextFile() { CloseDescriptor(fd_); }

void TextFile::Adopt(int fd, Mode mode) {
  CloseDescriptor(fd_);  // a descriptor let go unused has nothing to report
  fd_ = fd;
  mode_ = fd >= 0 ? mode : Mode::Closed;
  buffer_.clear();
  position_ = 0;
  if (mode_ == Mode::Output) buffer_.reserve(kWriteBlock);
}

void TextFile::RequireInput() {
  if (mode_ == Mode::Closed) IoErrorStop(kFileNotOpen);
  if (mode_ != Mode::Input) IoErrorStop(kFileNotOpenForInput);
}

void TextFile::RequireOutput() {
  if (mode_ == Mode::Closed) IoErrorStop(kFileNotOpen);
  if (mode_ != Mode::Output) IoErrorStop(kFileNotOpenForOutput);
}

int TextFile::Peek() {
  if (!Fill()) return -1;
  return static_cast<unsigned char>(buffer_[position_]);
}

bool TextFile::Eof() {
  RequireInput();
  const int c = Peek();
  return c < 0 || c == kCtrlZ;
}

bool TextFile::SkipPrefix(std::string_view prefix) {
  RequireInput();
  if (!Fill() || std::string_view(buffer_).substr(position_).substr(0, prefix.size()) != prefix) {
    return false;
  }
  position_ += prefix.size();
  return true;
}

Text TextFile::ReadLine() {
  RequireInput();
  std::string line;
  while (line.size() < Text::kMaxLength) {
    const int c = Peek();
    if (c < 0 || c == kCtrlZ || IsLineEnd(c)) break;
    // Take the whole run of ordinary bytes in the buffer at once.
    const size_t room = Text::kMaxLength - line.size();
    size_t end = position_;
    while (end < buffer_.size() && end - position_ < room) {
      const char b = buffer_[end];
      if (b == kCtrlZ || IsLineEnd(static_cast<unsigned char>(b))) break;
      ++end;
    }
    line.append(buffer_, position_, end - position_);
    position_ = end;
  }
  return Text(line);
}

void TextFile::SkipLine() {
  RequireInput();
  for (;;) {
    const int c = Peek();
    if (c < 0 || c == kCtrlZ) return;
    ++position_;
    if (c == '\n') return;
    if (c == '\r') {
      if (Peek() == '\n') ++position_;
      return;
    }
  }
}

Text TextFile::TakeLine() {
  Text line = ReadLine();
  SkipLine();
  return line;
}

std::optional<char> TextFile::ReadChar() {
  RequireInput();
  if (!Fill()) return std::nullopt;
  return buffer_[position_++];
}

Text TextFile::ReadToken() {
  RequireInput();
  int c = Peek();
  while (c >= 0 && c != kCtrlZ && IsBlankOrControl(c)) {
    ++position_;
    c = Peek();
  }
  std::string token;
  while (c >= 0 && !IsBlankOrControl(c) && token.size() < Text::kMaxLength) {
    token += static_cast<char>(c);
    ++position_;
    c = Peek();
  }
  return Text(token);
}

int32_t TextFile::ReadInteger() {
  const Text token = ReadToken();
  if (token.empty()) return 0;
  const std::optional<int32_t> value = TextToInteger(token.view());
  if (!value) IoErrorStop(kInvalidNumber);
  return *value;
}

void TextFile::Write(std::string_view s) {
  RequireOutput();
  while (!s.empty()) {
    const size_t room = kWriteBlock - buffer_.size();
    const size_t take = s.size() < room ? s.size() : room;
    buffer_.append(s.substr(0, take));
    s.remove_prefix(take);
    if (buffer_.size() == kWriteBlock) Flush();
  }
}

void TextFile::WriteLine(std::string_view s) {
  Write(s);
  Write("\r\n");
}

void TextFile::Flush() {
  RequireOutput();
  const int error = WriteAll(fd_, buffer_);
  buffer_.clear();
  if (error != 0) IoErrorStop(error);
}

void TextFile::Close() {
  if (mode_ == Mode::Closed) IoErrorStop(kFileNotOpen);
  if (mode_ == Mode::Output) Flush();
  const int fd = fd_;
  fd_ = -1;
  Adopt(-1, Mode::Closed);
  const int error = CloseDescriptor(fd);
  if (error != 0) IoErrorStop(error);
}

}  // namespace runtime

#pragma once

#include <string_view>

// Line ends as the system reads them: CR LF, LF alone or CR alone each end one line.
namespace runtime {

// Pure: true for a byte that ends a line or starts a line end, CR or LF. Takes the int of
// a character read from a stream, so that its end (-1) is no line end.
constexpr bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

// Pure: true when next, the byte after the line-end byte end, belongs to the same line
// end: the LF of a CR LF.
constexpr bool ContinuesLineEnd(int end, int next) { return end == '\r' && next == '\n'; }

// Pure: the first line of text, without its line end; text is left with what follows
// that line end (empty after the last line).
constexpr std::string_view TakeFirstLine(std::string_view& text) {
  size_t end = 0;
  while (end < text.size() && !IsLineEnd(text[end])) ++end;
  const std::string_view line = text.substr(0, end);
  if (end == text.size()) {
    text = {};
  } else {
    const bool pair = end + 1 < text.size() && ContinuesLineEnd(text[end], text[end + 1]);
    text.remove_prefix(end + (pair ? 2 : 1));
  }
  return line;
}

}  // namespace runtime

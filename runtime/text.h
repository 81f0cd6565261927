#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// A text of at most 255 single-byte characters. Every way of making or growing one
// (construction, assignment, concatenation, insertion) keeps the first 255 characters
// and drops the rest without error. Positions in this interface count from 0.
class Text {
 public:
  static constexpr size_t kMaxLength = 255;

  Text() = default;
  Text(const char* s) : Text(std::string_view(s)) {}  // NOLINT: literals read as texts
  Text(std::string_view s) : bytes_(s.substr(0, kMaxLength)) {}
  Text(const std::string& s) : Text(std::string_view(s)) {}
  Text(size_t count, char c) : bytes_(count < kMaxLength ? count : kMaxLength, c) {}

  const std::string& str() const { return bytes_; }
  std::string_view view() const { return bytes_; }
  size_t length() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  char operator[](size_t i) const { return bytes_[i]; }
  char& operator[](size_t i) { return bytes_[i]; }
  char back() const { return bytes_.back(); }

  Text& operator+=(std::string_view s);
  Text& operator+=(const Text& s) { return *this += s.view(); }
  Text& operator+=(const char* s) { return *this += std::string_view(s); }
  Text& operator+=(char c) { return *this += std::string_view(&c, 1); }

  // Inserts s before position pos (at the end when pos is past it), then cuts at 255.
  void Insert(size_t pos, std::string_view s);
  // Removes up to count characters from pos; nothing when pos is past the end.
  void Erase(size_t pos, size_t count = std::string::npos);
  // Sets the length to n (at most 255); new characters are blanks.
  void Resize(size_t n);
  // The characters from pos on, at most count of them.
  Text Substr(size_t pos, size_t count = std::string::npos) const;

  friend bool operator==(const Text& a, const Text& b) = default;
  friend Text operator+(Text a, const Text& b) { return a += b; }
  friend Text operator+(Text a, std::string_view b) { return a += b; }
  friend Text operator+(Text a, const char* b) { return a += std::string_view(b); }
  friend Text operator+(Text a, char b) { return a += b; }

 private:
  std::string bytes_;
};

}  // namespace runtime

#pragma once

#include <string>
#include <string_view>

namespace pbn {

// The death-test pattern that matches, byte for byte and nothing else, the two lines
// RunAbort writes for message. Texts such as hands carry dots and brackets, so every
// character with a meaning in a regular expression is escaped.
inline std::string AbortOutput(std::string_view message) {
  std::string pattern = "^";
  for (const char c : "Halted by URunAbor because:\r\n" + std::string(message) + "\r\n") {
    if (std::string_view(".[\\(){}*+?^$|").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

}  // namespace pbn

#pragma once

#include <string_view>

// Case in the system's sense: only the ASCII letters have one; every other byte,
// accented letters included, stays as it is.
namespace runtime {

// Pure: the capital of a small letter a-z; any other character unchanged.
constexpr char UpperCaseOf(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Pure: the small letter of a capital A-Z; any other character unchanged.
constexpr char LowerCaseOf(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Pure: equal length and equal characters once letters are upper-cased.
constexpr bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperCaseOf(a[i]) != UpperCaseOf(b[i])) return false;
  }
  return true;
}

}  // namespace runtime

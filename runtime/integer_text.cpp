#include "runtime/integer_text.h"

namespace runtime {
namespace {

// Value of a digit character in any base up to 16, or 16 for a non-digit.
unsigned DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return 16;
}

}  // namespace

std::optional<int32_t> TextToInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  const std::string_view rest = text.substr(i);
  if (rest.starts_with('$')) {
    base = 16, i += 1;
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16, i += 2;
  } else if (rest.starts_with('%')) {
    base = 2, i += 1;
  } else if (rest.starts_with('&')) {
    base = 8, i += 1;
  }
  if (i == text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned digit = DigitValue(text[i]);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  if (base == 10) {
    const uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    if (value > limit) return std::nullopt;
  }
  // Prefixed values are bit patterns; the sign then negates the pattern's signed value.
  uint32_t bits = static_cast<uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

int32_t TextToIntegerOrZero(std::string_view text) { return TextToInteger(text).value_or(0); }

}  // namespace runtime

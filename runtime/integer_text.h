#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace runtime {

// The system's text-to-integer conversion. Leading blanks and tabs are skipped, then an
// optional sign, an optional base prefix ("$", "0x" or "0X" hexadecimal, "%" binary,
// "&" octal), then at least one digit of that base up to the very end of the text.
// Anything else (a trailing blank too), an empty text, or a value beyond 32 bits gives
// nothing. Decimal values must lie in -2^31..2^31-1; a prefixed value may use all 32
// bits and reads as the signed value of that bit pattern ("$FFFFFFFF" is -1).
std::optional<int32_t> TextToInteger(std::string_view text);

// The same conversion as a caller without the optional sees it: 0 when it fails.
int32_t TextToIntegerOrZero(std::string_view text);

}  // namespace runtime

#include "runtime/integer_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace runtime {
namespace {

TEST(TextToInteger, ConvertsSignsPrefixesAndBlanksByTheRules) {
  const struct {
    const char* text;
    std::optional<int32_t> want;
  } cases[] = {
      {"12", 12},
      {"  \t-7", -7},
      {"+620", 620},
      {"007", 7},  // decimal leading zeros are not octal
      {"$1F", 31},
      {"$ff", 255},
      {"0x10", 16},
      {"0X1a", 26},
      {"%101", 5},
      {"&17", 15},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1},  // a prefixed value is a 32-bit pattern
      {"$80000000", INT32_MIN},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"12 ", std::nullopt},  // a trailing blank fails
      {"7A", std::nullopt},
      {"9,", std::nullopt},
      {"%102", std::nullopt},
      {"&8", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"+-1", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.want, TextToInteger(c.text));
    EXPECT_EQ(c.want.value_or(0), TextToIntegerOrZero(c.text));
  }
}

}  // namespace
}  // namespace runtime

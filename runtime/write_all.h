#pragma once

#include <string_view>

namespace runtime {

// Writes all of s to the descriptor, going on after interrupted and partial writes.
// Returns 0, or the error number of the I/O error stop (101 when the device takes
// no more bytes).
int WriteAll(int fd, std::string_view s);

}  // namespace runtime

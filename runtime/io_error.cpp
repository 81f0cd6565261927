#include "runtime/io_error.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>

#include "runtime/stop_hook.h"
#include "runtime/write_all.h"

namespace runtime {

void IoErrorStopAt(int number, const void* address) {
  char line[64];
  const auto low_bits = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
  const int length = std::snprintf(line, sizeof line, "Runtime error %d at $%08X\r\n", number,
                                   static_cast<unsigned>(low_bits));
  // Nothing is left to report a failure to: the stop goes on whatever the write says.
  WriteAll(STDOUT_FILENO, std::string_view(line, static_cast<size_t>(length)));
  RunStopHook(number);
  _exit(number);
}

__attribute__((noinline)) void IoErrorStop(int number) {
  IoErrorStopAt(number, __builtin_extract_return_addr(__builtin_return_address(0)));
}

}  // namespace runtime

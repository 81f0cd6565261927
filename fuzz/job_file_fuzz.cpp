// gib's job-file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "solver/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const solver::JobOrFault parsed = solver::ParseJobFile(text);
  if (parsed.fault.empty()) {
    // A sound job is a whole deal: 52 cards, and it prints back as 4 hands of 13.
    if (solver::DealText(parsed.job.deal).size() != 2 + 4 * 16 + 3) __builtin_trap();
  }
  return 0;
}

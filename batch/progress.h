#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "batch/pipeline.h"

namespace batch {

// The progress line on standard error, redrawn in place at most a few times a second:
// records read, deals solved and from the cache, deals per second and, when the inputs'
// sizes are known, the time left. Silent unless enabled (standard error a terminal and
// no --quiet).
class Progress {
 public:
  // total_bytes: the inputs' size, 0 when unknown (standard input, a pipe).
  Progress(bool enabled, uint64_t total_bytes);

  // Redraws the line when it is due; bytes_done: bytes read so far.
  void Update(const RunCounts& counts, uint64_t bytes_done);
  // Clears the line.
  void Finish();

 private:
  using Clock = std::chrono::steady_clock;
  bool enabled_;
  uint64_t total_bytes_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;
  bool shown_ = false;
};

// Pure: the progress line's text, without line end: "1200 records, 40 deals solved,
// 1100 from the cache, 35.0 deals/s, 0:12 left" (the time left only when fraction_done
// lies strictly between 0 and 1).
std::string ProgressText(const RunCounts& counts, double seconds, double fraction_done);

}  // namespace batch

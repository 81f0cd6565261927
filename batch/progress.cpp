#include "batch/progress.h"

#include <cstdio>

namespace batch {
namespace {
constexpr auto kRedraw = std::chrono::milliseconds(250);
}  // namespace

std::string ProgressText(const RunCounts& counts, double seconds, double fraction_done) {
  const uint64_t deals = counts.solved + counts.from_cache;
  const double rate = seconds > 0 ? static_cast<double>(deals) / seconds : 0;
  char text[160];
  std::snprintf(text, sizeof text,
                "%llu records, %llu deals solved, %llu from the cache, %.1f deals/s",
                static_cast<unsigned long long>(counts.records),
                static_cast<unsigned long long>(counts.solved),
                static_cast<unsigned long long>(counts.from_cache), rate);
  std::string line = text;
  if (fraction_done > 0 && fraction_done < 1) {
    const auto left = static_cast<long long>(seconds * (1 - fraction_done) / fraction_done + 0.5);
    std::snprintf(text, sizeof text, ", %lld:%02lld left", left / 60, left % 60);
    line += text;
  }
  return line;
}

Progress::Progress(bool enabled, uint64_t total_bytes)
    : enabled_(enabled), total_bytes_(total_bytes) {}

void Progress::Update(const RunCounts& counts, uint64_t bytes_done) {
  if (!enabled_) return;
  const Clock::time_point now = Clock::now();
  if (now - last_ < kRedraw) return;
  last_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const double fraction =
      total_bytes_ > 0 ? static_cast<double>(bytes_done) / static_cast<double>(total_bytes_) : 0;
  std::fprintf(stderr, "\r%s\033[K", ProgressText(counts, seconds, fraction).c_str());
  std::fflush(stderr);
  shown_ = true;
}

void Progress::Finish() {
  if (!shown_) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  shown_ = false;
}

}  // namespace batch

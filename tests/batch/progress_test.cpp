#include "batch/progress.h"

#include <gtest/gtest.h>

namespace batch {
namespace {

TEST(ProgressText, GivesCountsRateAndTimeLeftOnlyWhenTheShareDoneIsKnown) {
  RunCounts counts;
  counts.records = 1200;
  counts.solved = 40;
  counts.from_cache = 1100;
  struct Case {
    double seconds, fraction;
    const char* want;
  };
  const Case cases[] = {
      {10, 0.25, "1200 records, 40 deals solved, 1100 from the cache, 114.0 deals/s, 0:30 left"},
      {120, 0.5, "1200 records, 40 deals solved, 1100 from the cache, 9.5 deals/s, 2:00 left"},
      {10, 0, "1200 records, 40 deals solved, 1100 from the cache, 114.0 deals/s"},
      {10, 1, "1200 records, 40 deals solved, 1100 from the cache, 114.0 deals/s"},
      {0, 0.5, "1200 records, 40 deals solved, 1100 from the cache, 0.0 deals/s, 0:00 left"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(c.want, ProgressText(counts, c.seconds, c.fraction));
  }
}

}  // namespace
}  // namespace batch

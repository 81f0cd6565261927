#include "solver/start_up.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace solver {
namespace {

constexpr size_t kMiB = size_t{1} << 20;
constexpr size_t kHugePage = 2 * kMiB;
// More than libdds's two largest tables (160 MiB each) need; only what is touched is
// ever backed by memory.
constexpr size_t kHugeRegion = 512 * kMiB;
// glibc's largest mmap threshold: every block below it comes from the heap.
constexpr int kMmapThreshold = 32 * kMiB;

}  // namespace

void PrepareHeap() {
  // One arena: the worker threads' blocks come from the main heap too, not from arenas
  // of their own. No trimming, and the heap grows by the whole region at once.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
  mallopt(M_TRIM_THRESHOLD, INT32_MAX);
  mallopt(M_TOP_PAD, static_cast<int>(kHugeRegion));
  const auto low = reinterpret_cast<uintptr_t>(sbrk(0));
  // volatile: a block allocated and freed unused may be optimised away.
  void* volatile block = std::malloc(kMiB);
  const auto high = reinterpret_cast<uintptr_t>(sbrk(0));
  std::free(block);
  mallopt(M_TOP_PAD, 0);
  const uintptr_t start = (low + kHugePage - 1) & ~(kHugePage - 1);
  if (high > start) madvise(reinterpret_cast<void*>(start), high - start, MADV_HUGEPAGE);
}

void BinaryStandardStreams() {}

}  // namespace solver

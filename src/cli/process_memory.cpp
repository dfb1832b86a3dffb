#include "cli/process_memory.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where it is the C library

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tarvelo::cli {

namespace {

#if defined(__linux__) && defined(__GLIBC__)
// Grows the heap by the padding and asks for large pages past the small ones in use.
void reserveLargePages(std::size_t hugePage) {
  // One allocation larger than what the heap has left makes it grow by the padding;
  // it is written to, so that the compiler keeps it.
  constexpr std::size_t kProbe = std::size_t(1) << 20;
  char *volatile probe = static_cast<char *>(std::malloc(kProbe));
  if (!probe)
    return;
  probe[0] = 0;
  char *const top = probe; // where the heap's free end begins once the probe is back
  std::free(probe);
  auto *end = static_cast<char *>(sbrk(0));
  if (end == reinterpret_cast<char *>(-1))
    return;
  // Large pages start at the first boundary past the small pages touched so far (the
  // heap's first pages, and the header malloc wrote after the probe), which no large
  // page can share. The memory up to it goes to an allocation that is never freed,
  // so that the next allocations begin on the boundary; it is never touched.
  const auto from = reinterpret_cast<std::uintptr_t>(top);
  const auto first = (from + kProbe + 4096 + hugePage - 1) & ~std::uintptr_t(hugePage - 1);
  const auto last = reinterpret_cast<std::uintptr_t>(end) & ~std::uintptr_t(hugePage - 1);
  if (last <= first)
    return;
  // Advised before anything is written there: a page touched first would keep its
  // whole range in small pages.
  madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
  // Its chunk, with the header before it, ends where the boundary begins.
  void *filler = std::malloc(first - from);
  if (filler != top)
    std::free(filler); // served from elsewhere: nothing is held
}
#endif

} // namespace

// A batch run reads whole scripts into memory and builds whole outputs: tens of
// megabytes in many small pieces, most of them alive until the end. Asking the
// kernel for each fresh 4 KiB page costs more than the work done in it, so the heap
// is grown in one large reservation backed by transparent huge pages, big buffers
// stay in it, and freed memory is kept for reuse. Nothing is touched beforehand:
// only the pages used are ever backed.
void tuneProcessMemory() {
#if defined(__linux__) && defined(__GLIBC__)
  constexpr std::size_t kHugePage = std::size_t(2) << 20;
  constexpr std::size_t kReserve = std::size_t(512) << 20;
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_TOP_PAD, int(kReserve));
  reserveLargePages(kHugePage);
  // Later growth goes in ordinary steps again.
  mallopt(M_TOP_PAD, 1 << 20);
#endif
}

} // namespace tarvelo::cli

#include "cli/process_memory.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where it is the C library

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tarvelo::cli {

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
  auto *start = static_cast<char *>(sbrk(0));
  // One allocation larger than what the heap has left makes it grow by the padding;
  // it is written to, so that the compiler keeps it.
  char *volatile probe = static_cast<char *>(std::malloc(kHugePage));
  if (probe)
    probe[0] = 0;
  std::free(probe);
  auto *end = static_cast<char *>(sbrk(0));
  const auto first = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
  const auto last = reinterpret_cast<std::uintptr_t>(end) & ~(kHugePage - 1);
  if (start != reinterpret_cast<char *>(-1) && last > first)
    madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
  // Later growth goes in ordinary steps again.
  mallopt(M_TOP_PAD, 1 << 20);
#endif
}

} // namespace tarvelo::cli

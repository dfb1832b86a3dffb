// Counting heap bytes by interposing malloc and its relatives over the C library's.
#include "support/heap_meter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <malloc.h>

// The allocation functions of the C library, interposed by this program so that
// every allocation of every library is counted.
extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);
void *__libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void *pointer);
}

namespace {

// Signed: blocks allocated before the program started counting may be freed.
std::atomic<long long> inUse{0};
std::atomic<long long> peak{0};

void added(void *pointer) {
  if (!pointer)
    return;
  const long long now = inUse += (long long)malloc_usable_size(pointer);
  long long high = peak.load(std::memory_order_relaxed);
  while (now > high && !peak.compare_exchange_weak(high, now))
    ;
}

void removed(void *pointer) {
  if (pointer)
    inUse -= (long long)malloc_usable_size(pointer);
}

} // namespace

extern "C" {

void *malloc(std::size_t size) {
  void *pointer = __libc_malloc(size);
  added(pointer);
  return pointer;
}

void *calloc(std::size_t count, std::size_t size) {
  void *pointer = __libc_calloc(count, size);
  added(pointer);
  return pointer;
}

void *realloc(void *pointer, std::size_t size) {
  removed(pointer);
  void *moved = __libc_realloc(pointer, size);
  // A failed realloc leaves the old block in place.
  added(moved ? moved : (size ? pointer : nullptr));
  return moved;
}

void free(void *pointer) {
  removed(pointer);
  __libc_free(pointer);
}

void *memalign(std::size_t alignment, std::size_t size) {
  void *pointer = __libc_memalign(alignment, size);
  added(pointer);
  return pointer;
}

void *aligned_alloc(std::size_t alignment, std::size_t size) {
  return memalign(alignment, size);
}

int posix_memalign(void **out, std::size_t alignment, std::size_t size) {
  void *pointer = memalign(alignment, size);
  if (!pointer)
    return ENOMEM;
  *out = pointer;
  return 0;
}

} // extern "C"

namespace tarvelo::bench {

long long heapInUse() {
  return inUse.load();
}

long long heapPeak() {
  return peak.load();
}

void resetHeapPeak() {
  peak.store(inUse.load());
}

} // namespace tarvelo::bench

#include "cli/process_memory.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vector>

namespace tarvelo {
namespace {

#if defined(__linux__) && defined(__GLIBC__)
long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// A batch run's first megabytes, its scripts among them, come from the start of the
// heap: they are backed by large pages too, not one small page at a time.
TEST(ProcessMemoryTest, TheFirstMegabytesComeInLargePages) {
  QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
  if (!setting.open(QIODevice::ReadOnly) || setting.readAll().contains("[never]"))
    GTEST_SKIP() << "the system gives no large pages";
  // In a process of its own: the heap is tuned once, at the start.
  EXPECT_EXIT(
      {
        cli::tuneProcessMemory();
        constexpr size_t kPiece = size_t(1) << 20;
        constexpr int kPieces = 16;
        const long before = minorFaults();
        std::vector<void *> pieces;
        for (int i = 0; i < kPieces; ++i) {
          pieces.push_back(std::malloc(kPiece));
          std::memset(pieces.back(), 1, kPiece);
        }
        // Small pages would take 4096 faults.
        std::exit(minorFaults() - before < 256 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
#endif

} // namespace
} // namespace tarvelo

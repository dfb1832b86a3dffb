// A memory that fails while learning: a full disk and locks, counted and told.
#include "memory_fixture.h"

#include "script/text_entry.h"

#include <algorithm>

namespace tarvelo::test {
namespace {

using kestrine_test::tableRows;

// The memory fails under learning: what it did not store is counted and told, through
// the prompter. (A damaged memory is tried on a whole session, and by the commands.)
class MemoryFailureTest : public MemoryFixture {
protected:
  // Translations the memory has not seen: "Text number i" -> "Neu i".
  void addTranslations(int count) {
    for (int i = 0; i < count; ++i)
      add(QStringLiteral("Text number %1").arg(i), QStringLiteral("Neu %1").arg(i));
    link();
  }
  // The library says why, as SQLite said it.
  static QString notWritten(int notStored, int offered, const QString &path) {
    return QStringLiteral("%1 of %2 pairs were not learnt: the Translation Memory in '%3' cannot "
                          "be written: database or disk is full")
        .arg(notStored)
        .arg(offered)
        .arg(QDir::toNativeSeparators(path));
  }
  static int lines(const std::string &text) {
    return int(std::count(text.begin(), text.end(), '\n'));
  }
};

TEST_F(MemoryFailureTest, LearningOnAFullDiskReportsWhatWasNotStored) {
  kestrine_test::SmallFileSystem disk(1024);
  if (!disk.unavailable().empty())
    GTEST_SKIP() << disk.unavailable();
  ASSERT_TRUE(connect());
  const QString path = QString::fromStdString(disk.path().string());
  useMemory(path);
  remember("Open", "Auf");
  disk.fill();
  addTranslations(3000);
  const LearnResult result = client->learn(kGerman);
  EXPECT_EQ(result.stored + result.notStored, 3000);
  EXPECT_GT(result.notStored, 0);
  EXPECT_EQ(prompter.messages, QStringList{notWritten(result.notStored, 3000, path)});
  // What was counted as stored is there, and nothing more.
  EXPECT_EQ(lines(tableRows(databaseIn(path), "7to9")), 1 + result.stored);
  library.exports().disconnectTM();
}

// Counts the batches ended, and lets the lock go when the memory first refuses a batch.
struct BatchLog {
  static inline EndTMBatchCountedFn real = nullptr;
  static inline int ends = 0;
  static inline std::function<void()> onRefused;
  static int32_t end(int32_t *stored) {
    ++ends;
    const int32_t result = real(stored);
    if (result < 0 && onRefused)
      std::exchange(onRefused, nullptr)();
    return result;
  }
};

struct LockCase {
  const char *name;
  bool releasedWhenRefused;
  int stored;
};

class LockedMemoryTest : public MemoryFailureTest,
                         public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockedMemoryTest, LearningTriesAgainWithinItsBoundThenReportsWhatWasNotLearnt) {
  const LockCase &c = GetParam();
  TmExports exports = ExportLog::wrap(library.exports());
  ASSERT_NE(exports.endTMBatchCounted, nullptr);
  BatchLog::real = exports.endTMBatchCounted;
  BatchLog::ends = 0;
  exports.endTMBatchCounted = &BatchLog::end;
  makeClient(exports);
  client->setBusyRetry(std::chrono::milliseconds(300));
  library.exports().setTMBusyTimeout(20);
  ASSERT_TRUE(connect()); // the table exists before the lock is taken
  addTranslations(3);

  const QString path = folder.filePath("TM");
  kestrine_test::Holder holder(databaseIn(path));
  ASSERT_TRUE(holder.run("BEGIN IMMEDIATE"));
  BatchLog::onRefused = nullptr;
  if (c.releasedWhenRefused)
    BatchLog::onRefused = [&holder] { holder.run("COMMIT"); };
  const LearnResult result = client->learn(kGerman);
  holder.run("COMMIT");
  library.exports().setTMBusyTimeout(5000);

  EXPECT_GE(BatchLog::ends, 2); // refused once, then tried again
  EXPECT_EQ(result.stored, c.stored);
  EXPECT_EQ(result.notStored, 3 - c.stored);
  const QStringList reported{
      QStringLiteral(
          "3 of 3 pairs were not learnt: another program keeps the Translation Memory in '%1' "
          "locked.")
          .arg(QDir::toNativeSeparators(path))};
  EXPECT_EQ(prompter.messages, c.stored == 3 ? QStringList() : reported);
  // Each pair once, counted once: a pair tried again is never learnt twice.
  EXPECT_EQ(tableRows(databaseIn(path), "7to9"),
            c.stored == 3
                ? "Neu 0|Text number 0|0|1\nNeu 1|Text number 1|0|1\nNeu 2|Text number 2|0|1\n"
                : "");
}

const LockCase kLockCases[] = {
    {"ReleasedMeanwhile", true, 3},
    {"HeldThroughout", false, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, LockedMemoryTest, ::testing::ValuesIn(kLockCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvelo::test

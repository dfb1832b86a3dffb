// Bad files, locked files and two programs sharing one memory.

#include "memory_fixture.h"

#include <sqlite3.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <thread>

extern char **environ;

namespace kestrine_test {
namespace {

using Texts = std::vector<std::string>;

// A memory of a few pairs, as the library writes it, for tests that then spoil it.
std::string healthyMemory(KestrineLibrary &library, int pairs) {
  TempFolder folder;
  library.setTMPath(folder.u16().c_str());
  if (library.connectTM(kEnglish, kCzech) != 1)
    return {};
  library.beginTMBatch();
  for (int i = 0; i < pairs; ++i) {
    const std::u16string text = toUtf16("Text number " + std::to_string(i));
    library.addPair(text.c_str(), text.c_str(), 1);
  }
  library.disconnectTM();
  return fileBytes(folder.database());
}

// Every export must answer quietly with its failure result.
void expectQuietFailures(KestrineLibrary &library) {
  TmTextList list{};
  EXPECT_EQ(library.addPair(u"Yes", u"Ano", 1), 1);
  EXPECT_EQ(library.getTM(u"Yes", &list), 0);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(library.deletePair(u"Yes", u"Ano"), 0);
  const char16_t *words[] = {u"Yes"};
  TmTextList wordList{1, words, nullptr};
  TmTextList sources{};
  EXPECT_EQ(library.searchTM(&wordList, 1, &sources, &list), 0);
  EXPECT_EQ(library.beginTMBatch(), 0);
  library.freeTM(&list);
  library.freeTM(&sources);
}

TEST_F(MemoryTest, AFileThatIsNoMemoryIsNeverOverwritten) {
  const std::string memory = healthyMemory(m_library, 200);
  ASSERT_GT(memory.size(), 4096u);
  m_library.setTMPath(m_folder.u16().c_str());

  std::string wrongPageSize = memory;
  wrongPageSize[16] = 3; // a page size that is no power of two
  struct Case {
    const char *name;
    std::string bytes;
  };
  const Case cases[] = {
      {"random bytes", randomBytes(16384, 1)},
      {"text", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Kestrine.mdb\r\n"},
      {"Jet database", std::string("\0\1\0\0Standard Jet DB\0", 20) + randomBytes(4076, 2)},
      {"SQLite header only", memory.substr(0, 100)},
      {"damaged header", wrongPageSize},
      {"half a header", memory.substr(0, 50)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(m_folder.database(), c.bytes);
    EXPECT_FALSE(connect(kEnglish, kCzech));
    expectQuietFailures(m_library);
    m_library.disconnectTM();
    EXPECT_EQ(fileBytes(m_folder.database()), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "Kestrine.db-wal"));
  }

  std::filesystem::remove(m_folder.database());
  std::filesystem::create_directory(m_folder.database());
  EXPECT_FALSE(connect(kEnglish, kCzech));
  expectQuietFailures(m_library);
}

TEST_F(MemoryTest, DamagedPagesFailTheOperationsQuietly) {
  std::string memory = healthyMemory(m_library, 3000);
  ASSERT_GT(memory.size(), 64u * 1024);
  // Page 1 (the schema) stays; the pages of the table and its indexes become noise.
  const std::size_t pageSize = 4096;
  memory.replace(pageSize, memory.size() - pageSize, randomBytes(memory.size() - pageSize, 3));
  writeFile(m_folder.database(), memory);
  m_library.setTMPath(m_folder.u16().c_str());

  // Only the schema is read on connecting; the damage shows in each operation.
  ASSERT_TRUE(connect(kEnglish, kCzech));
  TmTextList list{};
  EXPECT_EQ(m_library.getTM(u"Text number 10", &list), 0);
  const char16_t *words[] = {u"number"};
  TmTextList wordList{1, words, nullptr};
  TmTextList sources{};
  EXPECT_EQ(m_library.searchTM(&wordList, 1, &sources, &list), 0);
  EXPECT_EQ(m_library.deletePair(u"Text number 10", u"Text number 10"), 0);
  EXPECT_EQ(m_library.addPair(u"Yes", u"Ano", 1), 1);
  m_library.freeTM(&list);
  m_library.freeTM(&sources);
}

TEST_F(MemoryTest, AnExclusivelyLockedFileFailsToConnectUntilReleased) {
  {
    // Another program's database in rollback-journal mode, in an exclusive transaction.
    Holder holder(m_folder.database());
    ASSERT_TRUE(holder.run("CREATE TABLE Other (Value); INSERT INTO Other VALUES ('kept');"));
    ASSERT_TRUE(holder.run("BEGIN EXCLUSIVE; INSERT INTO Other VALUES ('pending');"));
    EXPECT_FALSE(connect(kEnglish, kCzech));
    expectQuietFailures(m_library);
    ASSERT_TRUE(holder.run("COMMIT"));
  }
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Yes", "Ano");
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  EXPECT_EQ(schemaObjects(m_folder.database()),
            withFuzzyIndex(
                {"index Text1Index_5to9", "index Text2Index_5to9", "table 5to9", "table Other"},
                {"5to9"}));
}

TEST_F(MemoryTest, AMemoryHeldInExclusiveLockingModeFailsToConnect) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Yes", "Ano");
  m_library.disconnectTM();
  {
    Holder holder(m_folder.database());
    ASSERT_TRUE(holder.run("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;"));
    EXPECT_FALSE(connect(kEnglish, kCzech));
    ASSERT_TRUE(holder.run("COMMIT"));
  }
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
}

pid_t startLearner(const std::filesystem::path &folder, const std::string &name, int count,
                   bool batch) {
  std::vector<std::string> arguments = {KESTRINE_LEARNER, folder.string(), name,
                                        std::to_string(count), batch ? "1" : "0"};
  std::vector<char *> argv;
  for (std::string &argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, KESTRINE_LEARNER, nullptr, nullptr, argv.data(), environ) != 0)
    return -1;
  return pid;
}

int exitCode(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
}

struct BatchEnd {
  int32_t result = -2;
  int32_t stored = -1;
};

// Learns "Pair i" -> "Dvojice i" for i below count in one batch.
BatchEnd learnInBatch(KestrineLibrary &library, int count, const std::string &name = "Pair") {
  EXPECT_EQ(library.beginTMBatch(), 1);
  for (int i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    EXPECT_EQ(library.addPair(toUtf16(name + " " + number).c_str(),
                              toUtf16("Dvojice " + number).c_str(), 1),
              1);
  }
  BatchEnd end;
  end.result = library.endTMBatchCounted(&end.stored);
  return end;
}

std::size_t lineCount(const std::string &text) {
  return std::size_t(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(MemoryTest, ABatchCountsTheTextsItStored) {
  int32_t stored = -1;
  EXPECT_EQ(m_library.endTMBatchCounted(&stored), 1); // no batch: nothing to tell
  EXPECT_EQ(stored, 0);
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  add("Open", "Otevřít");
  EXPECT_EQ(add("Open", ""), 0); // no pair, and not counted
  add("Open", "Otevřít");
  EXPECT_EQ(m_library.endTMBatchCounted(nullptr), 1);
  const BatchEnd end = learnInBatch(m_library, 50);
  EXPECT_EQ(end.result, 1);
  EXPECT_EQ(end.stored, 50);
  EXPECT_EQ(lineCount(rows("5to9")), 51u);
}

TEST_F(MemoryTest, ABatchIntoADamagedMemorySaysItDidNotStoreAll) {
  writeFile(m_folder.database(), healthyMemory(m_library, 3000));
  ASSERT_TRUE(damagePages(m_folder.database(), 0.25, 0.75, 5)); // the middle half
  m_library.setTMPath(m_folder.u16().c_str());
  ASSERT_TRUE(connect(kEnglish, kCzech));
  // The pages are checked before the first write: nothing goes into a damaged memory.
  const BatchEnd end = learnInBatch(m_library, 3000, "Text number");
  EXPECT_EQ(end.result, 0);
  EXPECT_EQ(end.stored, 0);
  // The damage shows in lookups too, where GetTM could only say it found nothing.
  int unread = 0;
  for (int i = 0; i < 3000; ++i) {
    TmTextList list{};
    unread += m_library.lookupTM(toUtf16("Text number " + std::to_string(i)).c_str(), &list) < 0;
    m_library.freeTM(&list);
  }
  EXPECT_GT(unread, 0);
}

// No read has met the damage yet: the pages are checked before the first write.
TEST_F(MemoryTest, DamageAnywhereIsFoundBeforeTheFirstWrite) {
  const std::string healthy = healthyMemory(m_library, 3000);
  for (const char *table : {"5to9", "Text2Index_5to9", "FuzzyIndex2_5to9_data"}) {
    SCOPED_TRACE(table);
    writeFile(m_folder.database(), healthy);
    ASSERT_TRUE(damageTablePage(m_folder.database(), table, 9));
    const std::string damaged = fileBytes(m_folder.database());
    KestrineLibrary library; // a fresh one, that has met no damage yet
    library.setTMPath(m_folder.u16().c_str());
    ASSERT_EQ(library.connectTM(kEnglish, kCzech), 1);
    EXPECT_EQ(library.addPair(u"Brand new", u"Zcela nový", 1), 1);
    char16_t reason[200] = {};
    EXPECT_EQ(library.getTMError(reason, 200), 2);
    EXPECT_NE(toUtf8(reason).find("nothing is written"), std::string::npos) << toUtf8(reason);
    library.disconnectTM();
    EXPECT_EQ(fileBytes(m_folder.database()), damaged);
  }
}

TEST_F(MemoryTest, ABatchThatALockOutlastsSaysSoAndLearningItAgainLater) {
  m_library.setTMBusyTimeout(20);
  ASSERT_TRUE(connect(kEnglish, kCzech)); // the table exists before the lock
  {
    Holder holder(m_folder.database());
    ASSERT_TRUE(holder.run("BEGIN IMMEDIATE"));
    const BatchEnd refused = learnInBatch(m_library, 10);
    EXPECT_EQ(refused.result, -1);
    EXPECT_EQ(refused.stored, 0);
    ASSERT_TRUE(holder.run("COMMIT"));
  }
  EXPECT_EQ(rows("5to9"), "");
  const BatchEnd again = learnInBatch(m_library, 10);
  EXPECT_EQ(again.result, 1);
  EXPECT_EQ(again.stored, 10);
  EXPECT_EQ(lineCount(rows("5to9")), 10u);
  m_library.setTMBusyTimeout(5000);
}

// The call's result in a process of its own, so that a call that blocks fails the test
// instead of hanging it: -1 when the process has not ended after the limit.
int inChildProcess(const std::function<int()> &call) {
  const pid_t pid = fork();
  if (pid == 0)
    _exit(call());
  for (int waited = 0; waited < 2000; ++waited) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

TEST_F(MemoryTest, AFifoWhereTheMemoryBelongsIsRefusedWithoutWaitingForAWriter) {
  for (const char *name : {"Kestrine.db", "Kestrine.db-wal", "Kestrine.db-shm"}) {
    SCOPED_TRACE(name);
    TempFolder folder;
    ASSERT_EQ(mkfifo((folder.path() / name).c_str(), 0600), 0);
    m_library.setTMPath(folder.u16().c_str());
    EXPECT_EQ(inChildProcess([this] { return connect(kEnglish, kCzech) ? 1 : 0; }), 0);
  }
}

class TwoLearners : public ::testing::TestWithParam<bool> {};

TEST_P(TwoLearners, LoseNoPairAndReportNoError) {
  const bool batch = GetParam();
  const int count = batch ? 6000 : 1200;
  TempFolder folder; // empty: both also race to create the file and the table
  const pid_t alpha = startLearner(folder.path(), "Alpha", count, batch);
  const pid_t beta = startLearner(folder.path(), "Beta", count, batch);
  ASSERT_GT(alpha, 0);
  ASSERT_GT(beta, 0);
  EXPECT_EQ(exitCode(alpha), 0);
  EXPECT_EQ(exitCode(beta), 0);

  std::istringstream rows(tableRows(folder.database(), "5to9"));
  int alphaRows = 0;
  int betaRows = 0;
  int sharedRows = 0;
  std::string row;
  while (std::getline(rows, row)) {
    if (row.rfind("Alpha ", 0) == 0)
      alphaRows += row.ends_with("|1|0");
    else if (row.rfind("Beta ", 0) == 0)
      betaRows += row.ends_with("|1|0");
    else if (row.rfind("Shared ", 0) == 0)
      sharedRows += row.ends_with("|2|0"); // learnt by both, counted in one row
    else
      ADD_FAILURE() << row;
  }
  EXPECT_EQ(alphaRows, count);
  EXPECT_EQ(betaRows, count);
  EXPECT_EQ(sharedRows, (count + 3) / 4);
}

INSTANTIATE_TEST_SUITE_P(Kestrine, TwoLearners, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Batched" : "PairByPair"; });

} // namespace
} // namespace kestrine_test

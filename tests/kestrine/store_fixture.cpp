// The file store and the server store under test, and the shared-memory fixture.
#include "store_fixture.h"

#include <algorithm>

namespace kestrine_test {

namespace {

class FileStore : public StoreUnderTest {
public:
  std::string location() const override { return m_folder.path().string(); }
  std::string rows(const std::string &table) const override {
    return tableRows(m_folder.database(), table);
  }
  std::vector<std::string> tables() const override {
    std::vector<std::string> names;
    if (!std::filesystem::exists(m_folder.database()))
      return names;
    for (const std::string &object : schemaObjects(m_folder.database())) {
      if (isPairTableObject(object))
        names.push_back(object.substr(6));
    }
    return names;
  }

  bool damage(const std::string &table) override {
    return damageTablePage(m_folder.database(), table, 18);
  }
  std::string writeMark(const std::string &) const override {
    return fileBytes(m_folder.database());
  }

private:
  TempFolder m_folder;
};

class ServerStore : public StoreUnderTest {
public:
  ServerStore() : m_schema(ServerCluster::instance().freshSchema()) {}
  ~ServerStore() override { ServerCluster::instance().run("DROP SCHEMA " + m_schema + " CASCADE"); }
  std::string location() const override { return ServerCluster::instance().uri(m_schema); }
  std::string rows(const std::string &table) const override {
    std::vector<std::string> lines;
    ServerCluster::instance().run("SELECT \"Text1\", \"Text2\", \"Counter1\", \"Counter2\" FROM " +
                                      m_schema + ".\"" + table + "\" ORDER BY \"Id\"",
                                  &lines);
    std::string all;
    for (const std::string &line : lines)
      all += line + "\n";
    return all;
  }
  std::vector<std::string> tables() const override {
    std::vector<std::string> names;
    ServerCluster::instance().run(
        "SELECT tablename FROM pg_tables WHERE schemaname = '" + m_schema + "' ORDER BY 1", &names);
    return names;
  }

  bool damage(const std::string &table) override;
  std::string writeMark(const std::string &table) const override {
    std::vector<std::string> lines;
    const std::string name = m_schema + ".\"" + table + "\"";
    ServerCluster::instance().run(
        "SELECT last_value FROM " + m_schema + ".\"" + table + "_Id_seq\"", &lines);
    ServerCluster::instance().run("SET enable_seqscan = off; SELECT * FROM " + name +
                                      " WHERE \"Id\" <= 3 ORDER BY \"Id\"",
                                  &lines);
    std::string all;
    for (const std::string &line : lines)
      all += line + "\n";
    return all;
  }

private:
  std::string m_schema;
};

// With the server stopped, so that no page of the table stays in its memory.
bool ServerStore::damage(const std::string &table) {
  ServerCluster &cluster = ServerCluster::instance();
  std::vector<std::string> file;
  cluster.run("SELECT pg_relation_filepath('" + m_schema + ".\"" + table + "\"')", &file);
  if (file.size() != 1 || !cluster.halt())
    return false;
  const std::filesystem::path path = std::filesystem::path(cluster.dataFolder()) / file[0];
  std::string bytes = fileBytes(path);
  constexpr std::size_t kBlock = 8192;
  const std::size_t blocks = bytes.size() / kBlock;
  if (blocks >= 3)
    bytes.replace(blocks / 2 * kBlock, 4096, randomBytes(4096, 18));
  writeFile(path, bytes);
  return cluster.resume() && blocks >= 3;
}

} // namespace

std::unique_ptr<StoreUnderTest> makeStore(StoreKind kind) {
  if (kind == StoreKind::Server)
    return std::make_unique<ServerStore>();
  return std::make_unique<FileStore>();
}

std::string storeName(const ::testing::TestParamInfo<StoreKind> &info) {
  return info.param == StoreKind::Server ? "PostgreSQL" : "SQLite";
}

void SharedMemoryTest::SetUp() {
  if (GetParam() == StoreKind::Server)
    REQUIRE_SERVER();
  ASSERT_TRUE(m_library.loaded()) << m_library.error();
  m_store = makeStore(GetParam());
  use(*m_store);
}

void SharedMemoryTest::TearDown() {
  if (m_library.loaded())
    m_library.disconnectTM();
}

std::unique_ptr<StoreUnderTest> SharedMemoryTest::another() {
  return makeStore(GetParam());
}

void SharedMemoryTest::use(const StoreUnderTest &store) {
  m_library.setTMPath(toUtf16(store.location()).c_str());
}

int32_t SharedMemoryTest::add(const std::string &source, const std::string &target,
                              int32_t increment) {
  return m_library.addPair(toUtf16(source).c_str(), toUtf16(target).c_str(), increment);
}

int32_t SharedMemoryTest::remove(const std::string &source, const std::string &target) {
  return m_library.deletePair(toUtf16(source).c_str(), toUtf16(target).c_str());
}

std::vector<std::string> SharedMemoryTest::lookup(const std::string &text) {
  TmTextList list{};
  const int32_t count = m_library.getTM(toUtf16(text).c_str(), &list);
  EXPECT_EQ(count, list.count);
  std::vector<std::string> out;
  for (int32_t i = 0; i < list.count; ++i)
    out.push_back(toUtf8(list.items[i]));
  m_library.freeTM(&list);
  return out;
}

std::vector<std::string> SharedMemoryTest::fuzzy(const std::string &text, int32_t minScore,
                                                 int32_t maxCount) {
  TmTextList sources{};
  TmTextList targets{};
  std::vector<int32_t> scores(std::size_t(std::max(maxCount, 1)), -1);
  const int32_t count = m_library.fuzzyTM(toUtf16(text).c_str(), minScore, maxCount, &sources,
                                          &targets, scores.data());
  EXPECT_GE(count, 0) << text << ": " << lastError().reason;
  std::vector<std::string> out;
  for (int32_t i = 0; i < count; ++i)
    out.push_back(std::to_string(scores[std::size_t(i)]) + " " + toUtf8(sources.items[i]) + "=" +
                  toUtf8(targets.items[i]));
  m_library.freeTM(&sources);
  m_library.freeTM(&targets);
  return out;
}

CallError SharedMemoryTest::lastError() {
  char16_t reason[300] = {};
  CallError error;
  error.result = m_library.getTMError(reason, 300);
  error.reason = toUtf8(reason);
  return error;
}

Searched SharedMemoryTest::search(const std::vector<std::string> &words, bool allWords) {
  std::vector<std::u16string> wideWords;
  for (const std::string &word : words)
    wideWords.push_back(toUtf16(word));
  std::vector<const char16_t *> items;
  for (const std::u16string &word : wideWords)
    items.push_back(word.c_str());
  TmTextList wordList{int32_t(items.size()), items.data(), nullptr};
  TmTextList sources{};
  TmTextList targets{};
  Searched outcome;
  outcome.result = m_library.searchTM(&wordList, allWords, &sources, &targets);
  EXPECT_EQ(outcome.result, targets.count);
  EXPECT_EQ(sources.count, targets.count);
  for (int32_t i = 0; i < sources.count; ++i)
    outcome.sources.push_back(toUtf8(sources.items[i]));
  for (int32_t i = 0; i < targets.count; ++i)
    outcome.targets.push_back(toUtf8(targets.items[i]));
  m_library.freeTM(&sources);
  m_library.freeTM(&targets);
  return outcome;
}

} // namespace kestrine_test

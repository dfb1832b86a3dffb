// Copying whole memories between a folder and a server, either way.

#include "kestrine_library.h"
#include "server_environment.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace kestrine_test {
namespace {

using Texts = std::vector<std::string>;

struct Copied {
  int32_t result = -2;
  int64_t rows = -1;
  std::string reason;
};

class CopyTest : public ::testing::Test {
protected:
  void SetUp() override {
    REQUIRE_SERVER();
    ASSERT_TRUE(m_library.loaded()) << m_library.error();
    m_copy = reinterpret_cast<CopyTMFn>(m_library.symbol("CopyTM"));
    ASSERT_NE(m_copy, nullptr);
  }
  void TearDown() override {
    if (m_library.loaded())
      m_library.disconnectTM();
    for (const std::string &schema : m_schemas)
      ServerCluster::instance().run("DROP SCHEMA " + schema + " CASCADE");
  }

  // A new empty memory of each kind.
  std::string folder() {
    m_folders.push_back(std::make_unique<TempFolder>());
    return m_folders.back()->path().string();
  }
  std::string server() {
    m_schemas.push_back(ServerCluster::instance().freshSchema());
    return ServerCluster::instance().uri(m_schemas.back());
  }

  // Every table with its rows, as stored, in storage order.
  std::string dump(const std::string &location) {
    std::string all;
    if (location.rfind("postgresql://", 0) == 0) {
      const std::string schema = location.substr(location.rfind("%3D") + 3);
      std::vector<std::string> tables;
      ServerCluster::instance().run("SELECT tablename FROM pg_tables WHERE schemaname = '" +
                                        schema + "' ORDER BY 1",
                                    &tables);
      for (const std::string &table : tables) {
        std::vector<std::string> rows;
        ServerCluster::instance().run(
            "SELECT \"Text1\", \"Text2\", \"Counter1\", \"Counter2\" FROM " + schema + ".\"" +
                table + "\" ORDER BY \"Id\"",
            &rows);
        all += "[" + table + "]\n";
        for (const std::string &row : rows)
          all += row + "\n";
      }
      return all;
    }
    const std::filesystem::path database = std::filesystem::path(location) / "Kestrine.db";
    if (!std::filesystem::exists(database))
      return all;
    for (const std::string &object : schemaObjects(database)) {
      if (isPairTableObject(object))
        all += "[" + object.substr(6) + "]\n" + tableRows(database, object.substr(6));
    }
    return all;
  }

  void learn(const std::string &location, int32_t source, int32_t target,
             const std::vector<std::pair<std::string, std::string>> &pairs, int32_t increment = 1) {
    m_library.setTMPath(toUtf16(location).c_str());
    ASSERT_EQ(m_library.connectTM(source, target), 1) << location;
    m_library.beginTMBatch();
    for (const auto &[from, to] : pairs)
      m_library.addPair(toUtf16(from).c_str(), toUtf16(to).c_str(), increment);
    ASSERT_EQ(m_library.endTMBatch(), 1);
    m_library.disconnectTM();
  }

  Copied copy(const std::string &from, const std::string &to, int64_t cancelAfter = -1) {
    Copied copied;
    char16_t reason[300] = {};
    struct Cancel {
      int64_t after;
      int calls = 0;
    } cancel{cancelAfter};
    auto progress = [](void *context, int64_t done, int64_t total) -> int32_t {
      auto &state = *static_cast<Cancel *>(context);
      ++state.calls;
      EXPECT_LE(done, total);
      return state.after < 0 || done < state.after ? 1 : 0;
    };
    copied.result = m_copy(toUtf16(from).c_str(), toUtf16(to).c_str(), progress, &cancel,
                           &copied.rows, reason, 300);
    copied.reason = toUtf8(reason);
    EXPECT_GT(cancel.calls, copied.rows > 0 ? 0 : -1);
    return copied;
  }

  // A memory with what a copy could get wrong: pairs differing only in case, counters of
  // both directions, negative and large counters, an empty target, several tables.
  void fill(const std::string &location) {
    learn(location, 1029, 1033, {{"Ano", "Yes"}, {"ANO", "Yes"}, {"Soubor", "File"}});
    learn(location, 1033, 1029, {{"Yes", "Ano"}, {"Yes", "ano"}, {"Empty", " "}}, 3);
    learn(location, 1033, 1029, {{"Yes", "Ano"}}, -7);
    learn(location, 1033, 1029, {{"Big", "Velký"}}, 2147483000);
    learn(location, 1049, 1033, {{"Да", "Yes"}, {"Файл 'x' \"y\" %_", "File"}});
    learn(location, 1046, 2070, {{"Arquivo", "Ficheiro"}});
  }

  KestrineLibrary m_library;
  CopyTMFn m_copy = nullptr;
  std::vector<std::unique_ptr<TempFolder>> m_folders;
  std::vector<std::string> m_schemas;
};

TEST_F(CopyTest, CopiesEveryTableAndBothCountersExactlyEitherWay) {
  const std::string original = folder();
  fill(original);
  const std::string expected = dump(original);
  ASSERT_NE(expected.find("[22to22]"), std::string::npos);
  ASSERT_NE(expected.find("Ano|Yes|2|-4\nSoubor|File|1|0\nano|Yes|0|3\n"), std::string::npos)
      << expected;

  struct Step {
    std::string from;
    std::string to;
  };
  const std::string onServer = server();
  const std::string backHome = folder();
  const std::string serverToServer = server();
  const Step steps[] = {{original, onServer}, {onServer, backHome}, {onServer, serverToServer}};
  for (const Step &step : steps) {
    SCOPED_TRACE(step.from + " -> " + step.to);
    const Copied copied = copy(step.from, step.to);
    EXPECT_EQ(copied.result, 1) << copied.reason;
    EXPECT_EQ(copied.rows, 8);
    EXPECT_EQ(copied.reason, "");
    EXPECT_EQ(dump(step.to), expected);
  }
  // What a copy holds answers like the original.
  m_library.setTMPath(toUtf16(onServer).c_str());
  ASSERT_EQ(m_library.connectTM(1033, 1029), 1);
  TmTextList list{};
  ASSERT_EQ(m_library.getTM(u"YES", &list), 2);
  EXPECT_EQ(toUtf8(list.items[0]), "ano");
  m_library.freeTM(&list);
}

TEST_F(CopyTest, CopyingIntoAMemoryWithPairsAddsTheCountersOfTheSameTexts) {
  const std::string from = folder();
  learn(from, 1029, 1033, {{"Ano", "Yes"}, {"Ne", "No"}}, 2);
  for (const std::string &to : {folder(), server()}) {
    SCOPED_TRACE(to);
    learn(to, 1029, 1033, {{"Ano", "Yes"}, {"ne", "No"}}, 5);
    const Copied copied = copy(from, to);
    EXPECT_EQ(copied.result, 1) << copied.reason;
    EXPECT_EQ(dump(to), "[5to9]\nAno|Yes|7|0\nne|No|5|0\nNe|No|2|0\n");
  }
}

TEST_F(CopyTest, TwoSpellingsOfOneMemoryAreNotCopiedIntoEachOther) {
  const std::string memory = server();
  fill(memory);
  const std::string before = dump(memory);
  const ServerCluster &cluster = ServerCluster::instance();
  const std::string schema = memory.substr(memory.rfind("%3D") + 3);
  // The port in the authority rather than the query, the socket folder with a slash.
  const std::string respelt = "postgresql://kestrine@:" + std::to_string(cluster.port()) +
                              "/memory?host=" + cluster.socketFolder() +
                              "/&options=-csearch_path%3D" + schema;
  ASSERT_NE(respelt, memory);
  const Copied copied = copy(memory, respelt);
  EXPECT_EQ(copied.result, 0);
  EXPECT_EQ(copied.reason, "both locations name the same memory");
  EXPECT_EQ(dump(memory), before);

  // Another schema of the same database is another memory.
  const Copied other = copy(memory, server());
  EXPECT_EQ(other.result, 1) << other.reason;
}

TEST_F(CopyTest, AFailedOrCancelledCopyLeavesTheDestinationAsItWas) {
  const std::string source = folder();
  std::vector<std::pair<std::string, std::string>> many;
  for (int i = 0; i < 5000; ++i)
    many.emplace_back("Text " + std::to_string(i), "Text " + std::to_string(i) + " (cs)");
  learn(source, 1033, 1029, many);
  const std::string target = server();
  learn(target, 1033, 1029, {{"Kept", "Zůstává"}});
  const std::string before = dump(target);

  const Copied cancelled = copy(source, target, 2000);
  EXPECT_EQ(cancelled.result, -1);
  EXPECT_EQ(cancelled.rows, 2000);
  EXPECT_EQ(dump(target), before);

  TempFolder scratch;
  writeFile(scratch.path() / "Kestrine.db", "not a database at all, not at all");
  const std::string unreachable =
      "postgresql://kestrine@/memory?host=" + scratch.path().string() + "&port=1";
  struct Case {
    std::string from;
    std::string to;
    const char *reasonPart;
  };
  const Case cases[] = {
      {source, unreachable, "destination memory cannot be opened"},
      {unreachable, target, "memory to copy cannot be opened"},
      {(scratch.path() / "none").string(), target, "there is no memory file"},
      {(scratch.path() / "none").string(), (scratch.path() / "fresh").string(),
       "memory to copy cannot be opened"},
      {scratch.path().string(), target, "memory to copy cannot be"},
      {source, scratch.path().string(), "destination memory cannot be"},
      {source, source + "/", "same memory"},
      {target, target, "same memory"},
      {"", target, "no location"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to);
    const Copied failed = copy(c.from, c.to);
    EXPECT_EQ(failed.result, 0);
    EXPECT_NE(failed.reason.find(c.reasonPart), std::string::npos) << failed.reason;
  }
  EXPECT_EQ(dump(target), before);
  EXPECT_EQ(fileBytes(scratch.path() / "Kestrine.db"), "not a database at all, not at all");
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "none"));
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "fresh"));
}

TEST_F(CopyTest, AHundredThousandPairsRoundTripExactly) {
  const std::string original = folder();
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = 0; i < 100000; ++i)
    pairs.emplace_back("Řetězec číslo " + std::to_string(i), "String number " + std::to_string(i));
  learn(original, 1029, 1033, pairs);
  const std::string onServer = server();
  const std::string back = folder();
  const Copied there = copy(original, onServer);
  ASSERT_EQ(there.result, 1) << there.reason;
  const Copied home = copy(onServer, back);
  ASSERT_EQ(home.result, 1) << home.reason;
  EXPECT_EQ(there.rows, 100000);
  EXPECT_EQ(home.rows, 100000);
  const std::string expected = dump(original);
  EXPECT_EQ(dump(onServer) == expected, true);
  EXPECT_EQ(dump(back) == expected, true);
}

} // namespace
} // namespace kestrine_test

// Threads connecting, disconnecting, switching between a folder and a server and calling
// the memory, all at once through the exports.

#include "kestrine_library.h"
#include "server_environment.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace kestrine_test {
namespace {

constexpr int32_t kCzech = 1029;
constexpr int32_t kEnglish = 1033;

// What a racing thread saw that no interleaving may produce.
struct Oddities {
  std::atomic<int> count{0};
  std::string first; // written once, by the thread that saw the first one
  std::atomic_flag claimed = ATOMIC_FLAG_INIT;

  void note(const std::string &what) {
    if (count++ == 0 && !claimed.test_and_set())
      first = what;
  }
};

// Calls the memory until `done`, checking what each answers.
void call(KestrineLibrary &library, bool connecting, const std::atomic<bool> &done,
          Oddities &oddities) {
  for (int i = 0; i < 2000 && (i < 4 || !done); ++i) {
    TmTextList list{};
    if (connecting)
      library.connectTM(kEnglish, kCzech);
    if (library.addPair(u"Yes", u"Ano", 1) != 1)
      oddities.note("AddPair of two texts answered other than 1");
    int32_t count = library.getTM(u" Yes", &list);
    if (count != list.count || (count > 0 && std::u16string(list.items[0]) != u" Ano"))
      oddities.note("GetTM answered " + std::to_string(count));
    library.freeTM(&list);
    count = library.lookupTM(u"Yes", &list);
    if (count < -1 || count > 1 || (count == -1 && list.count != 0))
      oddities.note("LookupTM answered " + std::to_string(count));
    library.freeTM(&list);
    if (!connecting && library.beginTMBatch() == 1)
      library.endTMBatch();
  }
}

TEST(StoreChoiceRace, ConnectingDisconnectingAndSwitchingStoresNeverRaceACall) {
  REQUIRE_SERVER();
  ServerCluster &cluster = ServerCluster::instance();
  const std::string schema = cluster.freshSchema();
  TempFolder folder;
  const std::u16string server = toUtf16(cluster.uri(schema));
  {
    KestrineLibrary library;
    ASSERT_TRUE(library.loaded()) << library.error();
    Oddities oddities;
    constexpr int kRounds = 20;
    for (int round = 0; round < kRounds; ++round) {
      // The folder's memory is open when one thread switches to the server and disconnects
      // while others connect and call.
      library.setTMPath(folder.u16().c_str());
      ASSERT_EQ(library.connectTM(kEnglish, kCzech), 1);
      std::atomic<bool> switched{false};
      std::vector<std::thread> threads;
      threads.emplace_back([&] { call(library, true, switched, oddities); });
      threads.emplace_back([&] { call(library, true, switched, oddities); });
      threads.emplace_back([&] { call(library, false, switched, oddities); });
      threads.emplace_back([&] {
        library.addPair(u"Yes", u"Ano", 1);
        library.setTMPath(server.c_str());
        library.disconnectTM();
        switched = true;
      });
      for (std::thread &thread : threads)
        thread.join();
      // One disconnect leaves no memory open: a connect that raced the switch must not have
      // kept the folder's memory open behind the choice.
      library.disconnectTM();
      ASSERT_FALSE(std::filesystem::exists(folder.path() / "Kestrine.db-wal"))
          << "round " << round << ": the folder's memory stayed open";
    }
    EXPECT_EQ(oddities.count.load(), 0) << oddities.first;

    // The next connect opens the location set last, not one a racing connect kept open.
    TempFolder freshFolder;
    const std::string freshSchema = cluster.freshSchema();
    for (const std::u16string &location : {freshFolder.u16(), toUtf16(cluster.uri(freshSchema))}) {
      library.setTMPath(location.c_str());
      ASSERT_EQ(library.connectTM(kEnglish, kCzech), 1);
      EXPECT_EQ(library.addPair(u"Race", u"Závod", 1), 1);
      library.disconnectTM();
    }
    EXPECT_EQ(tableRows(freshFolder.database(), "5to9"), "Závod|Race|0|1\n");
    std::vector<std::string> rows;
    EXPECT_TRUE(cluster.run("SELECT \"Text1\", \"Text2\", \"Counter1\", \"Counter2\" FROM " +
                                freshSchema + ".\"5to9\"",
                            &rows));
    EXPECT_EQ(rows, std::vector<std::string>{"Závod|Race|0|1"});
    cluster.run("DROP SCHEMA " + freshSchema + " CASCADE");
  }
  cluster.run("DROP SCHEMA " + schema + " CASCADE");
}

} // namespace
} // namespace kestrine_test

// The server's fuzzy search against the folder store's on the same memory, and what the
// server needs for it: the trigram extension, and keys for a memory from before them.

#include "fuzzy_samples.h"
#include "kestrine_library.h"
#include "pg_store.h"
#include "server_schema_test.h"
#include "sqlite_store.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace kestrine_test {
namespace {

using kestrine::FuzzyResult;
using kestrine::MemoryStore;
using kestrine::PgStore;
using kestrine::SqliteStore;
using Texts = std::vector<std::string>;

constexpr int32_t kEnglish = 1033;
constexpr int32_t kGerman = 1031;

// "score source=target counter" per match, as a store gives them.
Texts matchesOf(MemoryStore &store, const std::string &text, int32_t minScore, int32_t maxCount) {
  const FuzzyResult found = store.fuzzy(toUtf16(text), minScore, maxCount);
  EXPECT_TRUE(found.read) << text;
  Texts out;
  for (const kestrine::FuzzyMatch &match : found.matches)
    out.push_back(std::to_string(match.score) + " " + toUtf8(match.source) + "=" +
                  toUtf8(match.target) + " " + std::to_string(match.counter));
  return out;
}

using ServerFuzzyTest = ServerSchemaTest;

// The same pairs learnt into a folder and onto the server, in the same order and with the
// same counts: every query, in both directions, gets the same matches from both.
TEST_F(ServerFuzzyTest, TheServerGivesTheFolderStoresMatchesOnTheSameMemory) {
  TempFolder folder;
  SqliteStore file;
  file.setFolder(folder.u16());
  PgStore server;
  server.setLocation(toUtf16(uri()));
  Pairs pairs = samplePairs(3000, 21);
  for (const char *text : {"Größe ändern", "Größe des Fensters ändern", "Отмена изменений",
                           "Отменить все изменения", "ファイルを開く", "ファイルを保存する",
                           "Don't save the \"file\"", "100% done", "C:\\dir\\file.txt"})
    pairs.emplace_back(text, std::string("T:") + text);
  std::mt19937 random(31);
  for (MemoryStore *store :
       {static_cast<MemoryStore *>(&file), static_cast<MemoryStore *>(&server)}) {
    ASSERT_TRUE(store->connect(kEnglish, kGerman));
    ASSERT_TRUE(store->beginBatch());
    for (std::size_t i = 0; i < pairs.size(); ++i)
      store->learn(toUtf16(pairs[i].first), toUtf16(pairs[i].second), 1 + int(i % 3));
    ASSERT_EQ(store->endBatch().failure, kestrine::BatchOutcome::None);
  }
  int compared = 0;
  for (int i = 0; i < 150; ++i) {
    const auto &pair = pairs[random() % pairs.size()];
    const bool forward = i % 3 != 0;
    const std::string query = varied(forward ? pair.first : pair.second, random);
    for (MemoryStore *store :
         {static_cast<MemoryStore *>(&file), static_cast<MemoryStore *>(&server)})
      ASSERT_TRUE(forward ? store->connect(kEnglish, kGerman) : store->connect(kGerman, kEnglish));
    // As the fill asks (70 or more, the best), and as the command line lists them.
    for (const auto &[minScore, maxCount] : {std::pair{70, 1}, {80, 5}, {85, 50}}) {
      const Texts expected = matchesOf(file, query, minScore, maxCount);
      EXPECT_EQ(matchesOf(server, query, minScore, maxCount), expected)
          << query << " from " << minScore << " for " << maxCount;
      compared += int(expected.size());
    }
    // As the item menu asks: texts half changed share few runs, and each store finds its
    // own of them; the best match is the same.
    const Texts loose = matchesOf(file, query, 50, 10);
    EXPECT_EQ(matchesOf(server, query, 50, 1), Texts(loose.begin(), loose.begin() + !loose.empty()))
        << query;
  }
  EXPECT_GT(compared, 300);
}

// A memory the server store wrote before the trigram keys: connecting gives every row its
// keys (in slices) and the table its index.
TEST_F(ServerFuzzyTest, AMemoryFromBeforeTheTrigramKeysGetsThemOnConnect) {
  const std::string table = m_schema + ".\"5to9\"";
  ASSERT_TRUE(cluster().run(
      "CREATE TABLE " + table +
      " (\"Id\" bigserial PRIMARY KEY, \"Text1\" text NOT NULL, \"Text2\" text NOT NULL, "
      "\"Counter1\" integer NOT NULL, \"Counter2\" integer NOT NULL, \"Fold1\" text COLLATE \"C\" "
      "NOT NULL, \"Fold2\" text COLLATE \"C\" NOT NULL); INSERT INTO " +
      table +
      " (\"Text1\", \"Text2\", \"Counter1\", \"Counter2\", \"Fold1\", \"Fold2\") SELECT 'Text ' || "
      "i, "
      "'Text number ' || i, 0, 1, 'text ' || i, 'text number ' || i FROM generate_series(1, 6000) "
      "i"));
  PgStore store;
  store.setLocation(toUtf16(uri()));
  ASSERT_TRUE(store.connect(kEnglish, 1029));
  EXPECT_EQ(matchesOf(store, "Text numbr 5999", 90, 5), Texts{"93 Text number 5999=Text 5999 1"});
  EXPECT_EQ(matchesOf(store, "Tekst 12", 80, 5), Texts{}); // the other column, searched backwards
  ASSERT_TRUE(store.connect(1029, kEnglish));
  EXPECT_EQ(matchesOf(store, "Tekst 4321", 80, 1), Texts{"80 Text 4321=Text number 4321 0"});
  std::vector<std::string> missing;
  cluster().run("SELECT count(*) FROM " + table + " WHERE \"Grams1\" IS NULL OR \"Grams2\" IS NULL",
                &missing);
  EXPECT_EQ(missing, Texts{"0"});
}

// pg_trgm is a trusted extension: a user who may create objects in the database makes it;
// one who may not gets no fuzzy search, and GetTMError says what to ask for.
TEST_F(ServerFuzzyTest, TheTrigramExtensionIsMadeWhenTheUserMayAndItsLackIsSaid) {
  cluster().run("DROP DATABASE IF EXISTS trigrams");
  ASSERT_TRUE(cluster().run("CREATE DATABASE trigrams"));
  cluster().run("DROP ROLE IF EXISTS linguist");
  ASSERT_TRUE(cluster().run("CREATE ROLE linguist LOGIN"));
  ASSERT_TRUE(cluster().run("GRANT CREATE ON SCHEMA public TO linguist", nullptr, "trigrams"));
  KestrineLibrary library;
  ASSERT_TRUE(library.loaded()) << library.error();
  const std::string asLinguist =
      "postgresql://linguist@/trigrams?host=" + cluster().socketFolder() +
      "&port=" + std::to_string(cluster().port());
  library.setTMPath(toUtf16(asLinguist).c_str());
  const auto fuzzy = [&library](char16_t *reason) {
    TmTextList sources{}, targets{};
    const int32_t found = library.fuzzyTM(u"Open fil", 70, 5, &sources, &targets, nullptr);
    library.getTMError(reason, 300);
    library.freeTM(&sources);
    library.freeTM(&targets);
    return found;
  };
  ASSERT_EQ(library.connectTM(kEnglish, kGerman), 1); // exact lookups need no extension
  library.addPair(u"Open file", u"Datei öffnen", 1);
  char16_t reason[300] = {};
  EXPECT_EQ(fuzzy(reason), -1);
  EXPECT_NE(toUtf8(reason).find("CREATE EXTENSION pg_trgm"), std::string::npos) << toUtf8(reason);

  ASSERT_TRUE(cluster().run("GRANT CREATE ON DATABASE trigrams TO linguist"));
  EXPECT_EQ(fuzzy(reason), 1) << toUtf8(reason); // tried again, without connecting anew
  std::vector<std::string> owner;
  cluster().run("SELECT r.rolname FROM pg_extension e JOIN pg_roles r ON r.oid = e.extowner "
                "WHERE e.extname = 'pg_trgm'",
                &owner, "trigrams");
  EXPECT_EQ(owner, Texts{"linguist"});
  library.disconnectTM();
  cluster().run("DROP DATABASE trigrams");
  cluster().run("DROP OWNED BY linguist; DROP ROLE linguist");
}

} // namespace
} // namespace kestrine_test

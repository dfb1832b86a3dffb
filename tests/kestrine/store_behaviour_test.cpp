// The exports on either store: every test here runs against the SQLite file and against
// the PostgreSQL server, and both must behave alike.

#include "store_fixture.h"

#include <algorithm>
#include <thread>

namespace kestrine_test {
namespace {

using Texts = std::vector<std::string>;

enum Language : int32_t {
  kCzech = 1029,
  kGreek = 1032,
  kEnglish = 1033,
  kRussian = 1049,
  kBrazilian = 1046,
  kEnglishUk = 2057,
  kPortuguese = 2070,
};

TEST_P(SharedMemoryTest, ConnectWithoutALanguageFailsAndKeepsTheLanguages) {
  for (auto [source, target] : {std::pair<int32_t, int32_t>{kEnglish, 0}, {0, kCzech}, {0, 0}})
    EXPECT_FALSE(connect(source, target)) << source << " " << target;
  EXPECT_EQ(m_store->tables(), Texts{}); // nothing opened either

  ASSERT_TRUE(connect(kCzech, kEnglish));
  add("Ano", "Yes");
  EXPECT_FALSE(connect(kEnglish, 0));
  EXPECT_EQ(lookup("Ano"), Texts{"Yes"}); // still Czech to English
  add("Ano", "Yes");
  EXPECT_EQ(rows("5to9"), "Ano|Yes|2|0\n");
}

TEST_P(SharedMemoryTest, SublanguagesShareTheirPrimaryLanguagesTable) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Yes", "Ano");
  ASSERT_TRUE(connect(kEnglishUk, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  add("Yes", "Ano");
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|2\n");
}

struct Orientation {
  int32_t source;
  int32_t target;
  const char *table;
  const char *rows; // after learning "Source" -> "Target" twice
};

TEST_P(SharedMemoryTest, TablePerPairOfPrimaryLanguagesWithTheSmallerOneInText1) {
  const Orientation cases[] = {
      {kCzech, kEnglish, "5to9", "Source|Target|2|0\n"},
      {kEnglish, kCzech, "5to9", "Target|Source|0|2\n"},
      {kBrazilian, kPortuguese, "22to22", "Source|Target|2|0\n"},
      {kEnglishUk, kRussian, "9to25", "Source|Target|2|0\n"},
      {kRussian, kGreek, "8to25", "Target|Source|0|2\n"},
  };
  for (const Orientation &c : cases) {
    SCOPED_TRACE(c.table);
    const std::unique_ptr<StoreUnderTest> store = another();
    m_library.disconnectTM();
    use(*store);
    ASSERT_TRUE(connect(c.source, c.target));
    add("Source", "Target");
    add("Source", "Target");
    EXPECT_EQ(store->rows(c.table), c.rows);
    EXPECT_EQ(store->tables(), Texts{c.table});
    EXPECT_EQ(lookup("Source"), Texts{"Target"});
    m_library.disconnectTM();
  }
}

TEST_P(SharedMemoryTest, ReverseLookupRanksByTheOtherDirectionsCounter) {
  ASSERT_TRUE(connect(kCzech, kEnglish));
  add("Ano", "Yes");
  add("Jo", "Yes", 3);
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), (Texts{"Jo", "Ano"})); // Counter2 ties at 0: newest first
  add("Yes", "Ano", 2);
  EXPECT_EQ(lookup("Yes"), (Texts{"Ano", "Jo"}));
  EXPECT_EQ(rows("5to9"), "Ano|Yes|1|2\nJo|Yes|3|0\n");
  ASSERT_TRUE(connect(kCzech, kEnglish));
  EXPECT_EQ(lookup("Jo"), Texts{"Yes"});
}

TEST_P(SharedMemoryTest, LearningCountsTheSamePairAndKeepsOtherTargetsApart) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("OK", "Ok");
  add("OK", "OK");
  add("OK", "OK", 5);
  add("ok", "OK"); // the source matches without regard to case ...
  add("OK", "oK"); // ... the target only exactly
  add("OK", "Ok", -1);
  EXPECT_EQ(rows("5to9"), "Ok|OK|0|0\nOK|OK|0|7\noK|OK|0|1\n");
}

TEST_P(SharedMemoryTest, AddPairRefusesEmptyTextsAndTrimsSpaces) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(add("OK", ""), 0);
  EXPECT_EQ(add("", "Ano"), 0);
  EXPECT_EQ(m_library.addPair(nullptr, u"Ano", 1), 0);
  EXPECT_EQ(m_library.addPair(u"OK", nullptr, 1), 0);
  EXPECT_EQ(rows("5to9"), "");
  EXPECT_EQ(add(" OK ", "Ano"), 1);
  EXPECT_EQ(add("OK", "  Ano"), 1);
  EXPECT_EQ(add("\tOK", "Ano"), 1);  // only U+0020 is trimmed
  EXPECT_EQ(add("Empty", "   "), 1); // tested before trimming: learnt with an empty target
  EXPECT_EQ(rows("5to9"), "Ano|OK|0|2\nAno|\tOK|0|1\n|Empty|0|1\n");
  EXPECT_EQ(lookup("Empty"), Texts{}); // empty translations are never offered
}

TEST_P(SharedMemoryTest, LookupCarriesTheQuerysSpacesOverAndListsTheMostUsedFirst) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Save", "Uložit");
  add("Save", "Ukládat", 3);
  add("Save", "Schovat");
  EXPECT_EQ(lookup("Save"), (Texts{"Ukládat", "Schovat", "Uložit"}));
  EXPECT_EQ(lookup("  Save "), (Texts{"  Ukládat ", "  Schovat ", "  Uložit "}));
  EXPECT_EQ(lookup("SAVE"), (Texts{"Ukládat", "Schovat", "Uložit"}));
  EXPECT_EQ(lookup("Save as"), Texts{});
}

TEST_P(SharedMemoryTest, LookupOfAnEmptyTextLeavesTheListAlone) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("OK", "Ano");
  TmTextList list{};
  ASSERT_EQ(m_library.getTM(u"OK", &list), 1);
  EXPECT_EQ(m_library.getTM(u"", &list), 0);
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(toUtf8(list.items[0]), "Ano");
  // A list is emptied before it is filled again, so reuse needs no FreeTM between.
  EXPECT_EQ(m_library.getTM(u"Cancel", &list), 0);
  EXPECT_EQ(list.count, 0);
  m_library.freeTM(&list);
  m_library.freeTM(&list); // twice is harmless
}

TEST_P(SharedMemoryTest, TextsCompareWithoutRegardToCaseInEveryScript) {
  ASSERT_TRUE(connect(kRussian, kEnglish));
  struct Case {
    const char *stored;
    const char *query;
    bool found;
  };
  const Case cases[] = {
      {"да", "ДА", true},
      {"ДАННЫЕ", "данные", true},
      {"Ärger", "äRGER", true},
      {"Γεια σου", "ΓΕΙΑ ΣΟΥ", true},
      {"Ǆ", "ǆ", true},
      {"Straße", "STRASSE", false}, // no expansions: one character stays one
      {"ё", "е", false},            // a different letter, not a case
  };
  for (const Case &c : cases) {
    add(c.stored, "x");
    EXPECT_EQ(lookup(c.query).size(), c.found ? 1u : 0u) << c.stored << " / " << c.query;
    EXPECT_EQ(search({c.query}, true).result, c.found ? 1 : 0) << c.stored << " / " << c.query;
    EXPECT_EQ(remove(c.query, "X"), 1);
    EXPECT_EQ(lookup(c.stored).size(), c.found ? 0u : 1u) << c.stored << " / " << c.query;
    remove(c.stored, "x");
  }
  EXPECT_EQ(rows("9to25"), "");
}

TEST_P(SharedMemoryTest, SqlLookingTextsAreStoredFoundAndDeletedLiterally) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  const Texts texts = {
      "Don't save", "'",          "''",   "'; DROP TABLE \"5to9\"; --", "x' OR '1'='1", "%", "_",
      "?1",         "\"quoted\"", "a\\b",
  };
  for (const std::string &text : texts)
    add(text, text + " (cs)");
  for (const std::string &text : texts)
    EXPECT_EQ(lookup(text), Texts{text + " (cs)"}) << text;
  EXPECT_EQ(search({"'"}, true).result, 5);

  EXPECT_EQ(remove("x' OR '1'='1", "x' OR '1'='1 (cs)"), 1);
  EXPECT_EQ(remove("%", "% (cs)"), 1);
  EXPECT_EQ(remove("Don't save", "Don't save (cs)"), 1);
  EXPECT_EQ(lookup("x' OR '1'='1"), Texts{});
  EXPECT_EQ(lookup("%"), Texts{});
  EXPECT_EQ(lookup("_"), Texts{"_ (cs)"}); // "=" is no LIKE: "_" is only itself here
  EXPECT_EQ(search({""}, true).result, int32_t(texts.size()) - 3);
}

TEST_P(SharedMemoryTest, DeleteRemovesEveryRowOfThePairInEitherDirection) {
  EXPECT_EQ(remove("Ano", "Yes"), 0); // not connected
  ASSERT_TRUE(connect(kCzech, kEnglish));
  add("Ano", "Yes");
  add("ANO", "yes"); // another row: the target differs in case
  add("Ano", "Yeah");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(remove("YES", "ano"), 1);
  EXPECT_EQ(rows("5to9"), "Ano|Yeah|1|0\n");
  EXPECT_EQ(remove("Nothing", "stored"), 1); // ran, removing nothing
}

TEST_P(SharedMemoryTest, SearchFindsWordsAllOrAnyMostUsedFirst) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Open file", "Otevřít soubor", 2);
  add("Save file", "Uložit soubor", 5);
  add("Open folder", "Otevřít složku", 3);
  add("Close", "Zavřít");
  add("Profile", "Profil", 4);

  struct Case {
    Texts words;
    bool all;
    Texts sources;
  };
  const Case cases[] = {
      {{"open", "FILE"}, true, {"Open file"}},
      {{"open", "file"}, false, {"Save file", "Profile", "Open folder", "Open file"}},
      {{"file"}, true, {"Save file", "Profile", "Open file"}},
      {{"f_le"}, true, {"Save file", "Profile", "Open file"}},
      {{"O%r"}, true, {"Open folder"}},
      {{"%"}, true, {"Save file", "Profile", "Open folder", "Open file", "Close"}},
      {{"soubor"}, true, {}}, // only the source column is searched
      {{"open", "close"}, true, {}},
  };
  for (const Case &c : cases) {
    const Searched found = search(c.words, c.all);
    EXPECT_EQ(found.sources, c.sources) << c.words[0] << (c.all ? " all" : " any");
    EXPECT_EQ(found.result, int32_t(c.sources.size()));
  }
  const Searched pairs = search({"open"}, true);
  EXPECT_EQ(pairs.targets, (Texts{"Otevřít složku", "Otevřít soubor"}));

  ASSERT_TRUE(connect(kCzech, kEnglish));
  EXPECT_EQ(search({"soubor"}, true).sources, (Texts{"Otevřít soubor", "Uložit soubor"}));
}

TEST_P(SharedMemoryTest, SearchStopsAtFiveHundredPairs) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  for (int i = 0; i < 700; ++i)
    add("Print page " + std::to_string(i), "Tisk " + std::to_string(i), i == 650 ? 9 : 1);
  add("Preview", "Náhled", 50);
  ASSERT_EQ(m_library.endTMBatch(), 1);
  const Searched found = search({"print"}, false);
  EXPECT_EQ(found.result, 500);
  ASSERT_EQ(found.sources.size(), 500u);
  EXPECT_EQ(found.sources.front(), "Print page 650");
  EXPECT_EQ(found.targets.front(), "Tisk 650");
  EXPECT_EQ(search({"print", "preview"}, false).sources.front(), "Preview");
}

TEST_P(SharedMemoryTest, SearchWithoutWordsOrConnectionGivesEmptyLists) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Open", "Otevřít");
  TmTextList words{};
  TmTextList sources{};
  TmTextList targets{};
  EXPECT_EQ(m_library.searchTM(&words, 1, &sources, &targets), 0);
  EXPECT_EQ(sources.count, 0);
  EXPECT_EQ(targets.count, 0);

  TmTextList textless{3, nullptr, nullptr}; // a count without texts reads as no words
  EXPECT_EQ(m_library.searchTM(&textless, 1, &sources, &targets), 0);

  // Lists filled before are emptied: by a search without words ...
  const char16_t *open[] = {u"open"};
  TmTextList one{1, open, nullptr};
  ASSERT_EQ(m_library.searchTM(&one, 1, &sources, &targets), 1);
  EXPECT_EQ(m_library.searchTM(&words, 0, &sources, &targets), 0);
  EXPECT_EQ(sources.count, 0);
  EXPECT_EQ(targets.count, 0);
  // ... and by one without a connection.
  ASSERT_EQ(m_library.searchTM(&one, 1, &sources, &targets), 1);
  m_library.disconnectTM();
  EXPECT_EQ(m_library.searchTM(&one, 1, &sources, &targets), 0);
  EXPECT_EQ(sources.count, 0);
  EXPECT_EQ(targets.count, 0);
}

TEST_P(SharedMemoryTest, DisconnectEndsTheConnectionUntilTheNextConnect) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Yes", "Ano");
  const std::unique_ptr<StoreUnderTest> other = another();
  use(*other); // the open memory stays in use
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  m_library.disconnectTM();
  EXPECT_EQ(lookup("Yes"), Texts{});
  EXPECT_EQ(remove("Yes", "Ano"), 0);
  add("No", "Ne");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{}); // the new location's memory
  m_library.disconnectTM();
  use(*m_store);
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\n");
}

TEST_P(SharedMemoryTest, BatchCommitsAtItsEnd) {
  EXPECT_EQ(m_library.beginTMBatch(), 0); // not connected
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  EXPECT_EQ(m_library.beginTMBatch(), 1);
  add("Yes", "Ano");
  add("Yes", "Ano");
  add("No", "Ne");
  EXPECT_EQ(remove("No", "Ne"), 1);
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"}); // its own writes are visible inside
  EXPECT_EQ(rows("5to9"), "");            // and nowhere else yet
  EXPECT_EQ(m_library.endTMBatch(), 1);
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|2\n");
  EXPECT_EQ(m_library.endTMBatch(), 1);
  add("Cancel", "Storno"); // outside a batch each pair commits by itself
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|2\nStorno|Cancel|0|1\n");
}

TEST_P(SharedMemoryTest, DisconnectCommitsAnOpenBatch) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  add("Yes", "Ano");
  m_library.disconnectTM();
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\n");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("No", "Ne"); // the batch ended with the connection
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\nNe|No|0|1\n");
}

TEST_P(SharedMemoryTest, ThreadsShareTheStoreWithoutLosingPairs) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  constexpr int kThreads = 4;
  constexpr int kPairs = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([this, t] {
      for (int i = 0; i < kPairs; ++i) {
        const std::u16string source =
            toUtf16("Text " + std::to_string(t) + "." + std::to_string(i));
        m_library.addPair(source.c_str(), u"Text", 1);
        m_library.addPair(u"Shared", u"Sdílené", 1);
        TmTextList list{};
        m_library.getTM(source.c_str(), &list);
        m_library.freeTM(&list);
      }
    });
  }
  for (std::thread &thread : threads)
    thread.join();
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kPairs; i += 37)
      EXPECT_EQ(lookup("Text " + std::to_string(t) + "." + std::to_string(i)), Texts{"Text"});
  }
  const std::string all = rows("5to9");
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), kThreads * kPairs + 1);
  EXPECT_NE(all.find("Sdílené|Shared|0|800\n"), std::string::npos);
}

TEST_P(SharedMemoryTest, GetTMErrorTellsWhyTheLastCallFailed) {
  EXPECT_EQ(search({"open"}, true).result, 0); // not connected
  CallError error = lastError();
  EXPECT_EQ(error.result, 1);
  EXPECT_NE(error.reason, "");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lastError().result, 0); // each call starts afresh
  add("Open", "Otevřít");
  EXPECT_EQ(search({"open"}, true).result, 1);
  error = lastError();
  EXPECT_EQ(error.result, 0);
  EXPECT_EQ(error.reason, "");
  EXPECT_FALSE(connect(kEnglish, 0));
  EXPECT_EQ(lastError().result, 1);
}

// 4 KB of noise in the middle of a table: what meets it fails and says why, and from then
// on nothing is written into that memory, neither new pairs, nor counts, nor deletions.
TEST_P(SharedMemoryTest, ADamagedMemoryFailsWithItsMessageAndTakesNoWrite) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  for (int i = 0; i < 1000; ++i)
    add("Text number " + std::to_string(i), "Text " + std::to_string(i));
  ASSERT_EQ(m_library.endTMBatch(), 1);
  m_library.disconnectTM();
  ASSERT_TRUE(m_store->damage("5to9"));
  const std::string before = m_store->writeMark("5to9");

  ASSERT_TRUE(connect(kEnglish, kCzech)); // the catalogue is whole
  EXPECT_EQ(search({"number"}, true).result, 0);
  const CallError damage = lastError();
  EXPECT_EQ(damage.result, 2) << damage.reason;
  EXPECT_NE(damage.reason, "");
  EXPECT_EQ(lookup("Text number 1"), Texts{"Text 1"}); // reads go on where they can

  EXPECT_EQ(add("Brand new", "Zcela nový"), 1); // its result never tells ...
  EXPECT_EQ(lastError().result, 2);             // ... but GetTMError does
  EXPECT_EQ(add("Text number 1", "Text 1"), 1);
  EXPECT_EQ(lastError().result, 2);
  EXPECT_EQ(remove("Text number 2", "Text 2"), 0);
  EXPECT_EQ(lastError().result, 2);
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  add("Brand new", "Zcela nový");
  int32_t stored = -1;
  EXPECT_EQ(m_library.endTMBatchCounted(&stored), 0);
  EXPECT_EQ(stored, 0);
  const CallError batch = lastError();
  EXPECT_EQ(batch.result, 2);
  EXPECT_NE(batch.reason.find(damage.reason), std::string::npos) << batch.reason;
  // Connecting again changes nothing: the memory stays damaged for the library.
  m_library.disconnectTM();
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Brand new", "Zcela nový");
  EXPECT_EQ(lastError().result, 2);
  m_library.disconnectTM();
  EXPECT_EQ(m_store->writeMark("5to9"), before);
}

INSTANTIATE_TEST_SUITE_P(Store, SharedMemoryTest,
                         ::testing::Values(StoreKind::File, StoreKind::Server), storeName);

} // namespace
} // namespace kestrine_test

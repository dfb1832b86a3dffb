// The exports, called through the library loaded at run time.

#include "memory_fixture.h"

#include <thread>

namespace kestrine_test {
namespace {

using Texts = std::vector<std::string>;

TEST(KestrineLibrary, ExportsOnlyTheInterface) {
  KestrineLibrary library;
  ASSERT_TRUE(library.loaded()) << library.error();
  for (const char *name : {"GetTMVersion", "SetTMPath", "ConnectTM", "DisconnectTM", "AddPair",
                           "GetTM", "SearchTM", "DeletePair", "FreeTM", "BeginTMBatch",
                           "EndTMBatch", "LookupTM", "EndTMBatchCounted", "SetTMBusyTimeout"})
    EXPECT_NE(library.symbol(name), nullptr) << name;
  // The store and the program's case table stay inside, or they could clash with the
  // program's own copy of the case table.
  for (const char *name : {"_ZN7tarvelo9caseLowerEDs", "_ZN8kestrine7TmStore7connectEii",
                           "_ZN8kestrine13compareFoldedESt17basic_string_viewIcSt11char_"
                           "traitsIcEES3_"})
    EXPECT_EQ(library.symbol(name), nullptr) << name;
}

TEST(KestrineLibrary, VersionIsTwoPointFiveInExactlyEightCharacters) {
  KestrineLibrary library;
  ASSERT_TRUE(library.loaded()) << library.error();
  char16_t buffer[10];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(library.getTMVersion(buffer), 1);
  EXPECT_EQ(std::u16string(buffer, 10), std::u16string(u"2.5\0\0\0\0\0##", 10));
}

TEST_F(MemoryTest, NothingWorksBeforeConnecting) {
  EXPECT_EQ(add("Ano", "Yes"), 1); // learnt nowhere, but the result never tells
  EXPECT_EQ(lookup("Ano"), Texts{});
  EXPECT_EQ(remove("Ano", "Yes"), 0);
  EXPECT_EQ(search({"Ano"}, true).result, 0);
  EXPECT_FALSE(std::filesystem::exists(m_folder.database()));
}

TEST_F(MemoryTest, ConnectWithoutALanguageFailsAndKeepsTheLanguages) {
  for (auto [source, target] : {std::pair<int32_t, int32_t>{kEnglish, 0}, {0, kCzech}, {0, 0}})
    EXPECT_FALSE(connect(source, target)) << source << " " << target;
  EXPECT_FALSE(std::filesystem::exists(m_folder.database())); // nothing opened either

  ASSERT_TRUE(connect(kCzech, kEnglish));
  add("Ano", "Yes");
  EXPECT_FALSE(connect(kEnglish, 0));
  EXPECT_EQ(lookup("Ano"), Texts{"Yes"}); // still Czech to English
  add("Ano", "Yes");
  EXPECT_EQ(rows("5to9"), "Ano|Yes|2|0\n");
}

TEST_F(MemoryTest, SublanguagesShareTheirPrimaryLanguagesTable) {
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

TEST_F(MemoryTest, TablePerPairOfPrimaryLanguagesWithTheSmallerOneInText1) {
  const Orientation cases[] = {
      {kCzech, kEnglish, "5to9", "Source|Target|2|0\n"},
      {kEnglish, kCzech, "5to9", "Target|Source|0|2\n"},
      {kBrazilian, kPortuguese, "22to22", "Source|Target|2|0\n"},
      {kEnglishUk, kRussian, "9to25", "Source|Target|2|0\n"},
      {kRussian, kGreek, "8to25", "Target|Source|0|2\n"},
  };
  for (const Orientation &c : cases) {
    SCOPED_TRACE(c.table);
    TempFolder folder;
    m_library.disconnectTM();
    m_library.setTMPath(folder.u16().c_str());
    ASSERT_TRUE(connect(c.source, c.target));
    add("Source", "Target");
    add("Source", "Target");
    EXPECT_EQ(tableRows(folder.database(), c.table), c.rows);
    const std::string table = c.table;
    EXPECT_EQ(
        schemaObjects(folder.database()),
        withFuzzyIndex({"index Text1Index_" + table, "index Text2Index_" + table, "table " + table},
                       {table}));
    EXPECT_EQ(lookup("Source"), Texts{"Target"});
    m_library.disconnectTM();
  }
}

TEST_F(MemoryTest, ReverseLookupRanksByTheOtherDirectionsCounter) {
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

TEST_F(MemoryTest, LearningCountsTheSamePairAndKeepsOtherTargetsApart) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("OK", "Ok");
  add("OK", "OK");
  add("OK", "OK", 5);
  add("ok", "OK"); // the source matches without regard to case ...
  add("OK", "oK"); // ... the target only exactly
  add("OK", "Ok", -1);
  EXPECT_EQ(rows("5to9"), "Ok|OK|0|0\nOK|OK|0|7\noK|OK|0|1\n");
}

TEST_F(MemoryTest, AddPairRefusesEmptyTextsAndTrimsSpaces) {
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

TEST_F(MemoryTest, LookupCarriesTheQuerysSpacesOverAndListsTheMostUsedFirst) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Save", "Uložit");
  add("Save", "Ukládat", 3);
  add("Save", "Schovat");
  EXPECT_EQ(lookup("Save"), (Texts{"Ukládat", "Schovat", "Uložit"}));
  EXPECT_EQ(lookup("  Save "), (Texts{"  Ukládat ", "  Schovat ", "  Uložit "}));
  EXPECT_EQ(lookup("SAVE"), (Texts{"Ukládat", "Schovat", "Uložit"}));
  EXPECT_EQ(lookup("Save as"), Texts{});
}

TEST_F(MemoryTest, LookupOfAnEmptyTextLeavesTheListAlone) {
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

TEST_F(MemoryTest, TextsCompareWithoutRegardToCaseInEveryScript) {
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

TEST_F(MemoryTest, SqlLookingTextsAreStoredFoundAndDeletedLiterally) {
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

TEST_F(MemoryTest, DeleteRemovesEveryRowOfThePairInEitherDirection) {
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

TEST_F(MemoryTest, SearchFindsWordsAllOrAnyMostUsedFirst) {
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
    const SearchOutcome found = search(c.words, c.all);
    EXPECT_EQ(found.sources, c.sources) << c.words[0] << (c.all ? " all" : " any");
    EXPECT_EQ(found.result, int32_t(c.sources.size()));
  }
  const SearchOutcome pairs = search({"open"}, true);
  EXPECT_EQ(pairs.targets, (Texts{"Otevřít složku", "Otevřít soubor"}));

  ASSERT_TRUE(connect(kCzech, kEnglish));
  EXPECT_EQ(search({"soubor"}, true).sources, (Texts{"Otevřít soubor", "Uložit soubor"}));
}

TEST_F(MemoryTest, SearchStopsAtFiveHundredPairs) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  for (int i = 0; i < 700; ++i)
    add("Print page " + std::to_string(i), "Tisk " + std::to_string(i), i == 650 ? 9 : 1);
  add("Preview", "Náhled", 50);
  ASSERT_EQ(m_library.endTMBatch(), 1);
  const SearchOutcome found = search({"print"}, false);
  EXPECT_EQ(found.result, 500);
  ASSERT_EQ(found.sources.size(), 500u);
  EXPECT_EQ(found.sources.front(), "Print page 650");
  EXPECT_EQ(found.targets.front(), "Tisk 650");
  EXPECT_EQ(search({"print", "preview"}, false).sources.front(), "Preview");
}

TEST_F(MemoryTest, SearchWithoutWordsOrConnectionGivesEmptyLists) {
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

TEST_F(MemoryTest, DisconnectEndsTheConnectionUntilTheNextConnect) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("Yes", "Ano");
  TempFolder other;
  m_library.setTMPath(other.u16().c_str()); // the open file stays in use
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  m_library.disconnectTM();
  EXPECT_EQ(lookup("Yes"), Texts{});
  EXPECT_EQ(remove("Yes", "Ano"), 0);
  add("No", "Ne");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{}); // the new folder's memory
  m_library.disconnectTM();
  m_library.setTMPath(m_folder.u16().c_str());
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(lookup("Yes"), Texts{"Ano"});
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\n");
}

TEST_F(MemoryTest, SetTMPathCreatesOneFolderLevelAndAcceptsEitherTrailingSeparator) {
  struct Case {
    std::string folder;
    bool connects;
  };
  const std::string base = m_folder.path().string();
  const Case cases[] = {
      {base + "/plain", true},
      {base + "/slash/", true},
      {base + "/backslash\\", true},
      {base + "/two/levels", false},
  };
  for (const Case &c : cases) {
    m_library.setTMPath(toUtf16(c.folder).c_str());
    std::string folder = c.folder;
    if (folder.back() == '\\' || folder.back() == '/')
      folder.pop_back();
    EXPECT_EQ(std::filesystem::is_directory(folder), c.connects) << c.folder;
    EXPECT_EQ(connect(kEnglish, kCzech), c.connects) << c.folder;
    EXPECT_EQ(std::filesystem::exists(folder + "/Kestrine.db"), c.connects) << c.folder;
    m_library.disconnectTM();
  }
  EXPECT_FALSE(std::filesystem::exists(base + "/backslash\\"));
}

TEST_F(MemoryTest, BatchCommitsAtItsEnd) {
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

TEST_F(MemoryTest, DisconnectCommitsAnOpenBatch) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  add("Yes", "Ano");
  m_library.disconnectTM();
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\n");
  ASSERT_TRUE(connect(kEnglish, kCzech));
  add("No", "Ne"); // the batch ended with the connection
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\nNe|No|0|1\n");
}

TEST_F(MemoryTest, UnloadingCommitsAnOpenBatch) {
  ASSERT_TRUE(connect(kEnglish, kCzech));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  add("Yes", "Ano");
  m_library.unload();
  ASSERT_FALSE(KestrineLibrary::resident()) << "the library stayed loaded";
  EXPECT_EQ(rows("5to9"), "Ano|Yes|0|1\n");
}

TEST_F(MemoryTest, ThreadsShareTheStoreWithoutLosingPairs) {
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

} // namespace
} // namespace kestrine_test

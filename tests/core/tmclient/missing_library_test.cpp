// A client without its library, or missing an export: only those features absent.
#include "memory_fixture.h"

#include "script/text_entry.h"

namespace tarvelo::test {
namespace {

// Every feature of a client whose library, or one of its exports, is missing.
struct Outcome {
  bool bound, connected;
  int filled;
  int alternatives;
  int learnt;
  bool added;
  int found;
};

Outcome exercise(const TmExports &exports, const QString &folder) {
  EntryList entries;
  MemorySettings settings;
  settings.setText("TMPath", folder);
  ScriptedPrompter prompter;
  RecordingProgress progress;
  MemoryClient client(exports, entries, settings, prompter, progress);
  client.start();
  for (const char *text : {"Open", "Open", "OK"}) {
    auto entry = makeEntry("STRINGTABLE", false);
    entry->kind = "STRINGTABLE";
    entry->sourceText = text;
    entries.append(std::move(entry));
  }
  linkOccurrences(entries);
  Outcome outcome;
  outcome.bound = client.isBound();
  outcome.connected = client.connectTo(kEnglish, kGerman);
  if (exports.addPair)
    exports.addPair(u"Open", u"Auf", 1);
  outcome.filled = client.fillTargets(true).filled;
  outcome.alternatives = int(client.alternatives(entries.at(1)).size());
  EXPECT_EQ(client.pasteTexts(entries.at(0)).size(), outcome.alternatives);
  entries.at(2)->targetText = "ok";
  outcome.learnt = client.learn(kGerman).stored;
  outcome.added = client.addToMemory(entries.at(2));
  outcome.found = int(client.search({"Open"}, false).size());
  MemoryOptions options = client.options();
  options.tmPath = folder + "2";
  client.applyOptions(options);
  EXPECT_EQ(settings.text("TMPath"), folder + "2"); // the options are kept whatever
  return outcome;
}

TEST(MissingLibraryTest, WithoutTheLibraryEveryFeatureIsSilentlyAbsent) {
  TmLibrary library;
  EXPECT_FALSE(library.load(QDir(TARVELO_BIN_DIR).filePath("no-such-library")));
  EXPECT_FALSE(library.isLoaded());
  EXPECT_TRUE(library.version().isEmpty());
  QTemporaryDir folder;
  const Outcome outcome = exercise(library.exports(), folder.filePath("TM"));
  EXPECT_FALSE(outcome.bound);
  EXPECT_FALSE(outcome.connected);
  EXPECT_EQ(outcome.filled, 0);
  EXPECT_EQ(outcome.alternatives, 0);
  EXPECT_EQ(outcome.learnt, 0);
  EXPECT_FALSE(outcome.added);
  EXPECT_EQ(outcome.found, 0);
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("TM")));
}

TEST(MissingLibraryTest, AMissingExportRemovesOnlyItsFeatures) {
  TmLibrary library;
  ASSERT_TRUE(library.load(kestrinePath()));
  EXPECT_EQ(library.version(), "2.5");
  QTemporaryDir folder;
  struct Case {
    const char *missing;
    void (*remove)(TmExports &);
    Outcome expected;
  } cases[] = {
      {"none", [](TmExports &) {}, {true, true, 2, 1, 2, true, 1}},
      {"GetTM", [](TmExports &e) { e.getTM = nullptr; }, {true, true, 0, 0, 1, true, 1}},
      {"FreeTM", [](TmExports &e) { e.freeTM = nullptr; }, {true, true, 0, 0, 1, true, 0}},
      {"AddPair", [](TmExports &e) { e.addPair = nullptr; }, {true, true, 0, 0, 0, false, 0}},
      {"ConnectTM", [](TmExports &e) { e.connectTM = nullptr; }, {false, false, 0, 0, 0, true, 0}},
      {"SearchTM", [](TmExports &e) { e.searchTM = nullptr; }, {true, true, 2, 1, 2, true, 0}},
  };
  int round = 0;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.missing);
    TmExports exports = library.exports();
    c.remove(exports);
    const Outcome got = exercise(exports, folder.filePath(QString("TM%1").arg(++round)));
    EXPECT_EQ(got.bound, c.expected.bound);
    EXPECT_EQ(got.connected, c.expected.connected);
    EXPECT_EQ(got.filled, c.expected.filled);
    EXPECT_EQ(got.alternatives, c.expected.alternatives);
    EXPECT_EQ(got.learnt, c.expected.learnt);
    EXPECT_EQ(got.added, c.expected.added);
    EXPECT_EQ(got.found, c.expected.found);
    library.exports().disconnectTM();
  }
}

} // namespace
} // namespace tarvelo::test

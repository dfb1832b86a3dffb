// The memory client on a real memory: filling, alternatives, learning and options.
#include "memory_fixture.h"

#include "script/text_entry.h"

namespace tarvelo::test {
namespace {

using Answer = Prompter::Answer;

class MemoryClientTest : public MemoryFixture {};

TEST_F(MemoryClientTest, FillSetsEmptyTargetsToTheMostUsedTranslation) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  remember("Open", "\u00d6ffnen", 3);
  remember("Close", "Schlie\u00dfen");
  TextEntry *open = add("Open");
  TextEntry *padded = add("  Close ");
  TextEntry *kept = add("Close", "Zu");
  TextEntry *unknown = add("Help");
  TextEntry *other = add("", "", "ICON");
  link();

  EXPECT_EQ(client->fillTargets(true).filled, 2);
  EXPECT_EQ(open->targetText, "\u00d6ffnen");
  EXPECT_EQ(open->matchState, Filled);
  // The spaces around the source go around the translation.
  EXPECT_EQ(padded->targetText, "  Schlie\u00dfen ");
  EXPECT_EQ(kept->targetText, "Zu");
  EXPECT_EQ(kept->matchState, NotFound);
  EXPECT_EQ(unknown->targetText, "");
  EXPECT_EQ(unknown->matchState, NotFound);
  EXPECT_EQ(other->matchState, NotFound);
  EXPECT_EQ(inspected, (QList<TextEntry *>{open, padded}));
  EXPECT_EQ(progress.titles, QStringList{"Translation Memory Search"});
  EXPECT_EQ(progress.maximum, 3);
  EXPECT_EQ(progress.texts, (QStringList{"Searching item 1 of 3", "Searching item 2 of 3",
                                         "Searching item 3 of 3"}));
  EXPECT_EQ(progress.ended, 1);
}

TEST_F(MemoryClientTest, FillWithInitTmOffFillsNothingButKeepsTheAlternatives) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  TextEntry *open = add("Open");
  link();
  EXPECT_EQ(client->fillTargets(false).filled, 0);
  EXPECT_EQ(open->targetText, "");
  EXPECT_TRUE(progress.titles.isEmpty());
  EXPECT_TRUE(inspected.isEmpty());
  EXPECT_EQ(client->alternatives(open), QStringList{"Auf"});
  EXPECT_EQ(client->pasteTexts(open).size(), 1);
}

TEST_F(MemoryClientTest, FillStopsWhenCancelled) {
  ASSERT_TRUE(connect());
  for (const char *text : {"One", "Two", "Three"})
    remember(text, QString(text) + "!");
  TextEntry *one = add("One");
  TextEntry *two = add("Two");
  TextEntry *three = add("Three");
  link();
  progress.cancelAfter = 2;
  EXPECT_EQ(client->fillTargets(true).filled, 2);
  EXPECT_EQ(one->targetText, "One!");
  EXPECT_EQ(two->targetText, "Two!");
  EXPECT_EQ(three->targetText, "");
  EXPECT_EQ(progress.ended, 1);
}

TEST_F(MemoryClientTest, AlternativesAreFetchedOncePerChainAndAgainAfterAFillRun) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  TextEntry *first = add("Open");
  add("Close");
  TextEntry *second = add("Open");
  TextEntry *third = add("Open");
  link();
  ASSERT_EQ(third->prevOccurrence, second);

  EXPECT_EQ(client->alternatives(third), QStringList{"Auf"});
  EXPECT_EQ(client->alternatives(second), QStringList{"Auf"});
  EXPECT_EQ(client->alternatives(first), QStringList{"Auf"});
  EXPECT_EQ(client->alternatives(std::as_const(*first)), QStringList{"Auf"});
  EXPECT_EQ(ExportLog::lookups, QStringList{"Open"});
  // Only the chain's first entry holds the cache.
  EXPECT_NE(first->memoryCache, nullptr);
  EXPECT_EQ(second->memoryCache, nullptr);
  EXPECT_EQ(third->memoryCache, nullptr);

  // Learnt meanwhile: the cache answers until the next fill run.
  remember("Open", "\u00d6ffnen", 5);
  EXPECT_EQ(client->alternatives(second), QStringList{"Auf"});
  client->fillTargets(false);
  EXPECT_EQ(client->alternatives(second), (QStringList{"\u00d6ffnen", "Auf"}));
  EXPECT_EQ(ExportLog::lookups, (QStringList{"Open", "Open"}));
}

TEST_F(MemoryClientTest, AnEmptySourceAsksNothing) {
  ASSERT_TRUE(connect());
  TextEntry *empty = add("");
  link();
  EXPECT_TRUE(client->alternatives(empty).isEmpty());
  EXPECT_TRUE(ExportLog::lookups.isEmpty());
}

TEST_F(MemoryClientTest, LearningStoresEachDistinctPairOnceWithItsCount) {
  ASSERT_TRUE(connect());
  add("Open", "\u00d6ffnen");
  add("Close", "Schlie\u00dfen");
  add("Open", "Auf");
  add("Open", "\u00d6ffnen");
  add("Open", "");
  add("Open", "\u00d6ffnen");
  add("Save", "");
  add("", "Leer");
  link();

  EXPECT_EQ(client->learn(kGerman).stored, 3);
  using Pair = std::tuple<QString, QString, int>;
  EXPECT_EQ(ExportLog::added,
            (QList<Pair>{
                {"Open", "\u00d6ffnen", 3}, {"Close", "Schlie\u00dfen", 1}, {"Open", "Auf", 1}}));
  EXPECT_EQ(progress.titles, QStringList{"Translation Memory Import"});
  EXPECT_EQ(progress.texts.last(), "Importing record 3 of 3");

  // Learning again adds the counts again: 6 against 2 once "Auf" gets one more.
  ASSERT_EQ(client->learn(kGerman).stored, 3);
  remember("Open", "Auf", 3);
  client->fillTargets(false);
  EXPECT_EQ(client->alternatives(entries.at(0)), (QStringList{"\u00d6ffnen", "Auf"}));
  remember("Open", "Auf", 2);
  client->fillTargets(false);
  EXPECT_EQ(client->alternatives(entries.at(0)), (QStringList{"Auf", "\u00d6ffnen"}));
}

TEST_F(MemoryClientTest, LearningIntoAnotherLanguageReconnectsToTheTaskPair) {
  ASSERT_TRUE(connect(kEnglish, kGerman));
  TextEntry *open = add("Open", "Otev\u0159\u00edt");
  link();
  EXPECT_EQ(client->learn(kCzech).stored, 1);
  // Connected to English and German again: the Czech pair is not found there.
  EXPECT_TRUE(client->alternatives(open).isEmpty());
  ASSERT_TRUE(connect(kEnglish, kCzech));
  client->fillTargets(false);
  EXPECT_EQ(client->alternatives(open), QStringList{"Otev\u0159\u00edt"});
}

TEST_F(MemoryClientTest, LearningStopsWhenCancelled) {
  ASSERT_TRUE(connect());
  add("One", "Eins");
  add("Two", "Zwei");
  add("Three", "Drei");
  link();
  progress.cancelAfter = 1;
  EXPECT_EQ(client->learn(kGerman).stored, 1);
  EXPECT_EQ(ExportLog::added.size(), 1);
  EXPECT_EQ(progress.ended, 1);
}

struct SameTextCase {
  const char *name;
  QList<std::pair<QString, QString>> pairs; // learnt in order
  QList<Answer> answers;
  int questions;
  int stored;
};

class SameTextTest : public MemoryFixture, public ::testing::WithParamInterface<SameTextCase> {};

TEST_P(SameTextTest, AsksBeforeLearningTheSameText) {
  const SameTextCase &c = GetParam();
  ASSERT_TRUE(connect());
  prompter.sameTextAnswers = c.answers;
  int stored = 0;
  for (const auto &[source, target] : c.pairs)
    stored += client->learnPair(source, target, 1);
  EXPECT_EQ(prompter.sameTextRequests.size(), c.questions);
  EXPECT_EQ(stored, c.stored);
  EXPECT_EQ(ExportLog::added.size(), c.stored);
}

const SameTextCase kSameTextCases[] = {
    {"DifferentTexts", {{"OK", "Okay"}, {"Open", "Auf"}}, {}, 0, 2},
    {"CaseIgnored", {{"OK", "ok"}}, {Answer::Yes}, 1, 1},
    {"SpacesIgnored", {{" OK ", "OK"}}, {Answer::No}, 1, 0},
    {"NonAsciiCase", {{"\u00c4RGER", "\u00e4rger"}}, {Answer::No}, 1, 0},
    {"NoAsksAgain", {{"OK", "OK"}, {"Cancel", "cancel"}}, {Answer::No, Answer::No}, 2, 0},
    {"YesToAllStoresTheRest", {{"OK", "ok"}, {"Cancel", "CANCEL"}}, {Answer::YesToAll}, 1, 2},
    {"NoToAllSkipsTheRest",
     {{"OK", "ok"}, {"Open", "Auf"}, {"Cancel", "Cancel"}},
     {Answer::NoToAll},
     1,
     1},
    {"EmptyTextStoresNothing", {{"OK", ""}, {"", "OK"}}, {}, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, SameTextTest, ::testing::ValuesIn(kSameTextCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MemoryClientTest, TheSameTextQuestionNamesTheSourceAndIsAskedDuringLearning) {
  ASSERT_TRUE(connect());
  add("OK", "ok");
  add("Cancel", "Cancel");
  add("Open", "Auf");
  link();
  prompter.sameTextAnswers = {Answer::YesToAll};
  EXPECT_EQ(client->learn(kGerman).stored, 3);
  EXPECT_EQ(prompter.sameTextRequests, QStringList{"OK"});
  // The choice holds for the client's lifetime.
  EXPECT_EQ(client->learnPair("Help", "help", 1), 1);
  EXPECT_EQ(prompter.sameTextRequests.size(), 1);
}

TEST_F(MemoryClientTest, AddToMemoryStoresThePairWithoutAskingAndOffersItAtOnce) {
  ASSERT_TRUE(connect());
  TextEntry *ok = add("OK", "ok");
  TextEntry *open = add("Open");
  link();
  EXPECT_TRUE(client->alternatives(ok).isEmpty());
  EXPECT_TRUE(client->canAddToMemory(*ok));
  EXPECT_FALSE(client->canAddToMemory(*open));
  EXPECT_TRUE(client->addToMemory(ok));
  EXPECT_FALSE(client->addToMemory(open));
  EXPECT_TRUE(prompter.sameTextRequests.isEmpty());
  using Pair = std::tuple<QString, QString, int>;
  EXPECT_EQ(ExportLog::added, (QList<Pair>{{"OK", "ok", 1}}));
  EXPECT_EQ(client->alternatives(ok), QStringList{"ok"});
}

TEST_F(MemoryClientTest, PasteListsEachTextOnceWithMenuLabels) {
  ASSERT_TRUE(connect());
  TextEntry *entry = add("Text");
  link();
  const QString longText = "A very long translation that needs cutting";
  entry->memoryCache = std::make_unique<QStringList>(
      QStringList{"Save && &Exit", "Other", "Save && &Exit", longText});
  const QList<MenuText> texts = client->pasteTexts(entry);
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[0].label, "Save &&&& &&Exit");
  EXPECT_EQ(texts[0].text, "Save && &Exit");
  EXPECT_EQ(texts[1].label, "Other");
  EXPECT_EQ(texts[2].label, "A very long translation that n...");
  EXPECT_EQ(texts[2].text, longText);
}

TEST_F(MemoryClientTest, FilterCriterionNeedsATargetAndAlternativesItDiffersFrom) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  remember("Open", "\u00d6ffnen");
  struct Case {
    const char *source, *target;
    bool meets;
  } cases[] = {
      {"Open", "", false},            // no target
      {"Help", "Hilfe", false},       // no alternatives
      {"Open", "\u00d6ffnen", false}, // one of them
      {"Open", "auf", true},          // compared exactly
      {"Open", "Offen", true},
  };
  for (const Case &c : cases) {
    TextEntry *entry = add(c.source, c.target);
    EXPECT_EQ(client->differsFromMemory(entry), c.meets) << c.source << " " << c.target;
  }
}

TEST_F(MemoryClientTest, SearchFindsPairsByAnyOrAllWords) {
  ASSERT_TRUE(connect());
  remember("Open file", "Datei \u00f6ffnen", 2);
  remember("Close file", "Datei schlie\u00dfen");
  remember("Open window", "Fenster \u00f6ffnen");
  using Pairs = QList<QPair<QString, QString>>;
  EXPECT_EQ(client->search({"open", "file"}, true), (Pairs{{"Open file", "Datei \u00f6ffnen"}}));
  EXPECT_EQ(client->search({"file", "window"}, false).size(), 3);
  EXPECT_EQ(client->search({"Open"}, false).first().first, "Open file"); // most used first
  EXPECT_TRUE(client->search({}, false).isEmpty());
}

TEST_F(MemoryClientTest, OptionsOkReconnectsToANewFolderAndStoresTheSettings) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  TextEntry *open = add("Open");
  link();
  EXPECT_EQ(client->alternatives(open), QStringList{"Auf"});

  MemoryOptions options = client->options();
  options.tmPath = folder.filePath("Other");
  options.initTm = false;
  options.autoComplete = false;
  options.saveTm = 2;
  client->applyOptions(options);
  EXPECT_TRUE(client->alternatives(open).isEmpty()); // the new, empty memory
  EXPECT_EQ(open->targetText, "");                   // a refill never fills
  remember("Open", "\u00d6ffnen");
  client->fillTargets(false);
  EXPECT_EQ(client->alternatives(open), QStringList{"\u00d6ffnen"});
  EXPECT_TRUE(QFileInfo::exists(folder.filePath("Other/Kestrine.db")));
  EXPECT_EQ(settings.text("TMPath"), folder.filePath("Other"));
  EXPECT_EQ(settings.integer("InitTM"), 0);
  EXPECT_EQ(settings.integer("AutoComplete"), 0);
  EXPECT_EQ(settings.integer("SaveTM"), 2);

  // The same folder again: nothing is reconnected, the cache stays.
  ExportLog::lookups.clear();
  client->applyOptions(options);
  client->alternatives(open);
  EXPECT_TRUE(ExportLog::lookups.isEmpty());
}

TEST_F(MemoryClientTest, StartPointsTheLibraryAtTheConfiguredFolderAndFinishWritesItBack) {
  ASSERT_TRUE(connect());
  remember("Open", "Auf");
  EXPECT_TRUE(QFileInfo::exists(folder.filePath("TM/Kestrine.db")));
  EXPECT_EQ(client->options().tmPath, folder.filePath("TM"));
  EXPECT_TRUE(client->options().initTm);
  EXPECT_TRUE(client->options().autoComplete);
  settings.clear();
  settings.setInteger("SaveTM", 1);
  client->finish();
  EXPECT_EQ(settings.text("TMPath"), folder.filePath("TM"));
  EXPECT_EQ(settings.stored("InitTM"), QVariant(1));
  EXPECT_EQ(settings.integer("SaveTM"), 1);
}

TEST_F(MemoryClientTest, CompletionUsesTheEntrysAlternativesWhenSwitchedOn) {
  ASSERT_TRUE(connect());
  remember("Save", "Speichern", 2);
  remember("Save", "Sichern");
  TextEntry *save = add("Save");
  link();
  const auto completed = client->complete(save, "S", 1, 1);
  ASSERT_TRUE(completed.has_value());
  EXPECT_EQ(completed->text, "Speichern");
  EXPECT_EQ(client->complete(save, "Si", 2, 2)->text, "Sichern");
  EXPECT_FALSE(client->complete(nullptr, "S", 1, 1).has_value());
  MemoryOptions options = client->options();
  options.autoComplete = false;
  client->applyOptions(options);
  EXPECT_FALSE(client->complete(save, "S", 1, 1).has_value());
}

TEST(MemoryPathTest, DefaultFolderIsBesideTheProgramWhenItCanBeWritten) {
  QTemporaryDir program;
  EXPECT_EQ(defaultTmPath(program.path(), "/data/user", false), program.filePath("TM"));
  EXPECT_EQ(defaultTmPath(program.path(), "/data/user", true), "/data/user/TM");
  EXPECT_EQ(defaultTmPath(program.filePath("missing"), "/data/user", false), "/data/user/TM");
  EXPECT_EQ(defaultTmPath(QString(), "/data/user", false), "/data/user/TM");
}

TEST(MemoryPathTest, FoldersCompareAsTheFileSystemDoes) {
  EXPECT_TRUE(sameTmPath("/tm/a", "/tm/a/"));
  EXPECT_FALSE(sameTmPath("/tm/a", "/tm/b"));
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  EXPECT_TRUE(sameTmPath("C:/TM", "c:/tm"));
#else
  EXPECT_FALSE(sameTmPath("/home/u/TM", "/home/u/tm"));
#endif
}

} // namespace
} // namespace tarvelo::test

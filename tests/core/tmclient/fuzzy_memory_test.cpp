// Fuzzy matches on the program's side: the fill option, the item menu's scores.

#include "memory_fixture.h"

#include "script/text_entry.h"
#include "workbench/item_menu.h"

namespace tarvelo::test {
namespace {

class FuzzyMemoryTest : public MemoryFixture {
protected:
  void fuzzyFill(bool on, int score) {
    MemoryOptions options = client->options();
    options.fuzzyFill = on;
    options.fuzzyScore = score;
    client->applyOptions(options);
  }
};

TEST_F(FuzzyMemoryTest, TheFillMarksFuzzyMatchesFuzzyAndExactOnesFilled) {
  ASSERT_TRUE(connect());
  remember("Open file", "Datei \u00f6ffnen");
  remember("Save all files", "Alle Dateien speichern");
  remember("Print", "Drucken");
  fuzzyFill(true, 80);
  TextEntry *exact = add("Open file");
  TextEntry *typo = add("Open fiel");        // 77: below 80
  TextEntry *close = add(" Save all file "); // 92
  TextEntry *repeated = add("Save all file");
  TextEntry *kept = add("Print it", "Druck");
  TextEntry *unknown = add("Zoom");
  link();

  const FillResult result = client->fillTargets(true);
  EXPECT_EQ(result.filled, 3);
  EXPECT_EQ(result.fuzzy, 2);
  EXPECT_EQ(result.unread, 0);
  EXPECT_EQ(exact->matchState, Filled);
  EXPECT_EQ(exact->targetText, "Datei \u00f6ffnen");
  EXPECT_EQ(typo->targetText, "");
  EXPECT_EQ(typo->matchState, NotFound);
  EXPECT_EQ(close->matchState, Fuzzy);
  EXPECT_EQ(close->targetText, " Alle Dateien speichern "); // the spaces go around it
  EXPECT_EQ(repeated->matchState, Fuzzy);
  EXPECT_EQ(repeated->targetText, "Alle Dateien speichern");
  EXPECT_EQ(kept->targetText, "Druck");
  EXPECT_EQ(unknown->matchState, NotFound);
  EXPECT_EQ(inspected, (QList<TextEntry *>{exact, close, repeated}));
}

TEST_F(FuzzyMemoryTest, TheFuzzyFillIsOffByDefaultAndFollowsItsScore) {
  ASSERT_TRUE(connect());
  remember("Open file", "Datei \u00f6ffnen");
  TextEntry *typo = add("Open fiel");
  link();
  EXPECT_FALSE(client->options().fuzzyFill);
  EXPECT_EQ(client->fillTargets(true).filled, 0);
  fuzzyFill(true, 78);
  EXPECT_EQ(client->fillTargets(true).fuzzy, 0);
  fuzzyFill(true, 77);
  EXPECT_EQ(client->fillTargets(true).fuzzy, 1);
  EXPECT_EQ(typo->matchState, Fuzzy);
  // Written to the settings, read back as they were.
  const MemoryOptions read = MemoryOptions::read(settings);
  EXPECT_TRUE(read.fuzzyFill);
  EXPECT_EQ(read.fuzzyScore, 77);
}

TEST_F(FuzzyMemoryTest, TheItemMenuShowsEachTranslationWithItsScore) {
  ASSERT_TRUE(connect());
  remember("Open file", "Datei \u00f6ffnen", 2);
  remember("Open file", "\u00d6ffnen");
  remember("Open files", "Dateien \u00f6ffnen");
  remember("Open a file", "Eine Datei \u00f6ffnen");
  remember("Open fil", "Datei \u00f6ffnen"); // the same text is offered once
  remember("Close", "Schlie\u00dfen");
  TextEntry *entry = add("Open file");
  link();
  QStringList labels;
  for (const MenuText &text : itemMenu(*entry, true, false, client->memoryMatches(entry)).memory)
    labels.append(text.label);
  EXPECT_EQ(labels, (QStringList{"100% Datei \u00f6ffnen", "100% \u00d6ffnen",
                                 "90% Dateien \u00f6ffnen", "81% Eine Datei \u00f6ffnen"}));
}

TEST_F(FuzzyMemoryTest, WithoutTheExportTheMenuAndFillDoWithoutFuzzyMatches) {
  TmExports exports = library.exports();
  exports.fuzzyTM = nullptr;
  makeClient(exports);
  ASSERT_TRUE(connect());
  remember("Open file", "Datei \u00f6ffnen");
  fuzzyFill(true, 50);
  TextEntry *entry = add("Open fiel");
  link();
  EXPECT_FALSE(client->fuzzyBound());
  EXPECT_EQ(client->fillTargets(true).filled, 0);
  EXPECT_TRUE(client->memoryMatches(entry).isEmpty());
}

TEST(ItemMenuScores, LabelsCarryTheScoreBeforeTheMenuLabel) {
  const auto owned = makeEntry(QStringLiteral("STRINGTABLE"), false);
  TextEntry &entry = *owned;
  entry.sourceText = QStringLiteral("Open");
  entry.targetText = QStringLiteral("Auf");
  const QList<MemoryMatch> matches = {{"Auf", 100}, // the entry's own translation: not offered
                                      {"&\u00d6ffnen", 100},
                                      {"A text of more than thirty-five characters, cut", 87},
                                      {"&\u00d6ffnen", 60}};
  const ItemMenu menu = itemMenu(entry, false, false, matches);
  ASSERT_EQ(menu.memory.size(), 2);
  EXPECT_EQ(menu.memory[0].label, "100% &&\u00d6ffnen");
  EXPECT_EQ(menu.memory[0].text, "&\u00d6ffnen");
  EXPECT_EQ(menu.memory[1].label, "87% A text of more than thirty-fiv...");
}

} // namespace
} // namespace tarvelo::test

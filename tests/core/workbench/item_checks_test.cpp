// The checks over whole menus and the settings: access keys used twice in one menu
// level, maximum lengths, equal texts, and levels that switch checks off.
#include "script/task.h"
#include "script/text_entry.h"
#include "support/script_harness.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"
#include "workbench/menu_key_clashes.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Reads a script whose texts are taken as their own translations.
void readTranslated(test::Workspace &space, const char *body) {
  const QString script =
      QStringLiteral("LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n") + QString::fromUtf8(body);
  ASSERT_EQ(space.readSource(script.toUtf8(), 1033), ScriptResult::Ok);
  for (const auto &entry : space.entries)
    entry->targetText = entry->sourceText;
  space.tasks.head()->sourceLanguage = 1033;
  space.tasks.head()->targetLanguage = 1031;
}

TextEntry *entryWithText(test::Workspace &space, const QString &text) {
  for (const auto &entry : space.entries)
    if (entry->targetText == text)
      return entry.get();
  return nullptr;
}

// "item:K:other|other" per clash, in menu order, joined by spaces.
QString clashesOf(test::Workspace &space) {
  QStringList out;
  for (const auto &entry : space.entries) {
    if (entry->entryClass() != TextEntry::Class::Menu || !entry->isHead())
      continue;
    for (const KeyClash &clash : menuKeyClashes(space.entries, entry.get())) {
      QStringList others;
      for (const TextEntry *other : clash.others)
        others << other->targetText;
      out << clash.entry->targetText + u':' + clash.key + u':' + others.join(u'|');
    }
  }
  return out.join(u' ');
}

struct MenuCase {
  const char *name;
  const char *items; // between the menu's BEGIN and END
  const char *clashes;
};

class MenuKeyClashTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuKeyClashTest, OnlySiblingsClash) {
  const MenuCase &c = GetParam();
  test::Workspace space;
  readTranslated(space, (QByteArray("IDR_M MENU\nBEGIN\n") + c.items + "END\n").constData());
  EXPECT_EQ(clashesOf(space), QString::fromUtf8(c.clashes));
}

const MenuCase kMenuCases[] = {
    {"SiblingsInAPopup",
     "POPUP \"&Datei\"\nBEGIN\nMENUITEM \"&Drucken\", 1\nMENUITEM \"&Dokument\", 2\n"
     "MENUITEM \"&Neu\", 3\nEND\n",
     "&Drucken:D:&Dokument &Dokument:D:&Drucken"},
    {"ThreeShareOneKey",
     "POPUP \"&X\"\nBEGIN\nMENUITEM \"&Aa\", 1\nMENUITEM \"&Ab\", 2\nMENUITEM \"&Ac\", 3\nEND\n",
     "&Aa:A:&Ab|&Ac &Ab:A:&Aa|&Ac &Ac:A:&Aa|&Ab"},
    {"AnyCase", "POPUP \"&X\"\nBEGIN\nMENUITEM \"&datei\", 1\nMENUITEM \"&Dokument\", 2\nEND\n",
     "&datei:D:&Dokument &Dokument:D:&datei"},
    {"DoubledAmpersandIsNoKey",
     "POPUP \"&X\"\nBEGIN\nMENUITEM \"Drag &&Drop\", 1\nMENUITEM \"&Drop\", 2\nEND\n", ""},
    {"KeyAfterDoubledAmpersand",
     "POPUP \"&X\"\nBEGIN\nMENUITEM \"&&&Bild\", 1\nMENUITEM \"&Bearbeiten\", 2\nEND\n",
     "&&&Bild:B:&Bearbeiten &Bearbeiten:B:&&&Bild"},
    {"ParentAndChildDoNotClash", "POPUP \"&Datei\"\nBEGIN\nMENUITEM \"&Drucken\", 1\nEND\n", ""},
    {"NestedPopupAndItsItem",
     "POPUP \"&Ansicht\"\nBEGIN\nPOPUP \"&Zoom\"\nBEGIN\nMENUITEM \"&Zoom in\", 1\nEND\n"
     "MENUITEM \"&Leiste\", 2\nEND\n",
     ""},
    {"SubmenuItemsAmongThemselves",
     "POPUP \"&A\"\nBEGIN\nPOPUP \"&Z\"\nBEGIN\nMENUITEM \"&Kurz\", 1\nMENUITEM \"&Klein\", 2\n"
     "END\nMENUITEM \"&Kopf\", 3\nEND\n",
     "&Kurz:K:&Klein &Klein:K:&Kurz"},
    {"MenuBar",
     "POPUP \"&Datei\"\nBEGIN\nMENUITEM \"&Neu\", 1\nEND\nPOPUP \"&Dokument\"\nBEGIN\n"
     "MENUITEM \"&Neu\", 2\nEND\nMENUITEM \"&Hilfe\", 3\n",
     "&Datei:D:&Dokument &Dokument:D:&Datei"},
    {"KeysColumnIgnored",
     "POPUP \"&X\"\nBEGIN\nMENUITEM \"\\326ffnen\\t&O\", 1\nMENUITEM \"&Ordner\", 2\nEND\n", ""},
    {"NoMarkNoKey", "POPUP \"&X\"\nBEGIN\nMENUITEM \"Alpha\", 1\nMENUITEM \"Amsel\", 2\nEND\n", ""},
    {"SeparatorsBetween",
     "POPUP \"&X\"\nBEGIN\nMENUITEM \"&Eins\", 1\nMENUITEM SEPARATOR\nMENUITEM \"&Ende\", 2\n"
     "END\n",
     "&Eins:E:&Ende &Ende:E:&Eins"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MenuKeyClashTest, ::testing::ValuesIn(kMenuCases),
                         [](const auto &info) { return std::string(info.param.name); });

const char kScript[] = "IDR_M MENU\nBEGIN\nPOPUP \"&Datei\"\nBEGIN\nMENUITEM \"&Drucken\", 1\n"
                       "MENUITEM \"&Dokument\", 2\nMENUITEM \"&Neu\", 3\nEND\nEND\n"
                       "STRINGTABLE\nBEGIN\nIDS_STATUS_READY \"Ready for the next &file\"\n"
                       "IDS_TITLE \"Title\"\n42 \"OK\"\nEND\n";

QStringList messages(const ItemChecks &checks, const TextEntry *entry) {
  QStringList out;
  for (const ItemFinding &finding : checks.findings(entry))
    out << finding.rule + u'/' + QString::fromLatin1(levelName(finding.level)) + u' ' +
               finding.message;
  return out;
}

TEST(ItemChecks, FindingsSayWhy) {
  test::Workspace space;
  readTranslated(space, kScript);
  for (const auto &entry : space.entries)
    if (entry->kind == QLatin1String("MENU"))
      entry->sourceText = QStringLiteral("Source ") + entry->sourceText;
  LengthLimits limits;
  QString error;
  ASSERT_TRUE(limits.parse(QStringLiteral("# status\nSTRINGTABLE:IDS_STATUS_* 20\n"
                                          "STRINGTABLE:* 3\n"),
                           QStringLiteral("l.txt"), &error));
  ItemChecks checks;
  checks.setLimits(std::move(limits));
  checks.setSameAsSource(true);
  checks.checkAll(space.entries);
  EXPECT_EQ(messages(checks, entryWithText(space, "&Drucken")),
            QStringList{QString::fromUtf8("same-access-key/warning The access key 'D' is also "
                                          "used by \u201C&Dokument\u201D in this menu.")});
  EXPECT_EQ(messages(checks, entryWithText(space, "Ready for the next &file")),
            (QStringList{"length-limit/warning The translation has 23 characters; at most 20 are "
                         "allowed for IDS_STATUS_READY (limits file line 2).",
                         "same-as-source/note The translation is the same as the source."}));
  EXPECT_EQ(messages(checks, entryWithText(space, "Title")),
            (QStringList{"length-limit/warning The translation has 5 characters; at most 3 are "
                         "allowed for IDS_TITLE (limits file line 3).",
                         "same-as-source/note The translation is the same as the source."}));
  // "OK" is usually kept, and two characters are allowed by the second line.
  EXPECT_FALSE(checks.fails(entryWithText(space, "OK")));
  EXPECT_FALSE(checks.fails(entryWithText(space, "&Neu")));
}

TEST(ItemChecks, EqualTextsNeedTheSettingAndOtherLanguages) {
  test::Workspace space;
  readTranslated(space, kScript);
  ItemChecks checks;
  checks.checkAll(space.entries);
  EXPECT_FALSE(checks.fails(entryWithText(space, "Title"))); // off by default
  checks.setSameAsSource(true);
  space.tasks.head()->targetLanguage = 2057; // English again
  checks.checkAll(space.entries);
  EXPECT_FALSE(checks.fails(entryWithText(space, "Title")));
  space.tasks.head()->targetLanguage = 1036;
  checks.checkAll(space.entries);
  EXPECT_TRUE(checks.fails(entryWithText(space, "Title")));
}

TEST(ItemChecks, LevelsOffSilenceChecks) {
  const struct {
    const char *levels;
    bool menu, length, same;
  } cases[] = {
      {"", true, true, true},
      {"same-access-key=off", false, true, true},
      {"length-limit=off;", true, false, true},
      {"same-as-source=off;same-access-key=error", true, true, false},
  };
  for (const auto &c : cases) {
    test::Workspace space;
    readTranslated(space, kScript);
    space.settings.setText(QStringLiteral("CheckLevels"), QString::fromLatin1(c.levels));
    space.settings.setInteger(QStringLiteral("SameAsSource"), 1);
    ItemChecks checks;
    QString error;
    ASSERT_TRUE(checks.load(space.settings, &error));
    LengthLimits limits;
    ASSERT_TRUE(limits.parse(QStringLiteral("*:IDS_TITLE 2"), QStringLiteral("l"), &error));
    checks.setLimits(std::move(limits));
    checks.checkAll(space.entries);
    QStringList rules;
    for (const TextEntry *entry :
         {entryWithText(space, "&Dokument"), entryWithText(space, "Title")})
      for (const ItemFinding &finding : checks.findings(entry))
        rules << finding.rule;
    EXPECT_EQ(rules.contains("same-access-key"), c.menu) << c.levels;
    EXPECT_EQ(rules.contains("length-limit"), c.length) << c.levels;
    EXPECT_EQ(rules.contains("same-as-source"), c.same) << c.levels;
  }
}

TEST(ItemChecks, LoadNamesTheLimitsFile) {
  MemorySettings settings;
  settings.setText(QStringLiteral("LimitsFile"), QStringLiteral("/nonexistent/limits.txt"));
  ItemChecks checks;
  QString error;
  EXPECT_FALSE(checks.load(settings, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("/nonexistent/limits.txt: cannot be read")))
      << error.toStdString();
}

TEST(ItemChecks, CheckingAgainFollowsTheMenu) {
  test::Workspace space;
  readTranslated(space, kScript);
  ItemChecks checks;
  checks.checkAll(space.entries);
  TextEntry *drucken = entryWithText(space, "&Drucken");
  TextEntry *dokument = entryWithText(space, "&Dokument");
  TextEntry *neu = entryWithText(space, "&Neu");
  ASSERT_TRUE(checks.fails(drucken) && checks.fails(dokument));
  // The clash ends: the other item is checked again too, and reported.
  drucken->targetText = QStringLiteral("Dr&ucken");
  EXPECT_EQ(checks.checkAgain(space.entries, {drucken}), QList<TextEntry *>{dokument});
  EXPECT_FALSE(checks.fails(drucken));
  EXPECT_FALSE(checks.fails(dokument));
  // A new clash with the third item.
  drucken->targetText = QStringLiteral("&Nochmal");
  EXPECT_EQ(checks.checkAgain(space.entries, {drucken}), QList<TextEntry *>{neu});
  EXPECT_TRUE(checks.fails(neu));
  EXPECT_EQ(checks.explain(neu), QString::fromUtf8("The access key 'N' is also used by "
                                                   "\u201C&Nochmal\u201D in this menu."));
  // Nothing else changed: nothing more to show.
  EXPECT_TRUE(checks.checkAgain(space.entries, {drucken}).isEmpty());
}

TEST(ItemChecks, ExplanationJoinsTheInspection) {
  test::Workspace space;
  readTranslated(space, kScript);
  TextEntry *drucken = entryWithText(space, "&Drucken");
  drucken->sourceText = QStringLiteral("&Print?");
  ItemChecks checks;
  checks.checkAll(space.entries);
  const Inspector inspector;
  EXPECT_EQ(explainItem(inspector, &checks, *drucken),
            QString::fromUtf8("Mismatch the count of following characters:\n\t\"?\" anywhere\n"
                              "The access key 'D' is also used by \u201C&Dokument\u201D in this "
                              "menu."));
  EXPECT_EQ(explainItem(inspector, nullptr, *drucken),
            QStringLiteral("Mismatch the count of following characters:\n\t\"?\" anywhere"));
}

TEST(InspectorLevels, OffSkipsThatPartOfTheInspection) {
  const struct {
    const char *levels;
    const char *source, *target;
    bool passes;
  } cases[] = {
      {"", "&Open", "Open", false},
      {"access-key=off", "&Open", "Open", true},
      {"character-count=off", "&Open", "Open", false},
      {"character-count=off", "Open?", "Open", true},
      {"access-key=off", "Open?", "Open", false},
      {"", "%d of %s", "%s de %d", false},
      {"format-specification=off", "%d of %s", "%s de %d", true},
      {"format-specification=note", "%d of %s", "%s de %d", false},
  };
  for (const auto &c : cases) {
    MemorySettings settings;
    settings.setText(QStringLiteral("CheckLevels"), QString::fromLatin1(c.levels));
    Inspector inspector;
    inspector.loadRules(settings);
    const QString source = QString::fromLatin1(c.source), target = QString::fromLatin1(c.target);
    EXPECT_EQ(inspector.inspect(source, target), c.passes) << c.levels << " " << c.source;
    EXPECT_EQ(inspector.explain(source, target).passed, c.passes) << c.levels << " " << c.source;
  }
}

} // namespace
} // namespace tarvelo

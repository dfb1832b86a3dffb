// The item list's filter: its conditions, defaults and settings.
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/filter.h"
#include "workbench/filter_setup_model.h"
#include "workbench/item_list_model.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class FilterTest : public ::testing::Test {
protected:
  void open(const QByteArray &script) {
    QFile file(dir.filePath("app.rc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, true, QString(), 1031}),
              Session::OpenResult::Opened);
  }
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
  // The identifiers of the rows, in row order, or in list order.
  static QString rows(const ItemListModel &model, bool listOrder = false) {
    std::vector<const TextEntry *> entries;
    for (int row = 0; row < model.rowCount(); ++row)
      entries.push_back(model.entryAt(row));
    if (listOrder)
      std::sort(entries.begin(), entries.end(),
                [](const TextEntry *a, const TextEntry *b) { return a->index() < b->index(); });
    QStringList out;
    for (const TextEntry *entry : entries)
      out << entry->identifier;
    return out.join(u' ');
  }
  // One entry per condition, each meeting only its own (and "Not verified").
  void openConditions() {
    open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n"
         " IDS_EMPTY \"Empty\"\n IDS_SAME \"Same\"\n IDS_FAIL \"Fail\"\n"
         " IDS_FUZZY \"Fuzzy\"\n IDS_FOUND \"Found\"\n IDS_TEXT \"Find me\"\n"
         " IDS_OCC1 \"Twice\"\n IDS_OCC2 \"Twice\"\n IDS_OCC3 \"Thrice\"\n IDS_OCC4 \"Thrice\"\n"
         " IDS_MEM \"Memory\"\n IDS_MEMSAME \"Memory 2\"\n IDS_MEMNONE \"No memory\"\n"
         " IDS_VERIFIED \"Checked\"\nEND\n");
    const QHash<QString, QString> targets = {
        {"IDS_SAME", "SAME"},
        {"IDS_FAIL", "Fehler"},
        {"IDS_FUZZY", "Unscharf"},
        {"IDS_FOUND", "Gefunden"},
        {"IDS_TEXT", "Finde mich"},
        {"IDS_OCC1", "Zweimal"},
        {"IDS_OCC2", "ZWEIMAL"},
        {"IDS_OCC3", "Dreimal"},
        {"IDS_OCC4", "Drei Mal"},
        {"IDS_MEM", "Speicher"},
        {"IDS_MEMSAME", "Speicher 2"},
        {"IDS_MEMNONE", "Kein Speicher"},
        {"IDS_VERIFIED", "Gepr\u00fcft"},
    };
    for (const auto &entry : session.entries()) {
      entry->targetText = targets.value(entry->identifier);
      entry->matchState = Matched;
      entry->inspectionPassed = true;
    }
    find("IDS_FAIL")->inspectionPassed = false;
    find("IDS_FUZZY")->matchState = Fuzzy;
    find("IDS_FOUND")->matchState = FoundEmpty;
    find("IDS_VERIFIED")->verified = true;
  }
  static QStringList memoryOf(const TextEntry &entry) {
    // Only an exactly equal result counts as the same text.
    if (entry.sourceText == "Memory")
      return {"speicher", "Ged\u00e4chtnis"};
    if (entry.sourceText == "Memory 2")
      return {"Ged\u00e4chtnis", "Speicher 2"};
    return {};
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

TEST_F(FilterTest, ShowsWhatMeetsAChosenCondition) {
  openConditions();
  const QString everyOther = "IDS_EMPTY IDS_SAME IDS_FAIL IDS_FUZZY IDS_FOUND IDS_TEXT IDS_OCC1 "
                             "IDS_OCC2 IDS_OCC3 IDS_OCC4 IDS_MEM IDS_MEMSAME IDS_MEMNONE";
  const struct {
    int flags;
    const char *text;
    int occurrence;
    bool memory;
    QString shown;
  } cases[] = {
      {0, "", 0, true, ""},
      {1, "", 0, true, "IDS_EMPTY"},
      {2, "", 0, true, "IDS_OCC3 IDS_OCC4"}, // "Zweimal" and "ZWEIMAL" differ in case only
      {4, "", 0, true, "IDS_SAME"},
      {8, "", 0, true, "IDS_FAIL"},
      {16, "", 0, true, "IDS_FUZZY"}, // found but empty (5) is no fuzzy mark
      {32, "FIND", 0, true, "IDS_TEXT"},
      {32, "MICH", 0, true, ""},
      {32, "MICH", 1, true, "IDS_TEXT"},
      {32, "MICH", 2, true, ""}, // any other place than 1 is the source
      {32, "", 1, true, everyOther + " IDS_VERIFIED"},
      {64, "", 0, true, "IDS_MEM"}, // no result, or one equal to the target, shows nothing
      {64, "", 0, false, ""},       // memory not bound
      {128, "", 0, true, everyOther},
      {7, "", 0, true, "IDS_EMPTY IDS_SAME IDS_OCC3 IDS_OCC4"},
      {1 | 16 | 64, "", 0, true, "IDS_EMPTY IDS_FUZZY IDS_MEM"},
  };
  for (const auto &c : cases) {
    settings.setInteger("FilterFlags", c.flags);
    settings.setText("FilterText", c.text);
    settings.setInteger("FilterOcurence", c.occurrence);
    Filter filter(settings);
    if (c.memory)
      filter.setMemoryLookup(memoryOf);
    ItemListModel list(session);
    list.setFilter(filter.test());
    EXPECT_EQ(rows(list, true), c.shown) << c.flags << " " << c.text << " " << c.occurrence;
  }
}

TEST_F(FilterTest, TheDefaultsShowEveryTextOfAFreshTarget) {
  open("LANGUAGE 9, 1\nIDI_APP ICON \"app.ico\"\n"
       "IDR_M MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"Open\", ID_OPEN\n END\nEND\n"
       "STRINGTABLE\nBEGIN\n IDS_A \"Open a file\"\n IDS_B \"Close\"\nEND\n");
  Filter filter(settings);
  EXPECT_EQ(filter.flags(), 7);
  EXPECT_EQ(filter.text(), "");
  EXPECT_EQ(filter.occurrence(), 0);
  ItemListModel full(session), filtered(session);
  full.rebuild();
  filtered.setFilter(filter.test());
  EXPECT_EQ(filtered.rowCount(), full.rowCount());
  EXPECT_EQ(filtered.rowCount(), 4);
}

TEST_F(FilterTest, SettingsAreReadOnceAndWrittenBySetup) {
  openConditions();
  settings.setInteger("FilterFlags", 16 | 512); // a bit the dialog does not know
  settings.setText("FilterText", "speicher");
  settings.setInteger("FilterOcurence", 7);
  Filter filter(settings);
  EXPECT_EQ(filter.flags(), 16 | 512);
  EXPECT_EQ(filter.occurrence(), 0);
  // Kept for the run: later changes of the stored values do not reach the filter.
  settings.setInteger("FilterFlags", 1);
  EXPECT_EQ(filter.flags(), 16 | 512);

  FilterSetupModel setup(filter);
  EXPECT_FALSE(setup.isEnabled(6)); // memory not bound
  for (int bit = 0; bit < FilterSetupModel::kConditionCount; ++bit)
    EXPECT_EQ(setup.isChecked(bit), bit == 4) << bit;
  EXPECT_EQ(setup.text(), "speicher");
  EXPECT_EQ(setup.inIndex(), 0);
  EXPECT_EQ(FilterSetupModel::inChoices(), QStringList({"original text", "translated text"}));
  EXPECT_EQ(FilterSetupModel::conditionCaption(1),
            "The same original texts, but different translated texts");
  EXPECT_EQ(FilterSetupModel::conditionCaption(3), "Is not qualified as the inspection");

  // The filtered list keeps its own sort through a new setup.
  ItemListModel filtered(session);
  filtered.setFilter(filter.test());
  filtered.sort(ItemListModel::TargetColumn, Qt::DescendingOrder);
  EXPECT_EQ(rows(filtered), "IDS_FUZZY");

  setup.setChecked(4, false);
  setup.setChecked(5, true);
  setup.setText("SPEICHER");
  setup.setInIndex(1);
  setup.accept();
  EXPECT_EQ(settings.integer("FilterFlags"), 32);
  EXPECT_EQ(settings.text("FilterText"), "SPEICHER");
  EXPECT_EQ(settings.integer("FilterOcurence"), 1);
  filtered.rebuild();
  EXPECT_EQ(filtered.sortColumn(), ItemListModel::TargetColumn);
  EXPECT_EQ(rows(filtered), "IDS_MEMSAME IDS_MEM IDS_MEMNONE");

  Filter bound(settings);
  bound.setMemoryLookup(memoryOf);
  EXPECT_TRUE(FilterSetupModel(bound).isEnabled(6));
}

TEST_F(FilterTest, MisspeltWordsAreAConditionSavedWithTheOthers) {
  openConditions();
  // The entries whose targets hold an unknown word; an empty target holds none.
  const auto misspelt = [](const TextEntry &entry) {
    return entry.targetText == "Unscharf" || entry.targetText == "Drei Mal" ||
           entry.targetText.isEmpty();
  };
  const struct {
    int flags;
    bool dictionary;
    QString shown;
  } cases[] = {
      {256, true, "IDS_FUZZY IDS_OCC4"},
      {256, false, ""}, // no dictionary for the language: nothing is misspelt
      {256 | 1, true, "IDS_EMPTY IDS_FUZZY IDS_OCC4"},
      {256 | 8, true, "IDS_FAIL IDS_FUZZY IDS_OCC4"},
  };
  for (const auto &c : cases) {
    settings.setInteger("FilterFlags", c.flags);
    Filter filter(settings);
    if (c.dictionary)
      filter.setSpellTest(misspelt);
    ItemListModel list(session);
    list.setFilter(filter.test());
    EXPECT_EQ(rows(list, true), c.shown) << c.flags << " " << c.dictionary;
  }

  settings.setInteger("FilterFlags", 1);
  Filter filter(settings);
  EXPECT_FALSE(FilterSetupModel(filter).isEnabled(8));
  filter.setSpellTest(misspelt);
  FilterSetupModel setup(filter);
  EXPECT_TRUE(setup.isEnabled(8));
  EXPECT_EQ(FilterSetupModel::conditionCaption(8), "Misspelt words");
  setup.setChecked(8, true);
  setup.accept();
  EXPECT_EQ(settings.integer("FilterFlags"), 257);
  EXPECT_TRUE(FilterSetupModel(filter).isChecked(8));
}

} // namespace
} // namespace tarvelo

// The exchange commands and the memory windows as the translator meets them: Export and
// Import with their file dialog, "Search Translation Memory" with its words, AND/OR and
// the delete question, and the dialogs of the glossary import.
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "exchange/exchange_commands.h"
#include "exchange/exchange_file_dialog.h"
#include "exchange/terminology_dialog.h"
#include "memory/glossary_import_dialog.h"
#include "memory/memory_search_window.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/language_combo.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"
#include "workbench/filter.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "memory_workbench.h"
#include "test_support.h"
#include "widget_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class ExchangeWindowsTest : public MemoryWorkbenchTest {
protected:
  // Hooks whose dialog chooses the file, the format and the delimiters given.
  ExchangeHooks choosing(const QString &file, int format, int bits = 3, bool filtered = false) {
    ExchangeHooks hooks;
    hooks.filter = &filter;
    hooks.showFilter = [this](bool show) { filterShown.append(show); };
    hooks.run = [=](QWidget *widget) {
      auto *dialog = static_cast<ExchangeFileDialog *>(widget);
      dialog->selectNameFilter(dialog->nameFilters().value(format));
      dialog->selectFile(file);
      if (filtered)
        dialog->findChildren<QRadioButton *>().value(1)->setChecked(true);
      const QList<QCheckBox *> boxes = dialog->findChildren<QCheckBox *>();
      for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(bits & (1 << i));
      dialog->accept();
      return dialog->result() == QDialog::Accepted;
    };
    return hooks;
  }
  TextEntry *find(const QString &identifier) {
    return entryNamed(workbench->session(), identifier);
  }

  Filter filter{settings};
  QList<bool> filterShown;
};

TEST_F(ExchangeWindowsTest, ExportAndImportAreEnabledWithATaskAndGoBothWays) {
  MainFrame &frame = workbench->frame();
  frame.updateCommands();
  for (CommandId id : {CmdExport, CmdImport, CmdImportGlossary, CmdSearchMemory})
    EXPECT_TRUE(frame.command(id)->isEnabled()) << id;

  Session &session = workbench->session();
  // The name gets its extension; the dialog's format is remembered.
  exportTranslations(&frame, session, choosing(dir.filePath(QStringLiteral("texts")), 1));
  EXPECT_EQ(prompter.messages.value(0), QStringLiteral("Export finished successfuly"));
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("texts.po"))));
  EXPECT_EQ(settings.integer(QStringLiteral("ImportFormat")), 1);

  TextEntry *file = find(QStringLiteral("IDS_HELLO"));
  if (!file)
    for (const auto &entry : session.entries())
      if (!file && entry->isTranslatable() && !entry->targetText.isEmpty())
        file = entry.get();
  ASSERT_NE(file, nullptr);
  const QString translation = file->targetText;
  session.changeTargetText(file, QStringLiteral("changed"));
  session.setModified(false);
  importTranslations(&frame, session, choosing(dir.filePath(QStringLiteral("texts.po")), 1));
  EXPECT_EQ(file->targetText, translation);
  EXPECT_EQ(file->matchState, Filled);
  EXPECT_TRUE(session.isModified());
  // Each record is one step: undoing the last brings back what the import replaced.
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdUndo)->isEnabled());
}

TEST_F(ExchangeWindowsTest, ImportOffersOkOnlyWithADelimiterAndStoresTheChoices) {
  ExchangeFileDialog dialog(ExchangeFileDialog::Mode::Import, settings);
  QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
  ASSERT_NE(ok, nullptr);
  const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
  ASSERT_EQ(boxes.size(), 3);
  EXPECT_TRUE(boxes[0]->isChecked() && boxes[1]->isChecked() && !boxes[2]->isChecked());
  boxes[0]->setChecked(false);
  boxes[1]->setChecked(false);
  EXPECT_FALSE(ok->isEnabled());
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  boxes[2]->setChecked(true);
  EXPECT_TRUE(ok->isEnabled());
  dialog.findChildren<QRadioButton *>().value(1)->setChecked(true);
  dialog.selectFile(exampleFile(QStringLiteral("example.rc")));
  dialog.accept();
  EXPECT_EQ(settings.integer(QStringLiteral("ImportFlag")), 4);
  EXPECT_EQ(settings.integer(QStringLiteral("ImportWhat")), 1);
}

TEST_F(ExchangeWindowsTest, FilteredItemsShowTheFilterWhileChosen) {
  MainFrame &frame = workbench->frame();
  ExchangeHooks hooks;
  hooks.showFilter = [&](bool show) {
    if ((frame.board() == MainFrame::Board::Filter) != show)
      frame.runCommand(CmdFilter);
  };
  ExchangeFileDialog dialog(ExchangeFileDialog::Mode::Export, settings, &frame);
  dialog.setFilterHooks(hooks.showFilter, nullptr);
  auto *filtered = dialog.findChildren<QRadioButton *>().value(1);
  auto *button = dialog.findChild<QPushButton *>(QStringLiteral("filterButton"));
  filtered->setChecked(true);
  EXPECT_EQ(frame.board(), MainFrame::Board::Filter);
  EXPECT_FALSE(button->isHidden());
  dialog.findChildren<QRadioButton *>().value(0)->setChecked(true);
  EXPECT_EQ(frame.board(), MainFrame::Board::Items);
  EXPECT_TRUE(button->isHidden());
}

class SearchWindowTest : public ExchangeWindowsTest {
protected:
  void remember(const QString &source, const QString &target, int count = 1) {
    library.exports().addPair(reinterpret_cast<const char16_t *>(source.utf16()),
                              reinterpret_cast<const char16_t *>(target.utf16()), count);
  }
  QStringList rows(const MemorySearchWindow &window) {
    QStringList out;
    for (int i = 0; i < window.list()->topLevelItemCount(); ++i)
      out.append(window.list()->topLevelItem(i)->text(0) + u'=' +
                 window.list()->topLevelItem(i)->text(1));
    return out;
  }
};

TEST_F(SearchWindowTest, WordsAndPhrasesFindPairsAndAreWrittenBack) {
  remember(QStringLiteral("Save the file name"), QStringLiteral("Dateinamen sichern"), 3);
  remember(QStringLiteral("Save all"), QStringLiteral("Alles sichern"), 1);
  remember(QStringLiteral("Open the file"), QStringLiteral("Datei öffnen"), 2);
  MemorySearchWindow window(*workbench->memory(), prompter);
  window.setLanguages(1033, 1031);
  window.searchBox()->setText(QStringLiteral("save  \"file name\"   ok"));
  window.search();
  EXPECT_EQ(window.searchBox()->text(), QStringLiteral("save \"file name\" ok"));
  EXPECT_EQ(rows(window),
            QStringList({"Save the file name=Dateinamen sichern", "Save all=Alles sichern"}));
  EXPECT_EQ(window.itemsText(), QStringLiteral("2"));
  // With AND every word must be in the source, ignoring case.
  window.andButton()->setChecked(true);
  window.search();
  EXPECT_EQ(rows(window), QStringList());
  window.searchBox()->setText(QStringLiteral("SAVE \"file name\""));
  window.search();
  EXPECT_EQ(rows(window), QStringList{"Save the file name=Dateinamen sichern"});
  // A right-to-left target language aligns its column to the right.
  window.setLanguages(1033, 1025);
  window.search();
  ASSERT_EQ(window.list()->topLevelItemCount(), 1);
  EXPECT_TRUE(window.list()->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
  EXPECT_FALSE(window.list()->topLevelItem(0)->textAlignment(0) & Qt::AlignRight);
  window.searchBox()->setText(QStringLiteral("nothing"));
  window.search();
  EXPECT_EQ(window.itemsText(), QStringLiteral("0"));
  EXPECT_FALSE(window.deleteButton()->isEnabled());
}

TEST_F(SearchWindowTest, DeletingAsksAndSelectsTheRowThatTakesThePlace) {
  for (int i = 0; i < 3; ++i)
    remember(QStringLiteral("Item %1").arg(i), QStringLiteral("Punkt %1").arg(i), 3 - i);
  MemorySearchWindow window(*workbench->memory(), prompter);
  window.searchBox()->setText(QStringLiteral("Item"));
  window.search();
  ASSERT_EQ(rows(window).size(), 3);
  EXPECT_TRUE(window.deleteButton()->isEnabled());
  prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
  window.deleteSelected();
  EXPECT_EQ(rows(window).size(), 3);
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("Do you realy want to remove translation\nfrom: \"Item 0\"\nto: "
                           "\"Punkt 0\"?"));
  window.deleteSelected();
  EXPECT_EQ(rows(window), QStringList({"Item 1=Punkt 1", "Item 2=Punkt 2"}));
  EXPECT_EQ(window.itemsText(), QStringLiteral("2"));
  EXPECT_EQ(window.list()->currentItem(), window.list()->topLevelItem(0));
  window.search();
  EXPECT_EQ(rows(window).size(), 2);
  // The last row removed leaves nothing selected.
  window.list()->setCurrentItem(window.list()->topLevelItem(1));
  prompter.answers = {Prompter::Answer::Yes};
  window.deleteSelected();
  EXPECT_FALSE(window.deleteButton()->isEnabled());
}

TEST_F(SearchWindowTest, AtMost500PairsAreListed) {
  library.exports().beginTMBatch();
  for (int i = 0; i < 520; ++i)
    remember(QStringLiteral("Common %1").arg(i), QStringLiteral("Gemein %1").arg(i));
  library.exports().endTMBatch();
  MemorySearchWindow window(*workbench->memory(), prompter);
  window.searchBox()->setText(QStringLiteral("Common"));
  window.search();
  EXPECT_EQ(window.list()->topLevelItemCount(), 500);
  EXPECT_EQ(window.itemsText(), QStringLiteral("500"));
}

// 4 KB of noise in the middle of the memory's table: the search says what the database
// found instead of showing no match, and a pair listed before stays when it cannot go.
TEST_F(SearchWindowTest, ADamagedMemoryIsSaidNotShownAsNoMatch) {
  const TmExports &tm = library.exports();
  tm.beginTMBatch();
  for (int i = 0; i < 1000; ++i)
    remember(QStringLiteral("Text number %1").arg(i), QStringLiteral("Text %1").arg(i));
  tm.endTMBatch();
  MemorySearchWindow window(*workbench->memory(), prompter);
  window.searchBox()->setText(QStringLiteral("\"number 1\""));
  window.search();
  ASSERT_GT(window.list()->topLevelItemCount(), 0);
  tm.disconnectTM();
  const QString folder = dir.filePath(QStringLiteral("TM"));
  ASSERT_TRUE(kestrine_test::damageTablePage(
      std::filesystem::path(folder.toStdString()) / "Kestrine.db", "7to9", 6));
  ASSERT_TRUE(workbench->memory()->connectTo(1033, 1031));

  prompter.answers = {Prompter::Answer::Yes};
  window.deleteSelected();
  const QString damage = QStringLiteral("the memory is damaged (database disk image is malformed");
  EXPECT_TRUE(prompter.messages.last().startsWith(
      QStringLiteral("The Translation Memory in '%1' cannot be written: %2")
          .arg(QDir::toNativeSeparators(folder), damage)))
      << prompter.messages.last().toStdString();
  EXPECT_GT(window.list()->topLevelItemCount(), 0);
  window.searchBox()->setText(QStringLiteral("number"));
  window.search();
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("The Translation Memory in '%1' cannot be read: database disk image "
                           "is malformed")
                .arg(QDir::toNativeSeparators(folder)));
  EXPECT_EQ(window.itemsText(), QStringLiteral("0"));
}

TEST_F(SearchWindowTest, TheCommandShowsAndHidesTheWindowAndIsCheckedWhileItShows) {
  MainFrame &frame = workbench->frame();
  frame.runCommand(CmdSearchMemory);
  ASSERT_NE(workbench->memorySearch(), nullptr);
  EXPECT_TRUE(workbench->memorySearch()->isVisible());
  EXPECT_TRUE(frame.command(CmdSearchMemory)->isChecked());
  frame.runCommand(CmdSearchMemory);
  EXPECT_FALSE(workbench->memorySearch()->isVisible());
  EXPECT_FALSE(frame.command(CmdSearchMemory)->isChecked());
}

TEST(GlossaryDialogs, LanguagesAndDelimitersMustBeChosen) {
  GlossaryImportDialog dialog(1031, 0);
  EXPECT_EQ(dialog.sourceLanguage(), 1033);
  EXPECT_EQ(dialog.targetLanguage(), 1031);
  dialog.selectFile(exampleFile(QStringLiteral("example.rc")));
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted); // no delimiter
  dialog.findChildren<QCheckBox *>().value(2)->setChecked(true);
  dialog.targetCombo()->setLanguage(-1);
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted); // no target language
  dialog.targetCombo()->setLanguage(1029);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.delimiterBits(), 4);

  TerminologyRequest request;
  request.fields = {"ID", "English", "German"};
  request.source = 1;
  request.target = 2;
  TerminologyDialog terminology(request);
  auto *target = terminology.findChild<QComboBox *>(QStringLiteral("targetColumn"));
  EXPECT_EQ(target->currentText(), QStringLiteral("German"));
  target->setCurrentIndex(0);
  terminology.take(request);
  EXPECT_EQ(request.source, 1);
  EXPECT_EQ(request.target, 0);
}

} // namespace
} // namespace tarvelo::gui

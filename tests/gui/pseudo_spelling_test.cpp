// Pseudo-translation from the Tools menu is one undo step; misspelt words are
// underlined in the target editor, corrected or added from its context menu, and
// shown by the filter.
#include "app/workbench_assembly.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/command_ids.h"
#include "workbench/item_list_model.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/pseudo_translate_dialog.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

// Failure messages show texts as text.
[[maybe_unused]] static std::ostream &operator<<(std::ostream &out, const QString &text) {
  return out << text.toStdString();
}

namespace tarvelo::gui {
namespace {

class PseudoSpellingTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Words added to the dictionary land in a folder of the test, not the user's.
    m_savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    ASSERT_TRUE(QFile::copy(exampleFile("example.rc"), dir.filePath("example.rc")));
    ASSERT_TRUE(QFile::copy(exampleFile("example_de.rc"), dir.filePath("example_de.rc")));
  }
  void TearDown() override {
    if (m_savedConfig.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", m_savedConfig);
  }
  void open(WorkbenchAssembly &workbench) {
    OpenRequest request{dir.filePath("example.rc"), 1033, false, dir.filePath("example_de.rc"),
                        1031};
    ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
    workbench.spelling().waitForLoad();
    QApplication::processEvents();
  }
  // Runs the command, answering its dialog with these options.
  static void pseudoTranslate(MainFrame &frame, int expansion, bool rightToLeft) {
    QTimer::singleShot(0, [=] {
      auto *dialog = qobject_cast<PseudoTranslateDialog *>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->expansionBox()->setValue(expansion);
      dialog->rightToLeftBox()->setChecked(rightToLeft);
      dialog->accept();
    });
    frame.runCommand(CmdPseudoTranslate);
  }
  static QStringList targets(Session &session) {
    QStringList out;
    for (const auto &entry : session.entries())
      out << entry->targetText;
    return out;
  }
  static TextEntry *find(Session &session, const QString &identifier) {
    return entryNamed(session, identifier);
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  QByteArray m_savedConfig;
};

TEST_F(PseudoSpellingTest, PseudoTranslationIsOneUndoStep) {
  WorkbenchAssembly workbench(settings, prompter, progress, nullptr);
  MainFrame &frame = workbench.frame();
  open(workbench);
  Session &session = workbench.session();
  frame.updateCommands();
  ASSERT_TRUE(frame.command(CmdPseudoTranslate)->isEnabled());
  const QStringList before = targets(session);
  prompter.messages.clear();

  // The example's target is in code page 1252, which has no right-to-left marks.
  pseudoTranslate(frame, 50, true);
  EXPECT_EQ(targets(session), before);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains("right-to-left")) << prompter.messages[0];

  pseudoTranslate(frame, 50, false);
  EXPECT_EQ(settings.integer("PseudoExpansion"), 50);
  EXPECT_EQ(settings.integer("PseudoRightToLeft"), 0);
  int pseudo = 0;
  for (const auto &entry : session.entries()) {
    if (!entry->isTranslatable() || entry->sourceText.trimmed().isEmpty())
      continue;
    EXPECT_TRUE(entry->targetText.trimmed().startsWith(u'[')) << entry->targetText;
    EXPECT_TRUE(entry->inspectionPassed) << entry->sourceText << " -> " << entry->targetText;
    ++pseudo;
  }
  EXPECT_GT(pseudo, 20);
  EXPECT_TRUE(session.isModified());
  // The item list shows the new texts.
  const ItemListModel &items = frame.itemList()->itemModel();
  ASSERT_GT(items.rowCount(), 0);
  EXPECT_TRUE(items.entryAt(0)->targetText.isEmpty() ||
              items.entryAt(0)->targetText.trimmed().startsWith(u'['));

  frame.runCommand(CmdUndo);
  EXPECT_EQ(targets(session), before);
  EXPECT_FALSE(session.undoStack().canUndo());
  frame.runCommand(CmdRedo);
  EXPECT_NE(targets(session), before);
}

TEST_F(PseudoSpellingTest, MisspeltWordsAreUnderlinedAndCorrectedFromTheMenu) {
  WorkbenchAssembly workbench(settings, prompter, progress, nullptr);
  MainFrame &frame = workbench.frame();
  open(workbench);
  ASSERT_NE(workbench.spelling().checker(), nullptr) << "no German dictionary";
  TextEntry *entry = find(workbench.session(), "IDS_ITEMS_SELECTED");
  ASSERT_NE(entry, nullptr);
  frame.selectEntry(entry);
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setPlainText(u"Die Dattei \u00f6ffnen"_qs);
  QApplication::processEvents();

  // The underline covers the unknown word alone.
  QStringList underlined;
  for (const QTextLayout::FormatRange &range : editor->document()->firstBlock().layout()->formats())
    if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
      underlined << editor->toPlainText().mid(range.start, range.length);
  EXPECT_EQ(underlined, QStringList{"Dattei"});

  std::unique_ptr<QMenu> menu(editor->contextMenuAt(6));
  QStringList labels;
  QAction *datei = nullptr, *add = nullptr;
  for (QAction *action : menu->actions()) {
    labels << action->text();
    if (action->text() == "Datei")
      datei = action;
    if (action->text() == "Add to dictionary")
      add = action;
  }
  ASSERT_TRUE(datei && add) << labels.join(" | ").toStdString();
  // Suggestions come first, before the editing commands.
  EXPECT_EQ(menu->actions().indexOf(datei) < menu->actions().indexOf(add), true);
  datei->trigger();
  EXPECT_EQ(editor->toPlainText(), u"Die Datei \u00f6ffnen"_qs);

  // A word added is known from then on, and kept for the language.
  editor->setPlainText(u"Kestrinedatei"_qs);
  std::unique_ptr<QMenu> second(editor->contextMenuAt(3));
  QAction *addWord = nullptr;
  for (QAction *action : second->actions())
    if (action->text() == "Add to dictionary")
      addWord = action;
  ASSERT_NE(addWord, nullptr);
  addWord->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(workbench.spelling().misspelt(u"Kestrinedatei"_qs));
  QFile words(dir.filePath("config/Tarvelo/dictionary-de-DE.txt"));
  ASSERT_TRUE(words.open(QIODevice::ReadOnly));
  EXPECT_EQ(words.readAll(), "Kestrinedatei\n");
  std::unique_ptr<QMenu> known(editor->contextMenuAt(3));
  for (QAction *action : known->actions())
    EXPECT_NE(action->text(), "Add to dictionary");
}

TEST_F(PseudoSpellingTest, TheFilterShowsMisspeltItems) {
  settings.setInteger("FilterFlags", 256);
  WorkbenchAssembly workbench(settings, prompter, progress, nullptr);
  MainFrame &frame = workbench.frame();
  open(workbench);
  Session &session = workbench.session();
  TextEntry *entry = find(session, "IDS_ITEMS_SELECTED");
  ASSERT_NE(entry, nullptr);
  session.changeTargetText(entry, u"%d Eintrage ausgewahlt"_qs);
  frame.runCommand(CmdFilter);
  ASSERT_EQ(frame.board(), MainFrame::Board::Filter);
  QStringList shown;
  for (ItemListView *list : frame.findChildren<ItemListView *>())
    if (list->isVisibleTo(&frame))
      for (int row = 0; row < list->itemModel().rowCount(); ++row)
        shown << list->itemModel().entryAt(row)->identifier;
  EXPECT_TRUE(shown.contains("IDS_ITEMS_SELECTED")) << shown.join(' ').toStdString();
  for (ItemListView *list : frame.findChildren<ItemListView *>()) {
    if (!list->isVisibleTo(&frame))
      continue;
    for (int row = 0; row < list->itemModel().rowCount(); ++row)
      EXPECT_TRUE(workbench.spelling().misspelt(list->itemModel().entryAt(row)->targetText));
  }
}

TEST_F(PseudoSpellingTest, ALanguageWithoutADictionarySaysSoInTheMenu) {
  WorkbenchAssembly workbench(settings, prompter, progress, nullptr);
  OpenRequest request{dir.filePath("example.rc"), 1033, false, dir.filePath("example_ja.rc"), 1041};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  workbench.spelling().waitForLoad();
  prompter.messages.clear(); // the new target's own questions
  MainFrame &frame = workbench.frame();
  frame.selectEntry(find(workbench.session(), "IDS_ITEMS_SELECTED"));
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setPlainText("Dattei");
  std::unique_ptr<QMenu> menu(editor->contextMenuAt(2));
  ASSERT_FALSE(menu->actions().isEmpty());
  EXPECT_TRUE(menu->actions()[0]->text().startsWith("There is no dictionary for"))
      << menu->actions()[0]->text().toStdString();
  EXPECT_FALSE(menu->actions()[0]->isEnabled());
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

} // namespace
} // namespace tarvelo::gui

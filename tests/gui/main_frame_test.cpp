// The main window over a real task: panes follow the current entry, typing and Enter
// translate, undo restores, boards switch, commands enable by the state.
#include "app/gui_resources.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/item_list_model.h"
#include "workbench/main_frame.h"
#include "workbench/menu_view.h"
#include "workbench/occurrences_view.h"
#include "workbench/plain_text_view.h"
#include "workbench/resource_tree_view.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

QString examplePath() {
  return QStringLiteral(TARVELO_TEST_DATA "/../../resources/example/example.rc");
}

class MainFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1366, 768);
    frame.show();
    OpenRequest request;
    request.sourcePath = examplePath();
    request.sourceLanguage = 1033;
    request.targetPath = dir.filePath(QStringLiteral("example_de.rc"));
    request.targetLanguage = 1031;
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    QApplication::processEvents();
  }

  // Saves a picture of the window when the screenshots folder is given.
  void snapshot(const char *name) {
    const QByteArray folder = qgetenv("TARVELO_SCREENSHOTS");
    if (!folder.isEmpty())
      frame.grab().save(QString::fromLocal8Bit(folder) + u'/' + QLatin1String(name) + ".png");
  }

  TextEntry *firstString() {
    for (const auto &entry : session.entries())
      if (entry->kind == QLatin1String("STRINGTABLE"))
        return entry.get();
    return nullptr;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(MainFrameTest, PanesFollowTheCurrentEntry) {
  ASSERT_GT(frame.itemList()->model()->rowCount(), 10);
  ASSERT_GT(frame.resourceTree()->model()->rowCount(), 0);
  EXPECT_TRUE(frame.statusMessage().contains(u"items verified"));
  EXPECT_TRUE(frame.windowTitle().contains(u"example_de.rc"));

  TextEntry *entry = firstString();
  ASSERT_NE(entry, nullptr);
  frame.selectEntry(entry);
  QApplication::processEvents();
  EXPECT_EQ(frame.itemList()->selectedEntry(), entry);
  EXPECT_EQ(frame.splitEdit()->targetEditor()->entry(), entry);
  EXPECT_FALSE(frame.splitEdit()->targetEditor()->isReadOnly());
  snapshot("main_frame");
}

TEST_F(MainFrameTest, TypingAndEnterTranslateAndUndoRestores) {
  TextEntry *entry = firstString();
  frame.selectEntry(entry);
  QApplication::processEvents();
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setFocus();
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("Hallo Welt"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(entry->targetText, QStringLiteral("Hallo Welt"));
  EXPECT_TRUE(session.isModified());
  // Enter moved on to the next row.
  EXPECT_NE(session.currentEntry(), entry);
  frame.updateCommands();
  ASSERT_TRUE(frame.command(CmdUndo)->isEnabled());
  frame.command(CmdUndo)->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(entry->targetText.isEmpty());
  EXPECT_EQ(session.currentEntry(), entry);
  EXPECT_TRUE(frame.splitEdit()->targetEditor()->toPlainText().isEmpty());
}

TEST_F(MainFrameTest, CtrlZInTheEditorTakesBackTypingFirstThenTheLastChange) {
  TextEntry *entry = firstString();
  frame.selectEntry(entry);
  QApplication::processEvents();
  frame.applyTargetText(entry, QStringLiteral("Beispiel"));
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setFocus();
  QTest::keyClicks(editor, QStringLiteral("!"));
  // The typing first.
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("Beispiel"));
  EXPECT_EQ(entry->targetText, QStringLiteral("Beispiel"));
  // Then the stored change.
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(entry->targetText.isEmpty());
}

TEST_F(MainFrameTest, EscapeBringsTheStoredTextBack) {
  TextEntry *entry = firstString();
  frame.selectEntry(entry);
  QApplication::processEvents();
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  QTest::keyClicks(editor, QStringLiteral("typed"));
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_TRUE(editor->toPlainText().isEmpty());
  EXPECT_TRUE(entry->targetText.isEmpty());
}

TEST_F(MainFrameTest, ResourcesOpenOnTheirBoards) {
  TextEntry *menu = nullptr, *dlginit = nullptr, *other = nullptr;
  for (const auto &entry : session.entries()) {
    if (!entry->isHead())
      continue;
    if (!menu && entry->kind == QLatin1String("MENU"))
      menu = entry.get();
    if (!dlginit && entry->kind == QLatin1String("DLGINIT"))
      dlginit = entry.get();
    if (!other && !entry->isTranslatable())
      other = entry.get();
  }
  ASSERT_TRUE(menu && dlginit && other);
  frame.openResource(menu);
  EXPECT_EQ(frame.board(), MainFrame::Board::Menu);
  EXPECT_EQ(frame.menuView()->shownHead(), menu);
  // The menu's first item is current, not the resource line.
  EXPECT_EQ(session.currentEntry(), menu->next());
  // The top bar and the opened popup of the current item, captions from the target.
  frame.applyTargetText(menu->next(), QStringLiteral("&Datei"));
  const QStringList bars = frame.menuView()->barCaptions();
  ASSERT_EQ(bars.size(), 2);
  EXPECT_TRUE(bars[0].startsWith(u"&Datei|   |"));
  // Down walks into the popup.
  frame.menuView()->setFocus();
  QTest::keyClick(frame.menuView(), Qt::Key_Down);
  EXPECT_EQ(session.currentEntry(), menu->next()->next());
  EXPECT_EQ(frame.menuView()->barCaptions().value(0).left(7), QStringLiteral("&Datei|"));
  snapshot("menu_board");

  frame.openResource(dlginit);
  EXPECT_EQ(frame.board(), MainFrame::Board::DlgInit);

  frame.openResource(other);
  EXPECT_EQ(frame.board(), MainFrame::Board::Text);
  EXPECT_EQ(frame.plainTextView()->shownResource(), other);
  EXPECT_FALSE(frame.plainTextView()->text().isEmpty());
  snapshot("text_board");

  // An edited resource is stored only when the translator confirms it on leaving.
  auto *edit = frame.plainTextView()->findChild<QPlainTextEdit *>();
  ASSERT_NE(edit, nullptr);
  const QString before = edit->toPlainText();
  const QString changed = before + QStringLiteral("// checked\n");
  for (Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
    frame.openResource(other);
    edit->setPlainText(changed);
    prompter.messages.clear();
    prompter.answers = {answer};
    frame.openResource(menu);
    EXPECT_EQ(prompter.messages,
              QStringList{"Are you sure you want to change this resource item?"});
    EXPECT_EQ(other->sourceBlock->text(), answer == Prompter::Answer::Yes ? changed : before);
  }
}

TEST_F(MainFrameTest, CommandsFollowTheState) {
  frame.updateCommands();
  for (CommandId id : {CmdOpen, CmdClose, CmdSave, CmdSaveAs, CmdSaveToSource, CmdFilter, CmdFind})
    EXPECT_TRUE(frame.command(id)->isEnabled()) << id;
  EXPECT_FALSE(frame.command(CmdUndo)->isEnabled());
  // Closing a freshly opened task asks first; No closes without saving.
  prompter.answers = {Prompter::Answer::No};
  frame.command(CmdClose)->trigger();
  EXPECT_EQ(prompter.messages.value(0), QStringLiteral("Do you want to save resource file?"));
  frame.updateCommands();
  for (CommandId id : {CmdClose, CmdSave, CmdSaveAs, CmdExport, CmdFilter})
    EXPECT_FALSE(frame.command(id)->isEnabled()) << id;
  EXPECT_TRUE(frame.command(CmdOpen)->isEnabled());
  EXPECT_EQ(frame.itemList()->model()->rowCount(), 0);
}

TEST_F(MainFrameTest, FindStopsAtTheEndWithoutWrapping) {
  frame.command(CmdFind)->trigger();
  auto *find = frame.findChild<QDialog *>();
  ASSERT_NE(find, nullptr);
  auto *text = find->findChild<QLineEdit *>();
  ASSERT_NE(text, nullptr);
  text->setText(QStringLiteral("no such text anywhere"));
  QMetaObject::invokeMethod(find, "findNext");
  EXPECT_EQ(prompter.messages.value(0), QStringLiteral("'no such text anywhere' can't be found"));
}

TEST_F(MainFrameTest, ContextMenuTextGoesToTheEntryThroughTheEditor) {
  TextEntry *entry = firstString();
  frame.selectEntry(entry);
  QApplication::processEvents();
  // Something typed but not stored must not overwrite the chosen text.
  QTest::keyClicks(frame.splitEdit()->targetEditor(), QStringLiteral("pending"));
  frame.applyTargetText(entry, QStringLiteral("Gewählt"));
  EXPECT_EQ(entry->targetText, QStringLiteral("Gewählt"));
  EXPECT_EQ(frame.splitEdit()->targetEditor()->toPlainText(), QStringLiteral("Gewählt"));
}

} // namespace
} // namespace tarvelo::gui

// The main window over a real task: panes follow the current entry, typing and Enter
// translate, undo restores, boards switch, commands enable by the state.
#include "app/gui_resources.h"
#include "project/project_pane.h"
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

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class MainFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1366, 768);
    frame.show();
    OpenRequest request;
    request.sourcePath = exampleFile(QStringLiteral("example.rc"));
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

  TextEntry *firstMenu() {
    for (const auto &entry : session.entries())
      if (entry->isHead() && entry->kind == QLatin1String("MENU"))
        return entry.get();
    return nullptr;
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
  typeTranslation(frame, QStringLiteral("Hallo Welt"));
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

// Enter stores a comment and moves on, as it does in the target editor.
TEST_F(MainFrameTest, EnterInTheCommentEditorsMovesToTheNextItem) {
  const struct {
    const char *name;
    TargetEditor *editor;
    QString (TextEntry::*comment)() const;
  } editors[] = {
      {"target comment", frame.splitEdit()->targetCommentEditor(), &TextEntry::targetComment},
      {"source comment", frame.splitEdit()->sourceCommentEditor(), &TextEntry::sourceComment},
  };
  for (const auto &c : editors) {
    SCOPED_TRACE(c.name);
    TextEntry *entry = firstString();
    frame.selectEntry(entry);
    QApplication::processEvents();
    c.editor->setFocus();
    QTest::keyClicks(c.editor, QStringLiteral("Kurz halten"));
    QTest::keyClick(c.editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ((entry->*c.comment)(), QStringLiteral("Kurz halten"));
    EXPECT_NE(session.currentEntry(), entry);
    EXPECT_NE(session.currentEntry(), nullptr);
  }
}

// Coming to the MENU board by keys opens the current item's popup as Down does;
// nothing is grabbed, so the rest of the window keeps taking input.
TEST_F(MainFrameTest, TheMenuBoardOpensItsPreviewWhenItGetsTheFocusByKeys) {
  TextEntry *menu = firstMenu();
  ASSERT_NE(menu, nullptr);
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  const struct {
    Qt::FocusReason reason;
    bool opens;
  } cases[] = {
      {Qt::TabFocusReason, true},
      {Qt::BacktabFocusReason, true},
      {Qt::OtherFocusReason, false},
      {Qt::ActiveWindowFocusReason, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.reason);
    frame.openResource(menu);
    frame.resourceTree()->setFocus();
    ASSERT_FALSE(frame.menuView()->hasFocus());
    ASSERT_EQ(session.currentEntry(), menu->next()); // the popup "&File"
    frame.menuView()->setFocus(c.reason);
    QApplication::processEvents();
    EXPECT_TRUE(frame.menuView()->hasFocus());
    EXPECT_EQ(session.currentEntry(), c.opens ? menu->next()->next() : menu->next());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  }
  // The target editor still takes typing while the board shows.
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  QTest::mouseClick(editor->viewport(), Qt::LeftButton);
  EXPECT_TRUE(editor->hasFocus());
  QTest::keyClicks(editor, QStringLiteral("x"));
  EXPECT_TRUE(editor->toPlainText().endsWith(u'x'));
}

// "Set External Dictionary Path..." is offered beside "Open External Dictionary",
// enabled also while no dictionary is set.
TEST_F(MainFrameTest, TheDictionaryPathCommandIsInTheToolsMenu) {
  QMenu *tools = nullptr;
  for (QAction *action : frame.menuBar()->actions())
    if (action->menu() && action->text() == QStringLiteral("&Tools"))
      tools = action->menu();
  ASSERT_NE(tools, nullptr);
  const QList<QAction *> actions = tools->actions();
  const auto at = [&](CommandId id) {
    for (qsizetype i = 0; i < actions.size(); ++i)
      if (actions[i]->data().toInt() == id)
        return int(i);
    return -1;
  };
  ASSERT_GE(at(CmdOpenDictionary), 0);
  EXPECT_EQ(at(CmdDictionaryPath), at(CmdOpenDictionary) + 1);
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdOpenDictionary)->isEnabled());
  EXPECT_TRUE(frame.command(CmdDictionaryPath)->isEnabled());
  // A menu text; the longer sentence is its status tip.
  EXPECT_EQ(frame.command(CmdDictionaryPath)->text(),
            QStringLiteral("Set External Dictionary &Path..."));
  EXPECT_EQ(frame.command(CmdDictionaryPath)->statusTip(),
            QStringLiteral("Sets path to the external lexicon"));
}

TEST_F(MainFrameTest, ADroppedProjectFileOpensInTheProjectPane) {
  QFile project(dir.filePath(QStringLiteral("dropped.tvx")));
  ASSERT_TRUE(project.open(QIODevice::WriteOnly));
  project.write(
      "TASK=Example\r\n{\r\nSOURCEFILE=" + exampleFile(QStringLiteral("example.rc")).toUtf8() +
      "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=\r\nTARGETLANGUAGE=1031\r\n}\r\n");
  project.close();
  const auto drop = [&](const QString &path) {
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(dir.filePath(QStringLiteral("other.rc"))), QUrl::fromLocalFile(path)});
    return frame.openDropped(data);
  };
  // Other files are not opened by dropping.
  EXPECT_FALSE(drop(dir.filePath(QStringLiteral("notes.txt"))));
  EXPECT_TRUE(frame.projectPane()->project().tasks.isEmpty());
  EXPECT_TRUE(drop(project.fileName()));
  ASSERT_EQ(frame.projectPane()->project().tasks.size(), 1);
  EXPECT_EQ(frame.projectPane()->project().tasks[0].name, QStringLiteral("Example"));
  EXPECT_TRUE(frame.projectPane()->isVisible());
}

} // namespace
} // namespace tarvelo::gui

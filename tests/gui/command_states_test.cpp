// The main window's commands follow the state from its signals alone: after every step
// their enabled and checked states are already what a full update would make them.
#include "app/gui_resources.h"
#include "dialogs/controls_properties.h"
#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/command_table.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Enabled and checked, per command.
using States = QMap<int, std::pair<bool, bool>>;

class CommandStatesTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1280, 800);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  }
  void open() {
    ASSERT_EQ(session.open({exampleFile(QStringLiteral("example.rc")), 1033, false,
                            dir.filePath(QStringLiteral("example_de.rc")), 1031}),
              Session::OpenResult::Opened);
  }
  States states() const {
    States all;
    for (const Command &command : CommandTable::commands())
      all.insert(command.id,
                 {frame.command(command.id)->isEnabled(), frame.command(command.id)->isChecked()});
    return all;
  }
  // The states as the signals left them are those a full update computes.
  void expectCurrent(const char *step) {
    const States before = states();
    frame.updateCommands();
    const States after = states();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
      EXPECT_EQ(before.value(it.key()), it.value()) << step << ": command " << it.key();
  }
  bool enabled(CommandId id) const { return frame.command(id)->isEnabled(); }
  bool checked(CommandId id) const { return frame.command(id)->isChecked(); }
  TextEntry *dialogNamed(const char *identifier) {
    return entryNamed(session, QLatin1String(identifier), QStringLiteral("DIALOG"));
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(CommandStatesTest, EveryCommandOfTheTableHasItsHandler) {
  for (const Command &command : CommandTable::commands())
    EXPECT_TRUE(frame.handlesCommand(command.id)) << command.id;
}

TEST_F(CommandStatesTest, OpeningAndClosingEnableTheTaskCommandsAtOnce) {
  for (CommandId id : {CmdSave, CmdClose, CmdSaveAs, CmdFilter, CmdDialogsReport})
    EXPECT_FALSE(enabled(id)) << id;
  open();
  for (CommandId id : {CmdSave, CmdClose, CmdSaveAs, CmdFilter, CmdDialogsReport, CmdRefresh})
    EXPECT_TRUE(enabled(id)) << id;
  EXPECT_TRUE(enabled(CmdInverseOpen));
  expectCurrent("opened");
  session.close();
  for (CommandId id : {CmdSave, CmdClose, CmdInverseOpen, CmdRefresh, CmdPasteSource})
    EXPECT_FALSE(enabled(id)) << id;
  expectCurrent("closed");
}

TEST_F(CommandStatesTest, UndoAndRedoFollowTheChangesWithoutAnUpdate) {
  open();
  TextEntry *entry = entryNamed(session, QStringLiteral("IDS_READY"));
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(enabled(CmdUndo));
  session.changeTargetText(entry, QStringLiteral("Bereit"));
  EXPECT_TRUE(enabled(CmdUndo));
  EXPECT_FALSE(enabled(CmdRedo));
  expectCurrent("changed");
  session.undo();
  // Back at the first state: nothing more to undo.
  EXPECT_FALSE(enabled(CmdUndo));
  EXPECT_TRUE(enabled(CmdRedo));
  expectCurrent("undone");
  session.redo();
  EXPECT_TRUE(enabled(CmdUndo));
  EXPECT_FALSE(enabled(CmdRedo));
  expectCurrent("redone");
}

TEST_F(CommandStatesTest, TheBoardShownChecksAndEnablesItsCommands) {
  open();
  frame.runCommand(CmdFilter);
  EXPECT_TRUE(checked(CmdFilter));
  frame.showBoard(MainFrame::Board::Items);
  EXPECT_FALSE(checked(CmdFilter));
  EXPECT_TRUE(enabled(CmdPrint));
  frame.showBoard(MainFrame::Board::Menu);
  EXPECT_FALSE(enabled(CmdPrint));
  EXPECT_FALSE(enabled(CmdRefresh));
  expectCurrent("menu board");
  frame.openResource(dialogNamed("IDD_OPTIONS"));
  EXPECT_TRUE(enabled(CmdDialogControls));
  EXPECT_TRUE(enabled(CmdShowOriginal));
  EXPECT_TRUE(enabled(CmdNextControl));
  expectCurrent("dialog board");
  frame.showBoard(MainFrame::Board::Items);
  EXPECT_FALSE(enabled(CmdDialogControls));
  EXPECT_FALSE(enabled(CmdNextControl));
  expectCurrent("items again");
}

TEST_F(CommandStatesTest, TheCurrentEntryEnablesItsCommands) {
  open();
  session.selectEntry(nullptr);
  EXPECT_FALSE(enabled(CmdPasteSource));
  EXPECT_FALSE(enabled(CmdLoadFromSource));
  session.selectEntry(entryNamed(session, QStringLiteral("IDS_READY")));
  EXPECT_TRUE(enabled(CmdPasteSource));
  EXPECT_FALSE(enabled(CmdShowOriginal));
  session.selectEntry(dialogNamed("IDD_OPTIONS"));
  EXPECT_TRUE(enabled(CmdShowOriginal));
  EXPECT_TRUE(enabled(CmdLoadFromSource));
  EXPECT_TRUE(checked(CmdLoadFromTarget));
  expectCurrent("dialog entry");
}

TEST_F(CommandStatesTest, TheFocusEnablesTheClipboardCommands) {
  open();
  frame.selectEntry(entryNamed(session, QStringLiteral("IDS_READY")));
  QApplication::processEvents();
  frame.splitEdit()->targetEditor()->setFocus();
  QApplication::processEvents();
  for (CommandId id : {CmdCut, CmdCopy, CmdPaste})
    EXPECT_TRUE(enabled(id)) << id;
  expectCurrent("editor focused");
  frame.itemList()->setFocus();
  QApplication::processEvents();
  for (CommandId id : {CmdCut, CmdCopy, CmdPaste})
    EXPECT_FALSE(enabled(id)) << id;
  expectCurrent("list focused");
}

TEST_F(CommandStatesTest, TheDialogViewsSelectionAndWindowsFollow) {
  open();
  frame.openResource(dialogNamed("IDD_OPTIONS"));
  QApplication::processEvents();
  LayoutEditor &editor = *frame.dialogBoard()->editor();
  ASSERT_GE(editor.controlCount(), 2);
  editor.setSelection({0}, 0);
  EXPECT_FALSE(enabled(CmdAlignLeft));
  editor.setSelection({0, 1}, 0);
  EXPECT_TRUE(enabled(CmdAlignLeft));
  EXPECT_TRUE(enabled(CmdSameSize));
  expectCurrent("two selected");
  session.changeTargetText(entryNamed(session, QStringLiteral("IDS_READY")),
                           QStringLiteral("Bereit"));
  EXPECT_TRUE(enabled(CmdUndo));
  // The view is in use once the translator works in it: Undo is the editor's then.
  frame.dialogBoard()->canvas()->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(enabled(CmdUndo));
  editor.run(LayoutEditor::Command::AlignLeft);
  EXPECT_TRUE(enabled(CmdUndo));
  expectCurrent("aligned");
  frame.runCommand(CmdDialogControls);
  EXPECT_TRUE(checked(CmdDialogControls));
  // Closed by its own hand, the properties window unchecks the command.
  frame.dialogBoard()->properties()->hide();
  EXPECT_FALSE(checked(CmdDialogControls));
  expectCurrent("properties closed");
  frame.runCommand(CmdToggleSourceSize);
  EXPECT_TRUE(checked(CmdToggleSourceSize));
  expectCurrent("source sizes");
}

} // namespace
} // namespace tarvelo::gui

// Undo and Redo of the dialog view as the translator reaches them: by keys, by the tool
// bar and by the Edit menu, after a menu was opened and closed again, and for the
// changes of the properties window as for moves.
#include "app/gui_resources.h"
#include "dialogs/controls_properties.h"
#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "script/dialog_layout.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"

#include "menu_clicks.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// A check box takes clicks on its box and its text only.
void clickBox(QCheckBox *box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

class LayoutUndoWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1280, 800);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    ASSERT_EQ(session.open({exampleFile(QStringLiteral("example.rc")), 1033, false,
                            dir.filePath(QStringLiteral("example_de.rc")), 1031}),
              Session::OpenResult::Opened);
    for (const auto &entry : session.entries())
      if (entry->isHead() && entry->kind == QLatin1String("DIALOG") &&
          entry->identifier == QLatin1String("IDD_OPTIONS"))
        dialog = static_cast<DialogEntry *>(entry.get());
    ASSERT_NE(dialog, nullptr);
    frame.openResource(dialog);
    QApplication::processEvents();
  }

  LayoutEditor &editor() { return *frame.dialogBoard()->editor(); }
  QWidget *canvas() { return frame.dialogBoard()->canvas(); }
  void clickControl(int item) {
    QTest::mouseClick(canvas(), Qt::LeftButton, {},
                      editor().clientOrigin() + editor().windowOf(item).center());
    QApplication::processEvents();
  }
  QWidget *toolButton(CommandId id) {
    return frame.findChild<QToolBar *>(QStringLiteral("mainToolBar"))
        ->widgetForAction(frame.command(id));
  }
  // Undo or Redo the way the case says.
  void run(const QString &way, CommandId id) {
    frame.updateCommands();
    if (way == QLatin1String("keys")) {
      QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
      QTest::keyClick(focus, id == CmdUndo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
    } else if (way == QLatin1String("tool bar")) {
      QTest::mouseClick(toolButton(id), Qt::LeftButton);
    } else {
      ASSERT_TRUE(clickMenuPath(frame, {"&Edit", id == CmdUndo ? "&Undo" : "&Redo"}));
      reactivate();
    }
    QApplication::processEvents();
  }
  // The window is active again, as the desktop makes it once a menu is gone.
  void reactivate() {
    QApplication::processEvents();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QApplication::processEvents();
  }
  // A menu of the menu bar opened and closed with Esc, by a click or by Alt and its key.
  void openAndCloseMenu(const QString &how) {
    QMenuBar *bar = frame.menuBar();
    QAction *tools = actionNamed(bar, QStringLiteral("&Tools"));
    if (how == QLatin1String("click"))
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(tools).center());
    else if (how == QLatin1String("Alt"))
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
    if (how != QLatin1String("none")) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return tools->menu()->isVisible(); }));
      // Esc closes the popup; the menu bar keeps the keys until it is left.
      QTest::keyClick(tools->menu(), Qt::Key_Escape);
    }
    reactivate();
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
  DialogEntry *dialog = nullptr;
};

TEST_F(LayoutUndoWindowTest, UndoFollowsTheViewWhateverMenuWasOpened) {
  const int edit = 2; // IDC_NAME
  for (const char *menu : {"none", "click", "Alt"})
    for (const char *way : {"keys", "tool bar", "menu"}) {
      SCOPED_TRACE(std::string(menu) + '/' + way);
      clickControl(edit);
      const QRect start = editor().windowOf(edit);
      QTest::keyClick(canvas(), Qt::Key_Right);
      const QRect moved = editor().windowOf(edit);
      ASSERT_NE(moved, start);
      openAndCloseMenu(menu);
      frame.updateCommands();
      EXPECT_TRUE(frame.command(CmdUndo)->isEnabled());
      run(way, CmdUndo);
      EXPECT_EQ(editor().windowOf(edit), start);
      run(way, CmdRedo);
      EXPECT_EQ(editor().windowOf(edit), moved);
      run(way, CmdUndo);
    }
  // Another pane of the window takes the focus: Undo is the texts' again.
  clickControl(edit);
  QTest::keyClick(canvas(), Qt::Key_Right);
  const QRect moved = editor().windowOf(edit);
  QTest::mouseClick(frame.splitEdit()->targetEditor()->viewport(), Qt::LeftButton);
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdUndo)->isEnabled()); // no text was changed
  EXPECT_EQ(editor().windowOf(edit), moved);
}

// The changes of the properties window, each undone and redone like a move.
TEST_F(LayoutUndoWindowTest, PropertyChangesAreUndoneAndRedone) {
  ASSERT_TRUE(clickMenuPath(frame, {"&Dialog", "Dialog controls..."}));
  ControlsPropertiesWindow *properties = frame.dialogBoard()->properties();
  ASSERT_NE(properties, nullptr);
  const int button = 7; // IDOK, a DEFPUSHBUTTON
  const auto words = [&] {
    const ControlLayout &target = dialog->pairs[button].target;
    return (target.styles + target.exStyles).join(u'|');
  };
  const struct {
    const char *name;
    std::function<void()> change;
    const char *after;
  } cases[] = {
      {"horizontal alignment",
       [&] {
         properties->tabs()->setCurrentIndex(1);
         QComboBox *list = properties->horizontalList();
         list->setFocus();
         QTest::keyClick(list, Qt::Key_Home);
       },
       "BS_LEFT"},
      {"multiline box",
       [&] {
         properties->tabs()->setCurrentIndex(1);
         QApplication::processEvents();
         clickBox(properties->flagBox(3));
       },
       "BS_MULTILINE"},
      {"right-to-left box",
       [&] {
         properties->tabs()->setCurrentIndex(1);
         QApplication::processEvents();
         clickBox(properties->flagBox(0));
       },
       "WS_EX_RTLREADING"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    clickControl(button);
    ASSERT_EQ(editor().selection(), std::vector<int>{button});
    const QString before = words();
    c.change();
    QApplication::processEvents();
    const QString after = words();
    EXPECT_TRUE(after.contains(QLatin1String(c.after))) << after.toStdString();
    EXPECT_TRUE(session.isModified());
    clickControl(button); // back to the view, whose Undo it is
    run(QStringLiteral("keys"), CmdUndo);
    EXPECT_EQ(words(), before);
    EXPECT_EQ(properties->flagBox(3)->isChecked(), before.contains(QLatin1String("BS_MULTILINE")));
    run(QStringLiteral("tool bar"), CmdRedo);
    EXPECT_EQ(words(), after);
    run(QStringLiteral("menu"), CmdUndo);
    EXPECT_EQ(words(), before);
  }
  // A word removed on the Styles tab comes back too.
  const int edit = 2; // IDC_NAME, ES_AUTOHSCROLL
  clickControl(edit);
  properties->tabs()->setCurrentIndex(2);
  const QList<QListWidgetItem *> found =
      properties->stylesList()->findItems(QStringLiteral("ES_AUTOHSCROLL"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  found.front()->setSelected(true);
  QTest::mouseClick(properties->removeButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->pairs[edit].target.styles.contains(QStringLiteral("ES_AUTOHSCROLL")));
  clickControl(edit);
  run(QStringLiteral("keys"), CmdUndo);
  EXPECT_TRUE(dialog->pairs[edit].target.styles.contains(QStringLiteral("ES_AUTOHSCROLL")));
}

} // namespace
} // namespace tarvelo::gui

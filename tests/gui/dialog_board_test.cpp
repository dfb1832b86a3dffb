// The DIALOG board over the translated example: the tree opens a dialog's preview and
// its first item, the controls list and the current entry follow each other, typed
// translations show in the preview, closing lets go of the dialog, and "Show
// original" shows the source's dialog modally.
#include "app/gui_resources.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/live_dialog.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/test_display.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/resource_tree_model.h"
#include "workbench/resource_tree_view.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class DialogBoardTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    const QString source = dir.filePath(QStringLiteral("example.rc"));
    const QString target = dir.filePath(QStringLiteral("example_de.rc"));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example.rc")), source));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
    frame.resize(1280, 760);
    frame.show();
    OpenRequest request{source, 1033, false, target, 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    QApplication::processEvents();
  }

  TextEntry *find(const char *kind, const char *identifier, const TextEntry *head = nullptr) {
    for (const auto &entry : session.entries())
      if (entry->kind == QLatin1String(kind) && entry->identifier == QLatin1String(identifier) &&
          (!head || entry->head() == head))
        return entry.get();
    return nullptr;
  }

  // Selects the resource's node in the resource tree, as a click does.
  void selectInTree(TextEntry *resource) {
    ResourceTreeView *tree = frame.resourceTree();
    auto *proxy = static_cast<QAbstractProxyModel *>(tree->model());
    auto *model = static_cast<ResourceTreeModel *>(proxy->sourceModel());
    const QModelIndex index = proxy->mapFromSource(model->indexOf(resource));
    ASSERT_TRUE(index.isValid());
    tree->setCurrentIndex(index);
    QApplication::processEvents();
  }

  QStringList rows() const {
    QStringList texts;
    QListWidget *list = frame.dialogBoard()->controlsList();
    for (int i = 0; i < list->count(); ++i)
      texts.append(list->item(i)->text());
    return texts;
  }

  const LiveControl *controlOf(const TextEntry *entry) {
    DialogPreview *preview = frame.dialogBoard()->preview();
    if (!preview)
      return nullptr;
    for (const LiveControl &control : preview->liveDialog()->controls())
      if (control.entry == entry)
        return &control;
    return nullptr;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(DialogBoardTest, SelectingADialogInTheTreeShowsItsPreviewAndFirstItem) {
  TextEntry *options = find("DIALOG", "IDD_OPTIONS");
  ASSERT_NE(options, nullptr);
  selectInTree(options);
  EXPECT_EQ(frame.board(), MainFrame::Board::Dialog);
  DialogBoard *board = frame.dialogBoard();
  EXPECT_EQ(board->shownDialog(), options);
  ASSERT_NE(board->preview(), nullptr);
  EXPECT_TRUE(board->preview()->isVisible());
  EXPECT_EQ(board->preview()->liveDialog()->caption(), QStringLiteral("Optionen"));
  EXPECT_EQ(
      rows(),
      (QStringList{"IDC_STATIC (GROUPBOX)", "IDC_STATIC (LTEXT)", "IDC_NAME (EDITTEXT)",
                   "IDC_STATIC (LTEXT)", "IDC_UNITS (COMBOBOX)", "IDC_SHOW_TOOLBAR (Button)",
                   "IDC_SHOW_STATUS (Button)", "IDOK (DEFPUSHBUTTON)", "IDCANCEL (PUSHBUTTON)"}));
  // The dialog's first item, its caption, is current and selected in the item list.
  EXPECT_EQ(session.currentEntry(), options);
  EXPECT_EQ(frame.itemList()->selectedEntry(), options);
  // The translated texts, and the German cancel button too long for its button.
  TextEntry *cancel = find("DIALOG", "IDCANCEL", options);
  const LiveControl *button = controlOf(cancel);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->item.text, cancel->targetText);
  EXPECT_TRUE(static_cast<OwnerDrawnButton *>(button->widget)->textTooLong());
  EXPECT_FALSE(static_cast<OwnerDrawnButton *>(controlOf(find("DIALOG", "IDOK", options))->widget)
                   ->textTooLong());
  // The preview stands in the view with room around it.
  EXPECT_EQ(board->preview()->pos(), QPoint(DialogBoard::kMargin, DialogBoard::kMargin));
  EXPECT_GE(board->canvas()->width(), board->preview()->width() + DialogBoard::kMargin);
}

TEST_F(DialogBoardTest, SelectingAnyResourceInTheTreeSelectsItsFirstItem) {
  TextEntry *menu = nullptr;
  TextEntry *about = find("DIALOG", "IDD_ABOUTBOX");
  for (const auto &entry : session.entries())
    if (!menu && entry->isHead() && entry->kind == QLatin1String("MENU"))
      menu = entry.get();
  ASSERT_TRUE(menu && about);
  const struct {
    TextEntry *resource;
    TextEntry *first;
    MainFrame::Board board;
  } cases[] = {
      {menu, menu->next(), MainFrame::Board::Menu},
      {about, about, MainFrame::Board::Dialog},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.resource->identifier.toStdString());
    selectInTree(c.resource);
    EXPECT_EQ(frame.board(), c.board);
    EXPECT_EQ(session.currentEntry(), c.first);
    EXPECT_EQ(frame.itemList()->selectedEntry(), c.first);
  }
}

TEST_F(DialogBoardTest, TheControlsListAndTheCurrentEntryFollowEachOther) {
  TextEntry *options = find("DIALOG", "IDD_OPTIONS");
  frame.openResource(options);
  QListWidget *list = frame.dialogBoard()->controlsList();
  TextEntry *ok = find("DIALOG", "IDOK", options);
  ASSERT_NE(ok, nullptr);
  list->setCurrentRow(7);
  QApplication::processEvents();
  EXPECT_EQ(session.currentEntry(), ok);
  EXPECT_EQ(frame.splitEdit()->targetEditor()->entry(), ok);
  EXPECT_EQ(frame.itemList()->selectedEntry(), ok);
  // A control without text leaves the current entry as it is.
  list->setCurrentRow(2);
  QApplication::processEvents();
  EXPECT_EQ(session.currentEntry(), ok);
  // The current entry's row is selected in the list.
  TextEntry *toolbar = find("DIALOG", "IDC_SHOW_TOOLBAR", options);
  frame.selectEntry(toolbar);
  QApplication::processEvents();
  EXPECT_EQ(list->currentRow(), 5);
  EXPECT_TRUE(list->item(5)->isSelected());
  // The caption has no row.
  frame.selectEntry(options);
  QApplication::processEvents();
  EXPECT_TRUE(list->selectedItems().isEmpty());
  // An item of the other dialog shows that dialog.
  TextEntry *about = find("DIALOG", "IDD_ABOUTBOX");
  TextEntry *aboutOk = find("DIALOG", "IDOK", about);
  frame.selectEntry(aboutOk);
  QApplication::processEvents();
  EXPECT_EQ(frame.dialogBoard()->shownDialog(), about);
  EXPECT_EQ(list->count(), 4);
  EXPECT_EQ(list->currentRow(), 3);
}

TEST_F(DialogBoardTest, ATranslationTypedShowsInThePreview) {
  TextEntry *options = find("DIALOG", "IDD_OPTIONS");
  TextEntry *cancel = find("DIALOG", "IDCANCEL", options);
  frame.openResource(options);
  frame.selectEntry(cancel);
  QApplication::processEvents();
  typeTranslation(frame, QStringLiteral("Abbrechen"));
  const LiveControl *button = controlOf(cancel);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(static_cast<QAbstractButton *>(button->widget)->text(), QStringLiteral("Abbrechen"));
  EXPECT_FALSE(static_cast<OwnerDrawnButton *>(button->widget)->textTooLong());
  // The caption too; and undo brings the old text back.
  frame.selectEntry(options);
  QApplication::processEvents();
  typeTranslation(frame, QStringLiteral("Einstellungen"));
  EXPECT_EQ(frame.dialogBoard()->preview()->liveDialog()->caption(),
            QStringLiteral("Einstellungen"));
  frame.command(CmdUndo)->trigger();
  QApplication::processEvents();
  EXPECT_EQ(frame.dialogBoard()->preview()->liveDialog()->caption(), QStringLiteral("Optionen"));
}

TEST_F(DialogBoardTest, ClosingTheTaskLetsGoOfTheDialog) {
  frame.openResource(find("DIALOG", "IDD_OPTIONS"));
  ASSERT_NE(frame.dialogBoard()->preview(), nullptr);
  prompter.answers = {Prompter::Answer::No};
  frame.command(CmdClose)->trigger();
  QApplication::processEvents();
  EXPECT_EQ(frame.dialogBoard()->shownDialog(), nullptr);
  EXPECT_EQ(frame.dialogBoard()->preview(), nullptr);
  EXPECT_EQ(frame.dialogBoard()->controlsList()->count(), 0);
  frame.showBoard(MainFrame::Board::Dialog);
  EXPECT_EQ(frame.dialogBoard()->preview(), nullptr);
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdShowOriginal)->isEnabled());
}

TEST_F(DialogBoardTest, ShowOriginalShowsTheSourceDialogModally) {
  frame.updateCommands();
  frame.selectEntry(find("STRINGTABLE", "IDS_ITEMS_SELECTED"));
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdShowOriginal)->isEnabled());
  TextEntry *options = find("DIALOG", "IDD_OPTIONS");
  frame.openResource(options);
  frame.updateCommands();
  ASSERT_TRUE(frame.command(CmdShowOriginal)->isEnabled());
  QString title;
  QStringList texts;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    auto *display = qobject_cast<TestDisplay *>(QApplication::activeModalWidget());
    if (!display)
      return;
    modal = display->isModal() && display->isVisible();
    title = display->windowTitle();
    for (const LiveControl &control : display->liveDialog()->controls())
      texts.append(control.item.text);
    QTest::keyClick(display, Qt::Key_Escape);
  });
  // Should the display not be found, it still closes.
  QTimer::singleShot(10000, [] {
    if (QWidget *window = QApplication::activeModalWidget())
      window->close();
  });
  frame.command(CmdShowOriginal)->trigger();
  EXPECT_TRUE(modal);
  EXPECT_EQ(title, QStringLiteral("Options"));
  EXPECT_EQ(texts, (QStringList{"General", "&Name:", "", "&Units:", "", "&Show the toolbar",
                                "Show the &status bar", "OK", "Cancel"}));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A dialog without caption opens at its first control with a text; a task whose
// target is specified later shows the source's dialog.
TEST(DialogBoard, ADialogWithoutCaptionOpensAtItsFirstText) {
  initGuiResources();
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("bare.rc"));
  QFile file(source);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "LANGUAGE 9, 1\r\n"
      "IDD_BARE DIALOGEX 0, 0, 100, 40\r\n"
      "FONT 9, \"MS Shell Dlg\"\r\n"
      "BEGIN\r\n"
      "    EDITTEXT        IDC_EDIT,5,5,60,12\r\n"
      "    LTEXT           \"Hello\",IDC_HELLO,5,20,60,8\r\n"
      "    CONTROL         \"\",IDC_WEB,\"{8856F961-340A-11D0-A96B-00C04FD705A2}\",0,5,30,40,8\r\n"
      "END\r\n");
  file.close();
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session(settings, prompter, progress);
  MainFrame frame(session);
  OpenRequest request{source, 1033, true, QString(), 1031};
  ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
  TextEntry *bare = nullptr, *hello = nullptr;
  for (const auto &entry : session.entries()) {
    if (entry->identifier == QLatin1String("IDD_BARE"))
      bare = entry.get();
    if (entry->identifier == QLatin1String("IDC_HELLO"))
      hello = entry.get();
  }
  ASSERT_TRUE(bare && hello);
  frame.openResource(bare);
  EXPECT_EQ(frame.board(), MainFrame::Board::Dialog);
  EXPECT_EQ(session.currentEntry(), hello);
  DialogBoard *board = frame.dialogBoard();
  ASSERT_NE(board->preview(), nullptr);
  // MS Shell Dlg at 9 points is MS Sans Serif's one size, as Windows draws it.
  EXPECT_EQ(board->preview()->liveDialog()->font().pixelSize(), 11);
  EXPECT_TRUE(board->fontNotice()->isHidden());
  QListWidget *list = board->controlsList();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(),
            QStringLiteral("IDC_WEB ({8856F961-340A-11D0-A96B-00C04FD705A2})"));
  EXPECT_EQ(list->currentRow(), 1);
}

} // namespace
} // namespace tarvelo::gui

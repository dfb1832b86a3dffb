// The dialogs report window over a real task: the command opens it, links show their
// dialog in the main window, the setting dialog chooses what is reported.
#include "app/gui_resources.h"
#include "dialogs/report_settings.h"
#include "options/help_window.h"
#include "report/report_frame.h"
#include "report/report_setting_dialog.h"
#include "report/report_view.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/main_frame.h"
#include "workbench/resource_tree_view.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class ReportWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"source.rc", "target_de.rc"})
      ASSERT_TRUE(
          QFile::copy(QDir(TARVELO_TEST_DATA "/report").filePath(name), dir.filePath(name)));
    frame.resize(1000, 700);
    frame.show();
  }

  void open() {
    OpenRequest request{dir.filePath("source.rc"), 1033, false, dir.filePath("target_de.rc"), 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    frame.updateCommands();
    QApplication::processEvents();
  }

  ReportFrame *showReport() {
    frame.command(CmdDialogsReport)->trigger();
    QApplication::processEvents();
    return frame.dialogsReport();
  }

  TextEntry *entry(const char *kind, const char *identifier) {
    for (const auto &e : session.entries())
      if (e->kind == QLatin1String(kind) && e->identifier == QLatin1String(identifier))
        return e.get();
    return nullptr;
  }

  QAction *menuAction(ReportFrame &report, QMenu &menu, int index) {
    report.view()->fillContextMenu(menu);
    return menu.actions().value(index);
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(ReportWindowTest, TheCommandOpensTheReportOfTheOpenTask) {
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdDialogsReport)->isEnabled());
  open();
  ASSERT_TRUE(frame.command(CmdDialogsReport)->isEnabled());
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  EXPECT_EQ(report->windowTitle(), QStringLiteral("Tarvelo - Dialogs Report"));
  // By default the window reports everything the command line does.
  EXPECT_EQ(report->report().setting, kReportAllChecks);
  EXPECT_EQ(report->statusText(), QStringLiteral("1 dialog reported"));
  EXPECT_EQ(report->view()->toPlainText(),
            QStringLiteral("DIALOG IDD_MAIN  \n\tIDC_SAVE\tText is too long! Added Styles: "
                           "BS_CENTER Removed Styles: WS_TABSTOP Same access key as IDC_STATIC! "
                           "\n\tIDCANCEL\tReaches outside the dialog! "));
  EXPECT_TRUE(report->view()->isReadOnly());
  EXPECT_EQ(report->view()->font().family(), QStringLiteral("Courier"));
  EXPECT_EQ(report->view()->font().pointSizeF(), frame.font().pointSizeF());
  // Closing the task leaves nothing to report.
  prompter.answers = {Prompter::Answer::No};
  session.close();
  QApplication::processEvents();
  EXPECT_EQ(report->view()->toPlainText(), QStringLiteral("There is nothing to report."));
  EXPECT_EQ(report->statusText(), QStringLiteral("0 dialogs reported"));
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdDialogsReport)->isEnabled());
}

TEST_F(ReportWindowTest, ClickingADialogsNameShowsItInTheMainWindow) {
  open();
  frame.selectEntry(entry("STRINGTABLE", "IDS_HELLO"));
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(report));
  ReportView *view = report->view();
  QTextCursor link = view->document()->find(QStringLiteral("IDD_MAIN"));
  ASSERT_FALSE(link.isNull());
  EXPECT_EQ(link.charFormat().anchorHref(), QStringLiteral("dialog:0"));
  // The name is blue, bold and underlined; the keyword before it is not a link.
  EXPECT_EQ(link.charFormat().foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(link.charFormat().fontWeight(), QFont::Bold);
  EXPECT_TRUE(link.charFormat().fontUnderline());
  QTextCursor keyword = view->document()->find(QStringLiteral("DIALOG"));
  EXPECT_FALSE(keyword.charFormat().isAnchor());

  // Not on the link: nothing happens.
  keyword.setPosition(keyword.selectionStart() + 1);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(keyword).center());
  QApplication::processEvents();
  EXPECT_EQ(session.currentEntry(), entry("STRINGTABLE", "IDS_HELLO"));

  QTextCursor inside(view->document());
  inside.setPosition(link.selectionStart() + 3);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
  QApplication::processEvents();
  EXPECT_EQ(session.currentEntry(), entry("DIALOG", "IDD_MAIN"));
  EXPECT_TRUE(session.currentEntry()->isHead());
  // The tree shows the dialog shown, and the report stays above the main window.
  EXPECT_EQ(frame.resourceTree()->currentIndex().data().toString(), QStringLiteral("IDD_MAIN"));
  EXPECT_EQ(frame.board(), MainFrame::Board::Dialog);
  ASSERT_NE(report->windowHandle(), nullptr);
  EXPECT_EQ(report->windowHandle()->transientParent(), frame.windowHandle());
  EXPECT_TRUE(report->isVisible());
}

TEST_F(ReportWindowTest, AHiddenOrMinimisedReportComesBack) {
  open();
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  report->hide();
  EXPECT_EQ(showReport(), report);
  EXPECT_TRUE(report->isVisible());
  report->showMinimized();
  QApplication::processEvents();
  EXPECT_EQ(showReport(), report);
  EXPECT_FALSE(report->isMinimized());
  EXPECT_TRUE(report->isVisible());
}

TEST_F(ReportWindowTest, RefreshReportsTheTextsAsTheyAreNow) {
  open();
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  frame.applyTargetText(entry("DIALOG", "IDC_SAVE"), QStringLiteral("&Sichern"));
  EXPECT_TRUE(report->view()->toPlainText().contains(QStringLiteral("Text is too long!")));
  QMenu menu;
  QAction *refresh = menuAction(*report, menu, 1);
  ASSERT_NE(refresh, nullptr);
  EXPECT_EQ(refresh->text(), QStringLiteral("&Refresh"));
  refresh->trigger();
  EXPECT_FALSE(report->view()->toPlainText().contains(QStringLiteral("Text is too long!")));
  EXPECT_TRUE(report->view()->toPlainText().contains(QStringLiteral("Removed Styles: WS_TABSTOP")));
}

// Runs the modal "Report Setting" dialog that the action opens, letting act set its
// boxes; OK or Cancel closes it.
void runSettingDialog(QAction *setting, const std::function<void(ReportSettingDialog &)> &act,
                      QDialogButtonBox::StandardButton button) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto *dialog = qobject_cast<ReportSettingDialog *>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    ran = true;
    act(*dialog);
    dialog->findChild<QDialogButtonBox *>()->button(button)->click();
  });
  setting->trigger();
  EXPECT_TRUE(ran);
}

TEST_F(ReportWindowTest, TheSettingDialogStoresTheChecksAndRebuilds) {
  open();
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  QMenu menu;
  QAction *setting = menuAction(*report, menu, 0);
  ASSERT_NE(setting, nullptr);
  EXPECT_EQ(setting->text(), QStringLiteral("Setting..."));

  runSettingDialog(
      setting,
      [](ReportSettingDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Report Setting"));
        EXPECT_EQ(dialog.setting(), kReportWindowDefault);
        const std::pair<int, const char *> boxes[] = {
            {ReportTooLong, "Report too long texts"},
            {ReportAlignmentStyles, "Report different alignment styles"},
            {ReportOtherStyles, "Report different other styles"},
            {ReportOverlaps, "Report controls that now overlap others"},
            {ReportOutside, "Report controls that now reach outside the dialog"},
            {ReportAccessKeys, "Report controls with the same access key"},
        };
        for (const auto &[bit, text] : boxes) {
          ASSERT_NE(dialog.box(bit), nullptr) << text;
          EXPECT_EQ(dialog.box(bit)->text(), QLatin1String(text));
        }
        dialog.box(ReportTooLong)->setChecked(false);
        dialog.box(ReportOverlaps)->setChecked(false);
        dialog.box(ReportAccessKeys)->setChecked(false);
      },
      QDialogButtonBox::Ok);
  EXPECT_EQ(settings.integer(QStringLiteral("ReportSetting")), 0x16);
  EXPECT_EQ(report->view()->toPlainText(),
            QStringLiteral("DIALOG IDD_MAIN  \n\tIDC_SAVE\tAdded Styles: BS_CENTER Removed "
                           "Styles: WS_TABSTOP \n\tIDCANCEL\tReaches outside the dialog! "));

  // Cancel keeps the setting, whatever the boxes said.
  runSettingDialog(
      setting,
      [](ReportSettingDialog &dialog) {
        EXPECT_EQ(dialog.setting(), 0x16);
        for (int bit = 1; bit <= 0x20; bit <<= 1)
          dialog.box(bit)->setChecked(false);
      },
      QDialogButtonBox::Cancel);
  EXPECT_EQ(settings.integer(QStringLiteral("ReportSetting")), 0x16);

  // Nothing checked: nothing reported.
  runSettingDialog(
      setting,
      [](ReportSettingDialog &dialog) {
        for (int bit = 1; bit <= 0x20; bit <<= 1)
          dialog.box(bit)->setChecked(false);
      },
      QDialogButtonBox::Ok);
  EXPECT_EQ(settings.integer(QStringLiteral("ReportSetting")), 0);
  EXPECT_EQ(report->view()->toPlainText(), QStringLiteral("There is nothing to report."));
  EXPECT_EQ(report->statusText(), QStringLiteral("0 dialogs reported"));
}

TEST_F(ReportWindowTest, F1ShowsTheReportsHelp) {
  open();
  ReportFrame *report = showReport();
  ASSERT_NE(report, nullptr);
  if (HelpWindow::instance())
    HelpWindow::instance()->showTopic(QString());
  report->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(report));
  QTest::keyClick(report->view(), Qt::Key_F1);
  ASSERT_NE(HelpWindow::instance(), nullptr);
  EXPECT_EQ(HelpWindow::instance()->currentTopic(), QStringLiteral("report.html"));
  HelpWindow::instance()->close();
}

} // namespace
} // namespace tarvelo::gui

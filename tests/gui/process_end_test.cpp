// File › Exit (or Ctrl+Q) ends the program, whatever windows were shown before: the help shown and
// closed again, the help or the find window left open. The program's own event loop runs
// here, as in the program, and must come back.
#include "app/application.h"
#include "app/gui_prompter.h"
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/workbench_assembly.h"
#include "options/help_window.h"
#include "seam/settings.h"

#include "menu_clicks.h"
#include "widget_test_support.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Whether any window of the program is still shown.
QStringList shownWindows() {
  QStringList shown;
  for (const QWidget *window : QApplication::topLevelWidgets())
    if (window->isVisible())
      shown.append(window->metaObject()->className());
  return shown;
}

TEST(ProcessEnd, ExitEndsTheProgramWhateverWindowsWereShown) {
  initGuiResources();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    const char *name;
    QStringList before; // menu paths clicked before Exit
    bool closeHelp;
    bool byKeys; // Ctrl+Q instead of File › Exit
  } cases[] = {
      {"help shown and closed", {"&Help/Index..."}, true, false},
      {"help left open", {"&Help/Index..."}, false, false},
      {"find and help left open", {"&Edit/Find...", "&Help/Index..."}, false, false},
      {"help left open, Ctrl+Q", {"&Help/Index..."}, false, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettings settings;
    GuiPrompter prompter;
    ProgressWindow progress;
    auto workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, nullptr);
    MainFrame &frame = workbench->frame();
    prompter.setParent(&frame);
    progress.setOwner(&frame);
    endWithMainWindow(frame);
    frame.show();
    // An open task: Exit asks whether to save it, and the translator says No.
    ASSERT_EQ(workbench->session().open({exampleFile(QStringLiteral("example.rc")), 1033, false,
                                         dir.filePath(QStringLiteral("example_de.rc")), 1031}),
              Session::OpenResult::Opened);

    bool asked = false, stuck = false;
    QTimer::singleShot(0, &frame, [&] {
      for (const QString &path : c.before)
        ASSERT_TRUE(clickMenuPath(frame, path.split(u'/')));
      QApplication::processEvents();
      ASSERT_NE(HelpWindow::instance(), nullptr);
      if (c.closeHelp)
        QTest::keyClick(HelpWindow::instance(), Qt::Key_Escape);
      QApplication::processEvents();
      whenShown<QMessageBox>([&](QMessageBox *box) {
        asked = true;
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
      });
      if (c.byKeys) {
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
      } else {
        ASSERT_TRUE(clickMenuPath(frame, {"&File", "E&xit"}));
      }
    });
    // Only so that a failure ends the test instead of hanging it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      stuck = true;
      QApplication::exit(3);
    });
    guard.start(60000);
    EXPECT_EQ(QApplication::exec(), 0);
    // A second request to quit (the window's own and Qt's for the last window) left
    // queued would end the modal windows of the tests that follow.
    QCoreApplication::removePostedEvents(qApp);
    EXPECT_FALSE(stuck);
    EXPECT_TRUE(asked);
    EXPECT_EQ(shownWindows(), QStringList());
    QApplication::processEvents();
  }
}

} // namespace
} // namespace tarvelo::gui

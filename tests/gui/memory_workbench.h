// The widget tests' workbench on a copy of the example task, with the built memory library.
#pragma once

#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "tmclient/tm_library.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {

// The memory is in the folder "TM" of the test's own folder, not filled when the task
// opens; the task's target is a copy there too.
class MemoryWorkbenchTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    initGuiResources();
    QFile found(exampleFile(QStringLiteral("example.rc.1033")));
    if (found.open(QIODevice::ReadOnly))
      companion = found.readAll();
    ASSERT_TRUE(
        library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
    settings.setText(QStringLiteral("TMPath"), dir.filePath(QStringLiteral("TM")));
    settings.setInteger(QStringLiteral("InitTM"), 0);
    target = dir.filePath(QStringLiteral("example_de.rc"));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
    workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress(), &library);
    OpenRequest request{exampleFile(QStringLiteral("example.rc")), 1033, false, target, 1031};
    ASSERT_EQ(workbench->session().open(request), Session::OpenResult::Opened);
  }
  void TearDown() override {
    if (workbench) {
      prompter.answers = {Prompter::Answer::No};
      workbench->session().close();
    }
    // The example's companion file is the repository's: put back as it was found.
    QFile::remove(exampleFile(QStringLiteral("example.rc.1033")));
    if (!companion.isNull()) {
      QFile file(exampleFile(QStringLiteral("example.rc.1033")));
      if (file.open(QIODevice::WriteOnly))
        file.write(companion);
    }
  }
  // The progress the workbench reports to.
  virtual Progress &progress() { return m_silent; }

  QTemporaryDir dir;
  TmLibrary library;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  QString target;
  std::unique_ptr<WorkbenchAssembly> workbench;
  QByteArray companion; // null when the example had none

private:
  NullProgress m_silent;
};

} // namespace tarvelo::gui

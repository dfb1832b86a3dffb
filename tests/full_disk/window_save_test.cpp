// Saving in the window onto a disk that fills up (the preloaded shim makes writes fail
// with ENOSPC): the old target and companions stay byte for byte, the message names the
// file and the reason, and the task stays modified.
#include "app/gui_prompter.h"
#include "app/gui_resources.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "workbench/command_ids.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Real message boxes; the save dialog answers with a path given by the test.
class WindowPrompter : public Prompter {
public:
  Answer message(const QString &text, Buttons buttons, Icon icon) override {
    return boxes.message(text, buttons, icon);
  }
  void resolveFuzzyItems(FuzzyItemsRequest &request) override { boxes.resolveFuzzyItems(request); }
  bool chooseResourcesToKeep(SavingResourcesRequest &) override { return true; }
  bool pairIncludedScripts(ScriptPairingRequest &) override { return true; }
  bool chooseSaveFile(SaveFileRequest &request) override {
    ++saveDialogs;
    if (savePath.isEmpty())
      return false;
    request.path = savePath;
    return true;
  }
  Answer askSameText(const QString &) override { return Answer::No; }

  GuiPrompter boxes;
  QString savePath;
  int saveDialogs = 0;
};

class WindowSaveTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    const QString example = QStringLiteral(TARVELO_TEST_DATA "/../../resources/example/");
    for (const char *name : {"example.rc", "example_de.rc"})
      ASSERT_TRUE(QFile::copy(example + name, dir.filePath(name)));
    prompter.boxes.setParent(&frame);
    frame.show();
    OpenRequest request{dir.filePath("example.rc"), 1033, false, dir.filePath("example_de.rc"),
                        1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    // Saved once, so that both companion files stand beside their scripts.
    ASSERT_TRUE(session.save());
    changeAText();
  }
  void TearDown() override {
    qunsetenv("TARVELO_FULL_DISK_MATCH");
    qunsetenv("TARVELO_FULL_DISK_FILES");
  }

  void changeAText() {
    for (const auto &entry : session.entries())
      if (entry->kind == QLatin1String("STRINGTABLE")) {
        session.changeTargetText(entry.get(), entry->targetText + QStringLiteral("!"));
        break;
      }
    ASSERT_TRUE(session.isModified());
  }
  // Every file of the folder with its bytes.
  QMap<QString, QByteArray> files() const {
    QMap<QString, QByteArray> all;
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
      QFile file(dir.filePath(name));
      if (file.open(QIODevice::ReadOnly))
        all.insert(name, file.readAll());
    }
    return all;
  }
  // Runs a command, closing every message box it shows and keeping its text.
  QStringList run(CommandId id) {
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        shown << box->text();
        box->done(QMessageBox::Ok);
      }
    });
    closer.start(10);
    frame.command(id)->trigger();
    QApplication::processEvents();
    return shown;
  }
  // The disk of the folder fills up: at once, or once so many files were written.
  static void fillDisk(const QString &folder, int files = 0) {
    qputenv("TARVELO_FULL_DISK_MATCH", folder.toUtf8());
    qputenv("TARVELO_FULL_DISK_BYTES", "0");
    if (files > 0)
      qputenv("TARVELO_FULL_DISK_FILES", QByteArray::number(files));
    else
      qunsetenv("TARVELO_FULL_DISK_FILES");
  }

  QTemporaryDir dir;
  MemorySettings settings;
  WindowPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(WindowSaveTest, AFullDiskLeavesTheTargetAndItsCompanionsAsTheyWere) {
  const QMap<QString, QByteArray> before = files();
  ASSERT_EQ(before.keys(),
            (QStringList{"example.rc", "example.rc.1033", "example_de.rc", "example_de.rc.1031"}));
  fillDisk(dir.path());
  const QStringList shown = run(CmdSave);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0], QStringLiteral("The file '%1' could not be written: No space left on "
                                     "device. The files on the disk were left as they were.")
                          .arg(QDir::toNativeSeparators(dir.filePath("example_de.rc"))));
  EXPECT_EQ(files(), before); // no temporary file is left either
  EXPECT_TRUE(session.isModified());
  EXPECT_TRUE(frame.isWindowModified());
  // Then the translator is offered another place, as after any failed save.
  EXPECT_EQ(prompter.saveDialogs, 1);
}

TEST_F(WindowSaveTest, ACompanionThatFailsAfterTheTargetWasWrittenLeavesBothAsTheyWere) {
  const QMap<QString, QByteArray> before = files();
  // The target's new content is complete on the disk when its companion (the only one
  // that changed) fails.
  fillDisk(dir.path(), 1);
  const QStringList shown = run(CmdSave);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains(QStringLiteral("example_de.rc.1031' could not be written: No "
                                               "space left on device")))
      << shown[0].toStdString();
  EXPECT_EQ(files(), before);
  EXPECT_TRUE(session.isModified());

  // With room again, everything is written and the mark goes.
  qunsetenv("TARVELO_FULL_DISK_MATCH");
  EXPECT_TRUE(run(CmdSave).isEmpty());
  EXPECT_FALSE(session.isModified());
  EXPECT_NE(files().value("example_de.rc"), before.value("example_de.rc"));
}

TEST_F(WindowSaveTest, SaveAsOntoAFullDiskKeepsTheTaskWhereItWas) {
  QTemporaryDir other;
  prompter.savePath = other.filePath("copy_de.rc");
  const QString title = frame.windowTitle();
  fillDisk(other.path());
  const QStringList shown = run(CmdSaveAs);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains(QStringLiteral("copy_de.rc' could not be written: No space left "
                                               "on device")))
      << shown[0].toStdString();
  EXPECT_TRUE(QDir(other.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(session.targetPath(), dir.filePath("example_de.rc"));
  EXPECT_EQ(frame.windowTitle(), title);
}

} // namespace
} // namespace tarvelo::gui

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The Translation Memory menu's commands on whole memories, through the real windows: the
// TMX file dialog and the copy dialog, the progress window and its Cancel.
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/workbench_assembly.h"
#include "memory/memory_copy_dialog.h"
#include "memory/tmx_file_dialog.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/language_combo.h"
#include "test_support.h"
#include "tmclient/memory_client.h"
#include "tmclient/memory_options.h"
#include "tmclient/tm_library.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "memory_workbench.h"
#include "widget_test_support.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

const char16_t *wide(const QString &text) {
  return reinterpret_cast<const char16_t *>(text.utf16());
}

// Watches the progress window while a command runs: notes its titles and, when asked,
// clicks its Cancel as soon as it shows.
class ProgressWatch {
public:
  ProgressWatch(QWidget &owner, bool cancel) {
    QObject::connect(&m_timer, &QTimer::timeout, [this, &owner, cancel] {
      for (QDialog *dialog : owner.findChildren<QDialog *>()) {
        if (!dialog->isVisible() || !dialog->findChild<QProgressBar *>())
          continue;
        if (!titles.contains(dialog->windowTitle()))
          titles.append(dialog->windowTitle());
        if (cancel)
          QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
      }
    });
    m_timer.start(0);
  }
  QStringList titles;

private:
  QTimer m_timer;
};

class MemoryMenuTest : public MemoryWorkbenchTest {
protected:
  void SetUp() override {
    MemoryWorkbenchTest::SetUp();
    progressWindow.setOwner(&frame());
    frame().show();
  }
  void TearDown() override {
    MemoryWorkbenchTest::TearDown();
    workbench.reset(); // before the progress window it reports to
  }
  Progress &progress() override { return progressWindow; }

  MainFrame &frame() { return workbench->frame(); }
  QString folder(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  // "Text number i" -> "Text i", in one batch, into the memory connected for the task.
  void learnPairs(int count) {
    const TmExports &tm = library.exports();
    tm.beginTMBatch();
    for (int i = 0; i < count; ++i)
      tm.addPair(wide(QStringLiteral("Text number %1").arg(i)),
                 wide(QStringLiteral("Text %1").arg(i)), 1);
    tm.endTMBatch();
  }
  QStringList translations(const QString &text) {
    TmTextList list = {};
    library.exports().getTM(wide(text), &list);
    return takeTmTexts(library.exports(), list);
  }
  static int rows(const QString &memory) {
    const std::string all = kestrine_test::tableRows(
        std::filesystem::path(memory.toStdString()) / "Kestrine.db", "7to9");
    return int(std::count(all.begin(), all.end(), '\n'));
  }
  // The TMX dialog chooses the file, keeping the languages it offers.
  void chooseTmx(const QString &file, TmxFileDialog::Mode mode) {
    workbench->setDialogRunner([this, file, mode](QDialog *dialog) {
      auto *tmx = qobject_cast<TmxFileDialog *>(dialog);
      EXPECT_NE(tmx, nullptr);
      EXPECT_EQ(tmx->windowTitle(),
                mode == TmxFileDialog::Mode::Import ? "Import TMX" : "Export TMX");
      EXPECT_EQ(tmx->sourceLanguage(), 1033);
      EXPECT_EQ(tmx->targetLanguage(), 1031);
      dialogFolder = tmx->directory().absolutePath();
      tmx->selectFile(file);
      tmx->accept();
      return tmx->result() == QDialog::Accepted;
    });
  }

  ProgressWindow progressWindow;
  QString dialogFolder;
};

TEST_F(MemoryMenuTest, TheMenuHoldsTheCommandsOnWholeMemoriesAsTheLibraryOffersThem) {
  QMenu *memory = nullptr;
  for (QMenu *menu : frame().menuBar()->findChildren<QMenu *>())
    if (menu->title() == QStringLiteral("Translation Memory"))
      memory = menu;
  ASSERT_NE(memory, nullptr);
  QStringList texts;
  for (QAction *action : memory->actions())
    texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
  EXPECT_EQ(texts, QStringList({"Learn actual texts", "Import glossary...", "-", "Import TMX...",
                                "Export TMX...", "-", "Copy Translation Memory..."}));
  frame().updateCommands();
  for (CommandId id : {CmdImportTmx, CmdExportTmx, CmdCopyMemory})
    EXPECT_TRUE(frame().command(id)->isEnabled()) << id;

  // A library without the copy or the list of pairs offers neither.
  TmExports older = library.exports();
  older.copyTM = nullptr;
  older.listTM = nullptr;
  WorkbenchAssembly other(settings, prompter, progressWindow, older);
  other.frame().updateCommands();
  EXPECT_TRUE(other.frame().command(CmdImportTmx)->isEnabled());
  EXPECT_FALSE(other.frame().command(CmdExportTmx)->isEnabled());
  EXPECT_FALSE(other.frame().command(CmdCopyMemory)->isEnabled());
}

TEST_F(MemoryMenuTest, TmxExportAndImportRunInTheProgressWindowAndStopOnCancel) {
  learnPairs(5000);
  const QString file = folder("memory.tmx");
  chooseTmx(file, TmxFileDialog::Mode::Export);
  {
    ProgressWatch watch(frame(), true);
    frame().runCommand(CmdExportTmx);
    EXPECT_EQ(watch.titles, QStringList{"Translation Memory Export"});
  }
  EXPECT_FALSE(QFile::exists(file)); // a cancelled export writes nothing
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("The export was cancelled; '%1' was not written.")
                .arg(QDir::toNativeSeparators(file)));
  EXPECT_EQ(dialogFolder, QFileInfo(exampleFile(QStringLiteral("example.rc"))).absolutePath());
  frame().runCommand(CmdExportTmx);
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("Pairs exported to '%1': 5000").arg(QDir::toNativeSeparators(file)));
  ASSERT_TRUE(QFile::exists(file));

  // Into an empty memory: cancelled after a part, then the whole file.
  MemoryOptions options = workbench->memory()->options();
  options.tmPath = folder("Empty");
  workbench->memory()->applyOptions(options);
  chooseTmx(file, TmxFileDialog::Mode::Import);
  {
    ProgressWatch watch(frame(), true);
    frame().runCommand(CmdImportTmx);
    EXPECT_EQ(watch.titles, QStringList{"Translation Memory Import"});
  }
  EXPECT_TRUE(prompter.messages.last().startsWith(
      QStringLiteral("The import from '%1' was cancelled. Pairs learnt before: ")
          .arg(QDir::toNativeSeparators(file))))
      << prompter.messages.last().toStdString();
  EXPECT_LT(rows(folder("Empty")), 5000);
  frame().runCommand(CmdImportTmx);
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("Pairs learnt from '%1': 5000").arg(QDir::toNativeSeparators(file)));
  EXPECT_EQ(translations(QStringLiteral("Text number 4321")), QStringList{"Text 4321"});
  EXPECT_EQ(rows(folder("Empty")), 5000);
}

TEST_F(MemoryMenuTest, TheTmxDialogWantsBothLanguagesAndABrokenFileIsSaid) {
  TmxFileDialog dialog(TmxFileDialog::Mode::Import, 1033, 1031);
  dialog.selectFile(exampleFile(QStringLiteral("example.rc")));
  dialog.targetCombo()->setLanguage(-1);
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  dialog.targetCombo()->setLanguage(1029);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  const QString broken = folder("broken.tmx");
  QFile out(broken);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("<tmx version=\"1.4\"><body><tu>");
  out.close();
  chooseTmx(broken, TmxFileDialog::Mode::Import);
  frame().runCommand(CmdImportTmx);
  EXPECT_TRUE(prompter.messages.last().startsWith(
      QStringLiteral("The file '%1' is not a TMX file that can be read: ")
          .arg(QDir::toNativeSeparators(broken))))
      << prompter.messages.last().toStdString();
}

TEST_F(MemoryMenuTest, CopyingAMemoryGoesThroughItsDialogAndCanBeCancelled) {
  learnPairs(5000);
  const QString copy = folder("Copy");
  workbench->setDialogRunner([&](QDialog *dialog) {
    auto *copying = qobject_cast<MemoryCopyDialog *>(dialog);
    EXPECT_NE(copying, nullptr);
    // It offers the open task's memory to copy, and a copy only somewhere else.
    EXPECT_EQ(copying->fromBox()->text(), QDir::toNativeSeparators(folder("TM")));
    EXPECT_FALSE(copying->okButton()->isEnabled());
    copying->toBox()->setText(copying->fromBox()->text());
    EXPECT_FALSE(copying->okButton()->isEnabled());
    copying->toBox()->setText(QDir::toNativeSeparators(copy));
    EXPECT_TRUE(copying->okButton()->isEnabled());
    QTest::mouseClick(copying->okButton(), Qt::LeftButton);
    return copying->result() == QDialog::Accepted;
  });
  {
    ProgressWatch watch(frame(), true);
    frame().runCommand(CmdCopyMemory);
    EXPECT_EQ(watch.titles, QStringList{"Translation Memory Copy"});
  }
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("The copy was cancelled; the Translation Memory in '%1' is as it was.")
                .arg(QDir::toNativeSeparators(copy)));
  EXPECT_EQ(rows(copy), 0);
  frame().runCommand(CmdCopyMemory);
  EXPECT_EQ(prompter.messages.last(),
            QStringLiteral("Pairs copied from '%1' to '%2': 5000")
                .arg(QDir::toNativeSeparators(folder("TM")), QDir::toNativeSeparators(copy)));
  EXPECT_EQ(rows(copy), 5000);
  // A destination that cannot be a memory fails with the reason.
  QFile blocker(folder("File"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  workbench->setDialogRunner([&](QDialog *dialog) {
    auto *copying = static_cast<MemoryCopyDialog *>(dialog);
    copying->toBox()->setText(folder("File"));
    copying->accept();
    return true;
  });
  frame().runCommand(CmdCopyMemory);
  EXPECT_TRUE(prompter.messages.last().startsWith(
      QStringLiteral("The Translation Memory in '%1' could not be copied to '%2': ")
          .arg(QDir::toNativeSeparators(folder("TM")), QDir::toNativeSeparators(folder("File")))))
      << prompter.messages.last().toStdString();
}

} // namespace
} // namespace tarvelo::gui

// The road of one task through the program's windows: open with the Open Resources
// dialog, translate with completion from the memory, paste another occurrence, undo
// and redo, save, close with the question, reopen — as the user sees it.
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/language_combo.h"
#include "task/open_resources_dialog.h"
#include "task/task_form.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"
#include "workbench/main_frame.h"
#include "workbench/occurrences_model.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class TaskRoad : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    source = dir.filePath(QStringLiteral("example.rc"));
    target = dir.filePath(QStringLiteral("example_de.rc"));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example.rc")), source));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
    settings.setText(QStringLiteral("TMPath"), dir.filePath(QStringLiteral("TM")));
    settings.setInteger(QStringLiteral("InitTM"), 0);
    ASSERT_TRUE(
        library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
    workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, &library);
    ASSERT_NE(workbench->memory(), nullptr);
    frame().resize(1366, 768);
    frame().show();
  }
  void TearDown() override { workbench.reset(); }

  MainFrame &frame() { return workbench->frame(); }
  Session &session() { return workbench->session(); }

  // The Open command with the dialog filled in as the user would.
  void openWithDialog() {
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
      auto *dialog = qobject_cast<OpenResourcesDialog *>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialogSeen = true;
      TaskForm *form = dialog->form();
      form->sourcePath()->setText(source);
      form->sourceLanguage()->setLanguage(1033);
      form->specifyLater()->setChecked(false);
      form->targetPath()->setText(target);
      form->targetLanguage()->setLanguage(1031);
      ASSERT_TRUE(dialog->okButton()->isEnabled());
      QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    frame().command(CmdOpen)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(dialogSeen);
  }

  TextEntry *find(const QString &kind, const QString &identifier, const QString &headName = {}) {
    for (const auto &entry : session().entries())
      if (entry->kind == kind && entry->identifier == identifier &&
          (headName.isEmpty() || (entry->head() && entry->head()->identifier == headName)))
        return entry.get();
    return nullptr;
  }

  void select(TextEntry *entry) {
    frame().selectEntry(entry);
    QApplication::processEvents();
  }

  QTemporaryDir dir;
  QString source, target;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmLibrary library;
  std::unique_ptr<WorkbenchAssembly> workbench;
};

TEST_F(TaskRoad, FromOpeningToReopening) {
  // The memory knows one translation before the task opens.
  MemoryClient &memory = *workbench->memory();
  ASSERT_TRUE(memory.connectTo(1033, 1031));
  ASSERT_EQ(memory.learnPair(QStringLiteral("&Imperial"), QStringLiteral("&Angloamerikanisch"), 1),
            1);

  openWithDialog();
  ASSERT_TRUE(session().isOpen());
  EXPECT_TRUE(frame().windowTitle().contains(u"example_de.rc"));
  EXPECT_TRUE(frame().statusMessage().contains(u"items verified"));
  EXPECT_GT(frame().itemList()->model()->rowCount(), 20);

  // Typing the start of a remembered translation completes it, the rest selected.
  TextEntry *imperial = find(QStringLiteral("MENU"), QStringLiteral("ID_UNITS_IMPERIAL"));
  ASSERT_NE(imperial, nullptr);
  select(imperial);
  EXPECT_EQ(frame().itemList()->selectedEntry(), imperial);
  TargetEditor *editor = frame().splitEdit()->targetEditor();
  editor->setFocus();
  QTest::keyClicks(editor, QStringLiteral("&An"));
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("&Angloamerikanisch"));
  EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("gloamerikanisch"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(imperial->targetText, QStringLiteral("&Angloamerikanisch"));
  QApplication::processEvents();
  EXPECT_NE(session().currentEntry(), imperial);

  // Two "OK" buttons share their text; one gets another translation alone.
  TextEntry *aboutOk =
      find(QStringLiteral("DIALOG"), QStringLiteral("IDOK"), QStringLiteral("IDD_ABOUTBOX"));
  TextEntry *optionsOk =
      find(QStringLiteral("DIALOG"), QStringLiteral("IDOK"), QStringLiteral("IDD_OPTIONS"));
  ASSERT_TRUE(aboutOk && optionsOk);
  select(aboutOk);
  OccurrencesModel &occurrences = session().occurrences();
  ASSERT_EQ(occurrences.rowCount(), 2);
  occurrences.setData(occurrences.index(occurrences.rowOf(optionsOk)), Qt::Unchecked,
                      Qt::CheckStateRole);
  editor->setFocus();
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("Okay"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(aboutOk->targetText, QStringLiteral("Okay"));
  EXPECT_EQ(optionsOk->targetText, QStringLiteral("OK"));

  // The other button takes it from "Paste Another Occurence".
  select(optionsOk);
  QMenu menu;
  frame().itemList()->fillContextMenu(menu, optionsOk);
  QAction *paste = nullptr;
  for (QAction *action : menu.actions())
    if (action->menu() && action->text() == QLatin1String("Paste Another Occurence"))
      for (QAction *item : action->menu()->actions())
        if (item->text() == QLatin1String("Okay"))
          paste = item;
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  EXPECT_EQ(optionsOk->targetText, QStringLiteral("Okay"));
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("Okay"));

  // Undo and redo of the paste.
  frame().command(CmdUndo)->trigger();
  EXPECT_EQ(optionsOk->targetText, QStringLiteral("OK"));
  frame().updateCommands();
  ASSERT_TRUE(frame().command(CmdRedo)->isEnabled());
  frame().command(CmdRedo)->trigger();
  EXPECT_EQ(optionsOk->targetText, QStringLiteral("Okay"));

  // Saving writes the target; nothing is asked since its path is known.
  frame().command(CmdSave)->trigger();
  EXPECT_FALSE(session().isModified());
  QFile written(target);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll().contains("&Angloamerikanisch"));

  // A change after saving makes Close ask; No closes without writing it.
  select(aboutOk);
  editor->setFocus();
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("Schon gut"));
  prompter.messages.clear();
  prompter.answers = {Prompter::Answer::No};
  frame().command(CmdClose)->trigger();
  EXPECT_EQ(prompter.messages.value(0), QStringLiteral("Do you want to save resource file?"));
  EXPECT_FALSE(session().isOpen());
  EXPECT_EQ(frame().itemList()->model()->rowCount(), 0);
  EXPECT_FALSE(frame().command(CmdSave)->isEnabled());

  // Reopening finds what was saved, and not what was dropped.
  openWithDialog();
  ASSERT_TRUE(session().isOpen());
  EXPECT_EQ(find(QStringLiteral("MENU"), QStringLiteral("ID_UNITS_IMPERIAL"))->targetText,
            QStringLiteral("&Angloamerikanisch"));
  EXPECT_EQ(find(QStringLiteral("DIALOG"), QStringLiteral("IDOK"), QStringLiteral("IDD_ABOUTBOX"))
                ->targetText,
            QStringLiteral("Okay"));
  EXPECT_EQ(find(QStringLiteral("DIALOG"), QStringLiteral("IDOK"), QStringLiteral("IDD_OPTIONS"))
                ->targetText,
            QStringLiteral("Okay"));
}

} // namespace
} // namespace tarvelo::gui

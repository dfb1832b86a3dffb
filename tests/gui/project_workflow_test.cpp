// A project started in the window as a new user starts one: File › Project › New
// Project, tasks added from the context menus of the root and of the empty pane, the
// project saved under a name and its tasks opened again.
#include "app/gui_resources.h"
#include "project/open_more_tasks_dialog.h"
#include "project/project_pane.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/language_combo.h"
#include "task/task_form.h"
#include "task/task_properties_dialog.h"

#include "menu_clicks.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class ProjectWorkflowTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1200, 700);
    frame.show();
    QApplication::processEvents();
  }

  ProjectPane &pane() { return *frame.projectPane(); }
  QString rootText() { return pane().topLevelItem(0)->text(0); }
  // Below the last item: the pane's empty room.
  QPoint emptyRoom() { return QPoint(20, pane().viewport()->height() - 10); }
  QPoint rootPoint() { return pane().visualItemRect(pane().topLevelItem(0)).center(); }
  QStringList taskNames() {
    QStringList names;
    for (const Task &task : pane().project().tasks)
      names.append(task.name + u':' + QFileInfo(task.sourcePath).fileName() + u'>' +
                   QFileInfo(task.targetPath).fileName());
    return names;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

TEST_F(ProjectWorkflowTest, ANewProjectIsBuiltFromTheContextMenusAndSavedUnderAName) {
  ASSERT_TRUE(clickMenuPath(frame, {"&File", "Project", "&New Project"}));
  QApplication::processEvents();
  // The pane comes into sight with the new project.
  EXPECT_TRUE(pane().isVisible());
  EXPECT_EQ(rootText(), QStringLiteral("Project*"));

  // The root and the empty room offer what a project is built with; with no task open
  // and no task yet, only "Add to project".
  const QStringList projectMenu = {"Add to project",    "[Add Opened task to project]",
                                   "[Open more tasks]", "-",
                                   "Save Project",      "Save Project As..."};
  for (const QPoint &at : {rootPoint(), emptyRoom()}) {
    QStringList seen;
    contextMenuAt(pane().viewport(), at, QString(), &seen);
    EXPECT_EQ(seen, projectMenu);
  }

  // "Add to project" asks for the task in "Task Properties".
  whenShown<TaskPropertiesDialog>([&](TaskPropertiesDialog *dialog) {
    TaskForm *form = dialog->form();
    form->taskName()->setText(QStringLiteral("Example German"));
    form->sourcePath()->setText(exampleFile(QStringLiteral("example.rc")));
    form->sourceLanguage()->setLanguage(1033);
    form->specifyLater()->setChecked(false);
    form->targetPath()->setText(dir.filePath(QStringLiteral("example_de.rc")));
    form->targetLanguage()->setLanguage(1031);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  });
  contextMenuAt(pane().viewport(), emptyRoom(), QStringLiteral("Add to project"));
  EXPECT_EQ(taskNames(), QStringList{"Example German:example.rc>example_de.rc"});

  // With a task open, the root adds it as it is.
  ASSERT_EQ(session.open({exampleFile(QStringLiteral("example.rc")), 1033, false,
                          dir.filePath(QStringLiteral("example_fr.rc")), 1036}),
            Session::OpenResult::Opened);
  contextMenuAt(pane().viewport(), rootPoint(), QStringLiteral("Add Opened task to project"));
  EXPECT_EQ(taskNames(), QStringList({"Example German:example.rc>example_de.rc",
                                      "Task:example.rc>example_fr.rc"}));
  EXPECT_EQ(rootText(), QStringLiteral("Project*"));

  // "Save Project As..." names the file; the root shows its name.
  whenShown<QFileDialog>([&](QFileDialog *dialog) {
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(dir.filePath(QStringLiteral("first")));
    QTest::keyClick(name, Qt::Key_Return);
  });
  ASSERT_TRUE(clickMenuPath(frame, {"&File", "Project", "Save Project &As..."}));
  QApplication::processEvents();
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("first.tvx"))));
  EXPECT_EQ(rootText(), QStringLiteral("first.tvx"));

  // A task's own menu keeps the task commands, with the project's below them.
  QStringList taskMenu;
  const QRect task = pane().visualItemRect(pane().topLevelItem(0)->child(0));
  contextMenuAt(pane().viewport(), task.center(), QString(), &taskMenu);
  EXPECT_EQ(taskMenu,
            QStringList({"Open Tasks", "Remove Tasks", "-", "Edit Tasks...", "-", "Add to project",
                         "Add Opened task to project", "Open more tasks"}));

  // "Open more tasks" from the empty room opens the chosen pair's tasks.
  prompter.answers = {Prompter::Answer::No}; // the open task is not saved
  whenShown<OpenMoreTasksDialog>([&](OpenMoreTasksDialog *dialog) {
    dialog->targetCombo()->setCurrentIndex(dialog->targetCombo()->findData(1031));
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
  contextMenuAt(pane().viewport(), emptyRoom(), QStringLiteral("Open more tasks"));
  EXPECT_EQ(session.targetLanguage(), 1031);
  EXPECT_TRUE(session.targetPath().endsWith(QStringLiteral("example_de.rc")));
}

} // namespace
} // namespace tarvelo::gui

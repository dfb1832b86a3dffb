// The project pane: its tree, its commands and the project file they write.
#include "project/open_more_tasks_dialog.h"
#include "project/project_pane.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

using test::ScriptedPrompter;

QByteArray utf16(const QString &text) {
  QByteArray bytes("\xFF\xFE", 2);
  for (const QChar c : text)
    bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return bytes;
}

QString block(const QString &name, const QString &source, int targetLanguage) {
  return "TASK=" + name + "\r\n{\r\nSOURCEFILE=" + source +
         "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=\r\nTARGETLANGUAGE=" +
         QString::number(targetLanguage) + "\r\n}\r\n";
}

class ProjectPaneTest : public ::testing::Test {
protected:
  void SetUp() override {
    write("a.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
                  "    IDS_A \"Open\"\nEND\n");
    write("b.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
                  "    IDS_B \"Close\"\nEND\n");
    write("p.tvx", utf16(block("A", ".\\a.rc", 1031) + block("B", "./b.rc", 1031) +
                         block("C", ".\\b.rc", 1036)));
  }
  void write(const QString &name, const QByteArray &data) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  // The tree as text: one line per item, indented by depth.
  QString tree() const {
    QString out;
    const std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int depth) {
      out += QString(depth * 2, u' ') + item->text(0) + u'\n';
      for (int i = 0; i < item->childCount(); ++i)
        walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < pane.topLevelItemCount(); ++i)
      walk(pane.topLevelItem(i), 0);
    return out;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  ProjectPane pane{session};
};

TEST_F(ProjectPaneTest, ShowsTheProjectAsATree) {
  EXPECT_EQ(tree(), "Project\n");
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  const QString a = dir.filePath("a.rc"), b = dir.filePath("b.rc");
  EXPECT_EQ(tree(), "p.tvx\n  A\n    \"" + a + "\" [English (United States)]\n    \"\" [" +
                        "German (Germany)]\n  B\n    \"" + b +
                        "\" [English (United States)]\n    \"\" [German (Germany)]\n  C\n    \"" +
                        b + "\" [English (United States)]\n    \"\" [French (France)]\n");
  EXPECT_FALSE(pane.openProject(dir.filePath("none.tvx")));
  EXPECT_EQ(pane.project().tasks.size(), 3);
}

TEST_F(ProjectPaneTest, NewProjectAsksWhetherToKeepTheTasks) {
  pane.newProject(); // nothing to ask about: the empty project becomes modified
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_EQ(tree(), "Project*\n");
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  prompter.answers = {Prompter::Answer::Yes};
  pane.newProject();
  EXPECT_EQ(prompter.messages,
            QStringList{"Do you want to copy current tasks to the new project?"});
  EXPECT_EQ(pane.project().tasks.size(), 3);
  EXPECT_TRUE(tree().startsWith("Project*\n  A\n"));
  prompter.answers = {Prompter::Answer::No};
  pane.newProject();
  EXPECT_EQ(tree(), "Project\n");
}

TEST_F(ProjectPaneTest, RemoveSaveAndOpenTasksTogether) {
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  pane.selectTasks({2});
  pane.removeTasks();
  EXPECT_EQ(pane.project().tasks.size(), 2);
  EXPECT_TRUE(tree().startsWith("p.tvx*\n"));
  ASSERT_TRUE(pane.saveProject());
  EXPECT_TRUE(tree().startsWith("p.tvx\n"));
  Project reread;
  ASSERT_TRUE(readProject(dir.filePath("p.tvx"), reread));
  EXPECT_EQ(reread.tasks.size(), 2);

  bool opened = false;
  QObject::connect(&pane, &ProjectPane::tasksOpened, [&] { opened = true; });
  pane.selectTasks({0, 1});
  EXPECT_EQ(pane.selectedTasks(), QList<int>({0, 1}));
  ASSERT_TRUE(pane.openTasks());
  EXPECT_TRUE(opened);
  EXPECT_EQ(session.tasks().size(), 2);
  EXPECT_EQ(session.entries().size(), 2);
}

TEST_F(ProjectPaneTest, RemembersTheProjectForTheNextStart) {
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  {
    ProjectPane other(session);
    other.openProject(dir.filePath("p.tvx"));
  }
  EXPECT_EQ(settings.text("ProjectPath"), dir.filePath("p.tvx"));
  ProjectPane next(session);
  next.reopenLast();
  EXPECT_EQ(next.project().tasks.size(), 3);
}

TEST_F(ProjectPaneTest, OpenMoreTasksOffersTheProjectsLanguagePairs) {
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  QList<Task> tasks = pane.project().tasks;
  tasks[1].sourceLanguage = 1031;
  const auto items = [](QComboBox *combo) {
    QList<int> data;
    for (int i = 0; i < combo->count(); ++i)
      data.append(combo->itemData(i).toInt());
    return data;
  };
  // Preset to the task's languages, or to the first entry when not listed.
  OpenMoreTasksDialog dialog(tasks, tasks[2]);
  EXPECT_EQ(items(dialog.sourceCombo()), QList<int>({1033, 1031}));
  EXPECT_EQ(items(dialog.targetCombo()), QList<int>({1031, 1036}));
  EXPECT_EQ(dialog.targetLanguage(), 1036);
  // The target list follows the chosen source.
  dialog.sourceCombo()->setCurrentIndex(1);
  EXPECT_EQ(items(dialog.targetCombo()), QList<int>({1031}));
  EXPECT_EQ(dialog.targetLanguage(), 1031);
  Task other = tasks[0];
  other.sourceLanguage = 1049;
  OpenMoreTasksDialog unlisted(tasks, other);
  EXPECT_EQ(unlisted.sourceLanguage(), 1033);
}

// Clicks an item of the tree with the given modifiers.
void click(QTreeWidget &tree, QTreeWidgetItem *item, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, modifiers, tree.visualItemRect(item).center());
}

TEST_F(ProjectPaneTest, SelectionRulesOfTheTree) {
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  pane.resize(400, 400);
  pane.show();
  for (int i = 0; i < 3; ++i)
    pane.topLevelItem(0)->child(i)->setExpanded(true);
  QApplication::processEvents();
  QTreeWidgetItem *root = pane.topLevelItem(0);
  const auto selectedTexts = [&] {
    QStringList texts;
    for (const QTreeWidgetItem *item : pane.selectedItems())
      texts.append(item->text(0));
    texts.sort();
    return texts;
  };
  // A line stands for its task.
  click(pane, root->child(1)->child(1));
  EXPECT_EQ(selectedTexts(), QStringList{"B"});
  click(pane, root->child(2)->child(0), Qt::ControlModifier);
  EXPECT_EQ(selectedTexts(), QStringList({"B", "C"}));
  // The root is selected only alone, and any click while it is selected is plain.
  click(pane, root, Qt::ControlModifier);
  EXPECT_EQ(selectedTexts(), QStringList{root->text(0)});
  click(pane, root->child(0), Qt::ControlModifier);
  EXPECT_EQ(selectedTexts(), QStringList{"A"});
  click(pane, root->child(2), Qt::ShiftModifier);
  EXPECT_EQ(selectedTexts(), QStringList({"A", "B", "C"}));
  // Collapsing a task leaves none of its lines selected.
  root->child(0)->child(0)->setSelected(true);
  root->child(0)->setExpanded(false);
  EXPECT_FALSE(root->child(0)->child(0)->isSelected());
}

TEST_F(ProjectPaneTest, DroppedTasksKeepTheOrderTheyWereSelectedIn) {
  ASSERT_TRUE(pane.openProject(dir.filePath("p.tvx")));
  pane.resize(400, 400);
  pane.show();
  QApplication::processEvents();
  QTreeWidgetItem *root = pane.topLevelItem(0);
  click(pane, root->child(2));
  click(pane, root->child(0), Qt::ControlModifier);
  // Copied to the start of the list (a drop on the root), C before A.
  pane.dropSelectedTasks(-1, true);
  QStringList names;
  for (const Task &task : pane.project().tasks)
    names.append(task.name);
  EXPECT_EQ(names, QStringList({"C", "A", "A", "B", "C"}));
  EXPECT_EQ(pane.selectedTasks(), QList<int>({0, 1}));
  EXPECT_TRUE(tree().startsWith("p.tvx*\n"));
  // Moved after B: the inserted tasks stay selected in their order.
  pane.dropSelectedTasks(3, false);
  names.clear();
  for (const Task &task : pane.project().tasks)
    names.append(task.name);
  EXPECT_EQ(names, QStringList({"A", "B", "C", "A", "C"}));
  EXPECT_EQ(pane.selectedTasks(), QList<int>({2, 3}));
}

} // namespace
} // namespace tarvelo::gui

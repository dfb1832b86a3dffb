// Dropping tasks in the project tree, language pairs offered, the root's text.
#include "project/project_edits.h"

#include "seam/settings.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

Task named(const QString &name, int sourceLanguage = 1033, int targetLanguage = 1031) {
  Task task;
  task.name = name;
  task.sourceLanguage = sourceLanguage;
  task.targetLanguage = targetLanguage;
  return task;
}

QString names(const QList<Task> &tasks) {
  QString out;
  for (const Task &task : tasks)
    out += task.name;
  return out;
}

struct DropCase {
  const char *what;
  QList<int> dragged; // in selection order
  int drop;           // -1: the root
  bool copy;
  const char *after;
  QList<int> inserted;
};

class Dropping : public ::testing::TestWithParam<DropCase> {};

TEST_P(Dropping, PutsTheDraggedTasksAfterTheDropTask) {
  QList<Task> tasks{named("A"), named("B"), named("C"), named("D"), named("E")};
  const QList<int> inserted =
      dropTasks(tasks, GetParam().dragged, GetParam().drop, GetParam().copy);
  EXPECT_EQ(names(tasks), GetParam().after) << GetParam().what;
  EXPECT_EQ(inserted, GetParam().inserted) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    ProjectEdits, Dropping,
    ::testing::Values(DropCase{"move down", {0}, 2, false, "BCADE", {2}},
                      DropCase{"move up", {3}, 0, false, "ADBCE", {1}},
                      DropCase{"selection order kept", {4, 1}, 2, false, "ACEBD", {2, 3}},
                      DropCase{"on the root", {2, 4}, -1, false, "CEABD", {0, 1}},
                      DropCase{"copy", {0, 1}, 4, true, "ABCDEAB", {5, 6}},
                      DropCase{"copy on the root", {4}, -1, true, "EABCDE", {0}},
                      // On a dragged task: after the nearest preceding one not dragged.
                      DropCase{"on a dragged task", {2, 3}, 3, false, "ABCDE", {2, 3}},
                      DropCase{"on a dragged task, copy", {1, 2}, 2, true, "ABCBCDE", {1, 2}},
                      DropCase{"no task before", {0, 1}, 1, false, "ABCDE", {0, 1}},
                      DropCase{"nothing dragged", {}, 2, false, "ABCDE", {}}),
    [](const auto &info) { return test::caseName(info.param.what); });

TEST(ProjectEdits, OpenMoreTasksOffersEachLanguageOnce) {
  const QList<Task> tasks{named("A", 1033, 1031), named("B", 1033, 1036), named("C", 1031, 1033),
                          named("D", 1033, 1031)};
  EXPECT_EQ(sourceLanguagesOf(tasks), QList<int>({1033, 1031}));
  EXPECT_EQ(targetLanguagesOf(tasks, 1033), QList<int>({1031, 1036}));
  EXPECT_EQ(targetLanguagesOf(tasks, 1031), QList<int>({1033}));
  EXPECT_EQ(names(tasksOfPair(tasks, 1033, 1031)), "AD");
}

TEST(ProjectEdits, RootTextNamesTheFileAndShowsChanges) {
  Project project;
  EXPECT_EQ(projectRootText(project), "Project");
  project.modified = true;
  EXPECT_EQ(projectRootText(project), "Project*");
  project.path = "/work/product.tvx";
  EXPECT_EQ(projectRootText(project), "product.tvx*");
  project.modified = false;
  EXPECT_EQ(projectRootText(project), "product.tvx");
}

TEST(ProjectEdits, AddToProjectStartsFromTheLastTask) {
  MemorySettings settings;
  settings.setText("SourcePath", "/p/app.rc");
  settings.setText("TargetPath", "/p/de.rc");
  settings.setInteger("SourceLanguage", 1036);
  const Task task = taskFromSettings(settings);
  EXPECT_EQ(task.name, "Task");
  EXPECT_EQ(task.sourcePath, "/p/app.rc");
  EXPECT_EQ(task.targetPath, "/p/de.rc");
  EXPECT_EQ(task.sourceLanguage, 1036);
  EXPECT_EQ(task.targetLanguage, 1033); // the setting's default
}

} // namespace
} // namespace tarvelo

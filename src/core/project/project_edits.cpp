// Dropping tasks in the project tree, new tasks, and the language pairs of a project.
#include "project/project_edits.h"

#include "script/script_path.h"
#include "seam/settings.h"

#include <QCoreApplication>
#include <QSet>

namespace tarvelo {

QList<int> dropTasks(QList<Task> &tasks, const QList<int> &dragged, int dropIndex, bool copy) {
  QList<int> valid;
  for (const int index : dragged)
    if (index >= 0 && index < tasks.size() && !valid.contains(index))
      valid.append(index);
  if (valid.isEmpty())
    return {};
  const QSet<int> draggedSet(valid.begin(), valid.end());
  int anchor = std::min(dropIndex, int(tasks.size()) - 1);
  while (anchor >= 0 && draggedSet.contains(anchor))
    --anchor;
  QList<Task> moving;
  for (const int index : std::as_const(valid))
    moving.append(tasks[index]);
  if (!copy) {
    // The anchor keeps its task while the dragged ones before it leave.
    int removedBefore = 0;
    for (const int index : std::as_const(valid))
      if (index < anchor)
        ++removedBefore;
    QList<int> descending = valid;
    std::sort(descending.begin(), descending.end(), std::greater<int>());
    for (const int index : std::as_const(descending))
      tasks.removeAt(index);
    if (anchor >= 0)
      anchor -= removedBefore;
  }
  const int at = anchor + 1;
  QList<int> inserted;
  for (int i = 0; i < moving.size(); ++i) {
    tasks.insert(at + i, moving[i]);
    inserted.append(at + i);
  }
  return inserted;
}

Task taskFromSettings(const Settings &settings) {
  Task task;
  task.name = QCoreApplication::translate("Project", "Task");
  task.sourcePath = settings.text(QStringLiteral("SourcePath"));
  task.targetPath = settings.text(QStringLiteral("TargetPath"));
  task.sourceLanguage = settings.integer(QStringLiteral("SourceLanguage"));
  task.targetLanguage = settings.integer(QStringLiteral("TargetLanguage"));
  return task;
}

QList<int> sourceLanguagesOf(const QList<Task> &tasks) {
  QList<int> languages;
  for (const Task &task : tasks)
    if (!languages.contains(task.sourceLanguage))
      languages.append(task.sourceLanguage);
  return languages;
}

QList<int> targetLanguagesOf(const QList<Task> &tasks, int sourceLanguage) {
  QList<int> languages;
  for (const Task &task : tasks)
    if (task.sourceLanguage == sourceLanguage && !languages.contains(task.targetLanguage))
      languages.append(task.targetLanguage);
  return languages;
}

QList<Task> tasksOfPair(const QList<Task> &tasks, int sourceLanguage, int targetLanguage) {
  QList<Task> pair;
  for (const Task &task : tasks)
    if (task.sourceLanguage == sourceLanguage && task.targetLanguage == targetLanguage)
      pair.append(task);
  return pair;
}

QString projectRootText(const Project &project) {
  const QString name = project.path.isEmpty() ? QCoreApplication::translate("Project", "Project")
                                              : fileNameOf(project.path);
  return project.modified ? name + u'*' : name;
}

} // namespace tarvelo

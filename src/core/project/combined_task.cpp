// Combining several tasks into one for a shared edit, and writing the edit back.
#include "project/combined_task.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

bool isSeparator(QChar c) {
  return c == u'/' || c == u'\\';
}

// Common path, or the leading whole folders all paths share (with their separator)
// followed by "<Different values>".
QString combinedPath(const QList<const Task *> &tasks, QString Task::*field) {
  const QString &first = tasks.front()->*field;
  bool same = true;
  qsizetype common = first.size();
  for (const Task *task : tasks) {
    const QString &path = task->*field;
    if (path.compare(first, Qt::CaseInsensitive) != 0)
      same = false;
    qsizetype folderEnd = 0;
    for (qsizetype i = 0; i < std::min(common, path.size()); ++i) {
      if (path[i].toCaseFolded() != first[i].toCaseFolded())
        break;
      if (isSeparator(path[i]))
        folderEnd = i + 1;
    }
    common = std::min(common, folderEnd);
  }
  if (same)
    return first;
  return first.left(common) + differentValuesText();
}

int combinedLanguage(const QList<const Task *> &tasks, int Task::*field) {
  const int first = tasks.front()->*field;
  for (const Task *task : tasks)
    if (task->*field != first)
      return DifferentLanguages;
  return first;
}

// The new path of one task: a combined path that still ends in "<Different values>"
// swaps only its common leading part.
QString editedPath(const QString &current, const QString &before, const QString &edited) {
  const QString marker = differentValuesText();
  if (!edited.endsWith(marker))
    return edited;
  const qsizetype oldPrefix = before.endsWith(marker) ? before.size() - marker.size() : 0;
  return edited.left(edited.size() - marker.size()) + current.mid(oldPrefix);
}

} // namespace

QString differentValuesText() {
  return QCoreApplication::translate("Project", "<Different values>");
}

Task combineTasks(const QList<const Task *> &tasks) {
  Task combined;
  if (tasks.isEmpty())
    return combined;
  combined.name = tasks.front()->name;
  for (const Task *task : tasks)
    if (task->name != combined.name)
      combined.name = differentValuesText();
  combined.sourcePath = combinedPath(tasks, &Task::sourcePath);
  combined.targetPath = combinedPath(tasks, &Task::targetPath);
  combined.sourceLanguage = combinedLanguage(tasks, &Task::sourceLanguage);
  combined.targetLanguage = combinedLanguage(tasks, &Task::targetLanguage);
  return combined;
}

bool applyCombinedEdit(const Task &before, const Task &edited, const QList<Task *> &tasks) {
  bool changed = false;
  const auto apply = [&changed](auto &field, const auto &value) {
    if (field != value) {
      field = value;
      changed = true;
    }
  };
  for (Task *task : tasks) {
    if (edited.name != before.name && edited.name != differentValuesText())
      apply(task->name, edited.name);
    if (edited.sourcePath.compare(before.sourcePath, Qt::CaseInsensitive) != 0)
      apply(task->sourcePath, editedPath(task->sourcePath, before.sourcePath, edited.sourcePath));
    if (edited.targetPath.compare(before.targetPath, Qt::CaseInsensitive) != 0)
      apply(task->targetPath, editedPath(task->targetPath, before.targetPath, edited.targetPath));
    if (edited.sourceLanguage != before.sourceLanguage &&
        edited.sourceLanguage != DifferentLanguages)
      apply(task->sourceLanguage, edited.sourceLanguage);
    if (edited.targetLanguage != before.targetLanguage &&
        edited.targetLanguage != DifferentLanguages)
      apply(task->targetLanguage, edited.targetLanguage);
  }
  return changed;
}

bool sameLanguagePair(const QList<const Task *> &tasks) {
  for (const Task *task : tasks)
    if (task->sourceLanguage != tasks.front()->sourceLanguage ||
        task->targetLanguage != tasks.front()->targetLanguage)
      return false;
  return !tasks.isEmpty();
}

} // namespace tarvelo

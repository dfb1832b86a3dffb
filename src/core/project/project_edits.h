// Edits of a project's task list: drag and drop, new tasks, language pairs.
#pragma once

#include "project/project_file.h"

#include <QList>

namespace tarvelo {

class Settings;

// Edits of the task list that the project tree offers, kept apart from the tree so
// that their rules hold wherever the list is shown.

// Drops the dragged tasks (indexes in selection order) on a task (dropIndex, or -1
// for the root): they go, in that order, directly after it, or first for the root.
// A drop on a dragged task goes after the nearest preceding task that is not
// dragged. Moving takes them from their old places; copying leaves those too.
// Returns the indexes of the inserted tasks.
QList<int> dropTasks(QList<Task> &tasks, const QList<int> &dragged, int dropIndex, bool copy);

// The task "Add to project" starts from: named "Task", with the paths and languages
// of the last task opened.
Task taskFromSettings(const Settings &settings);

// The distinct source languages of the tasks in list order, and the distinct target
// languages of the tasks with one source language: the choices of "Open More Tasks".
QList<int> sourceLanguagesOf(const QList<Task> &tasks);
QList<int> targetLanguagesOf(const QList<Task> &tasks, int sourceLanguage);
// The tasks of one language pair, in list order.
QList<Task> tasksOfPair(const QList<Task> &tasks, int sourceLanguage, int targetLanguage);

// The text of the tree's root: the project file's name, or "Project" while it has
// none, followed by "*" while the project is modified.
QString projectRootText(const Project &project);

} // namespace tarvelo

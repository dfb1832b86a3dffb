// The task that stands for several tasks in one edit, "<Different values>" and all.
#pragma once

#include "script/task.h"

#include <QList>

namespace tarvelo {

// Stands for differing languages in the combined task of several tasks; never stored.
constexpr int DifferentLanguages = 0x10400;

// "<Different values>", as the project shows a field that differs between tasks.
QString differentValuesText();

// The task that stands for several tasks in one edit: each field the common value,
// or differentValuesText() (a path keeps its common leading folders before it) or
// DifferentLanguages where they differ.
Task combineTasks(const QList<const Task *> &tasks);

// Writes into each task the fields of edited that differ from before (the combined
// task as it was shown); a path still holding differentValuesText() replaces only
// the common leading part it kept. True when any task changed.
bool applyCombinedEdit(const Task &before, const Task &edited, const QList<Task *> &tasks);

// Whether the tasks share one source and one target language, so that they can be
// opened together as one.
bool sameLanguagePair(const QList<const Task *> &tasks);

} // namespace tarvelo

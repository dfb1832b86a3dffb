// An analysis of the open task or of a project's tasks against the program's memory.
#pragma once

#include "analysis/analysis_run.h"
#include "script/task.h"

#include <QList>
#include <QString>

namespace tarvelo {

class EntryList;
class MemoryClient;
class Progress;
class Settings;

// What is analysed: the open task's entries as they stand (unsaved changes count), or
// a task read from its files.
struct AnalysisSource {
  QString name;
  Task task;                          // the languages always; the files when entries is null
  const EntryList *entries = nullptr; // the open task
};

enum class AnalysisEnd {
  Done,      // every source is in the run (some perhaps as failed tasks)
  Cancelled, // the run is incomplete and is not to be shown or saved
  NoMemory,  // the memory finds no fuzzy matches; error says so
};

// Puts the sources into run one after another, asking the memory for each text's best
// score. Progress shows the task and the items done and is asked for a cancel between
// items. The memory is connected back to the pair it had before.
AnalysisEnd analyseSources(const QList<AnalysisSource> &sources, AnalysisRun &run,
                           MemoryClient &memory, Settings &settings, Progress &progress,
                           QString &error);

} // namespace tarvelo

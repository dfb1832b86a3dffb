// A task's scripts read from disk for an analysis, the failure said in words.
#pragma once

#include "script/entry_list.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/silent_prompter.h"

#include <QString>

namespace tarvelo {

class Settings;

// One task's source and target read as the analysis needs them: the target's texts
// placed on the source's items, with the companion files of both. Nobody watches:
// questions are answered No and nothing is shown.
class TaskEntries {
public:
  explicit TaskEntries(Settings &settings);

  // A target that does not exist gives no translations. False, with the reason
  // (naming the file, and the line of a syntax error) in error.
  bool read(const Task &task, QString &error);
  const EntryList &entries() const { return m_entries; }

private:
  Settings &m_settings;
  SilentPrompter m_prompter;
  NullProgress m_progress;
  EntryList m_entries;
  TaskChain m_tasks;
};

} // namespace tarvelo

// A script read on its own to answer one question about it, nothing kept.
#pragma once

// A script read on its own to answer one question about it (which languages it
// declares, whether it parses), with nobody to ask and nothing kept.

#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "seam/silent_prompter.h"

namespace tarvelo {

class ScratchScript {
public:
  ScratchScript() : m_script({&m_entries, &m_tasks, &m_prompter, &m_progress, &m_settings}) {}
  ResourceScript &script() { return m_script; }
  // A task for the script to read into.
  Task *task() { return m_tasks.append(); }

private:
  EntryList m_entries;
  TaskChain m_tasks;
  SilentPrompter m_prompter;
  NullProgress m_progress;
  MemorySettings m_settings;
  ResourceScript m_script;
};

} // namespace tarvelo

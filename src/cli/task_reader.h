// One task's source and target read for a command, with their companion files.
#pragma once

#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/script_file.h"
#include "script/task.h"
#include "seam/progress.h"

#include <memory>

namespace tarvelo {
class Prompter;
class Settings;
} // namespace tarvelo

namespace tarvelo::cli {

// One task's source and target read as the commands need them: the target's texts
// placed on the source's items, verified, with the companion files of both scripts.
// Scripts pulled in by the source are not part of the task.
class TaskReader {
public:
  TaskReader(Prompter &prompter, Settings &settings);
  ~TaskReader();

  // A target that does not exist, or newTarget, gives a new target built from the
  // source. A compiled source or target is read with the macro names of header when
  // one is given. False, with the reason printed on standard error, when a script or
  // the header cannot be read or a script does not parse.
  bool read(const QString &sourcePath, int sourceLanguage, const QString &targetPath,
            int targetLanguage, bool newTarget, const QString &header = QString());

  EntryList &entries() { return m_entries; }
  Task *task() const { return m_tasks.head(); }
  const ScriptContext &context() const { return m_context; }
  ScriptFile &sourceFile();
  // The target as read, or an empty file in the source's encoding for a new target.
  ScriptFile &targetFile() { return m_target; }
  bool targetExisted() const { return m_existing; }
  // Why read failed, as it was printed.
  const QString &failure() const { return m_failure; }

private:
  bool fail(const QString &message, const QString &detail = QString());

  EntryList m_entries;
  TaskChain m_tasks;
  NullProgress m_progress;
  ScriptContext m_context;
  std::unique_ptr<ResourceScript> m_source;
  ScriptFile m_target;
  bool m_existing = false;
  QString m_failure;
};

// The file, line and text where a script did not parse; empty when no line is known.
QString syntaxErrorText(const ResourceScript &script, const QString &path);
// Names the file of a script that did not parse, with the line and the text found
// there, after the message of the line.
void printSyntaxError(const ResourceScript &script, const QString &path);

// Commands that need real translations: false, with the reason on standard error,
// when the target does not exist (it is not made from the source then).
bool targetExists(const QString &targetPath);

} // namespace tarvelo::cli

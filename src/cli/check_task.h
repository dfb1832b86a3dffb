// One task checked into findings, for check and project check.
#pragma once

#include "findings/finding.h"

namespace tarvelo {
struct Project;
class Inspector;
class ItemChecks;
class Settings;
class SpellChecker;
} // namespace tarvelo

namespace tarvelo::cli {

class TaskReader;
struct FindingsOptions;

// What check looks at: the inspection, the checks over menus and limits, and the
// spelling when a checker is given, at the levels of the settings.
struct CheckTools {
  const Inspector &inspector;
  const ItemChecks &itemChecks; // checked over the task's entries already
  SpellChecker *speller = nullptr;
  const Settings &settings;
};

// The items the item list shows (each text, a repeated pair once) checked;
// translatedOnly leaves out items without a translation.
FindingsRun checkFindings(TaskReader &reader, const CheckTools &tools, bool translatedOnly,
                          bool withPasses);

// A task that could not be read, reported with the target it names.
FindingsRun unreadTask(const QString &command, const QString &file, const QString &failure);

// Every task of the project checked into one output; a task that cannot be read is
// reported as such and the others go on.
int checkProjectFindings(const Project &project, const FindingsOptions &output);

} // namespace tarvelo::cli

// One task checked into findings, for check and project check.
#pragma once

#include "findings/finding.h"

namespace tarvelo {
struct Project;
class Inspector;
class SpellChecker;
} // namespace tarvelo

namespace tarvelo::cli {

class TaskReader;
struct FindingsOptions;

// The items the item list shows (each text, a repeated pair once) inspected, and spelt
// when a checker is given; translatedOnly leaves out items without a translation.
FindingsRun checkFindings(TaskReader &reader, const Inspector &inspector, SpellChecker *speller,
                          bool translatedOnly, bool withPasses);

// A task that could not be read, reported with the target it names.
FindingsRun unreadTask(const QString &command, const QString &file, const QString &failure);

// Every task of the project checked into one output; a task that cannot be read is
// reported as such and the others go on.
int checkProjectFindings(const Project &project, const FindingsOptions &output);

} // namespace tarvelo::cli

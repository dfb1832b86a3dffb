// Checks run on the entries once a target has been read: dialogs paired, resources compared.
#pragma once

#include <QString>

namespace tarvelo {

class EntryList;
class Prompter;
class TextEntry;
struct Task;

// What the entries need once the target has been read.
struct AfterReadContext {
  EntryList *entries = nullptr;
  Prompter *prompter = nullptr;
  // Shown after the resource identifier in the Fuzzy Items caption when several
  // tasks are open; empty otherwise.
  QString scriptName;
  // The "Clear Fuzzy Flag" box, remembered while the program runs.
  bool *clearFuzzyFlag = nullptr;
};

// Links every entry to the next later entry with the same source text (the
// occurrence chains); texts only, and only non-empty ones.
void linkOccurrences(EntryList &entries);

// After the target of a task has been read and matched: builds the occurrence
// chains and lets every entry of the task check itself against its target.
void afterTargetRead(Task *task, AfterReadContext &context);

// Makes fuzzy every entry of a head's block that shares kind and identifier with a
// later entry of the block, and asks the Fuzzy Items question when texts of the
// block could not be placed. Returns whether a duplicate was left unmatched.
bool settleBlock(TextEntry *head, AfterReadContext &context);

} // namespace tarvelo

// Findings of the automatic inspection and the spelling of translated items.
#pragma once

#include "findings/finding.h"

namespace tarvelo {

class Inspector;
class TextEntry;
struct SpellWord;
struct Task;

// Where an item stands: the target's literal when the target script has it, else the
// source's, with the file of that side.
struct ItemPlace {
  QString file;
  TextPosition position;
};
ItemPlace itemPlace(const TextEntry &entry, const Task &task);

// A finding of one rule on the item, filled with its place, resource and text.
Finding itemFinding(const TextEntry &entry, const Task &task, const char *rule);

// The inspection's findings on the item: one for the format specifications, one for the
// access keys and one for the other counted characters, each only when it fails unless
// withPasses (JUnit lists every item checked).
void inspectionFindings(const Inspector &inspector, const TextEntry &entry, const Task &task,
                        bool withPasses, std::vector<Finding> &out);

// One finding per misspelt word of the translation, or a pass when there is none and
// withPasses.
void spellingFindings(const QList<SpellWord> &words, const TextEntry &entry, const Task &task,
                      bool withPasses, std::vector<Finding> &out);

} // namespace tarvelo

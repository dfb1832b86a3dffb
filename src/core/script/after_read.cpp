// Checks that run on the entries once a target has been read.
#include "script/after_read.h"

#include "script/entry_list.h"
#include "script/text_entry.h"
#include "seam/prompter.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace tarvelo {

namespace {

QString blockKindName(const QString &kind) {
  if (kind == QLatin1String("DIALOG"))
    return QCoreApplication::translate("Prompter", "Dialog");
  if (kind == QLatin1String("MENU"))
    return QCoreApplication::translate("Prompter", "Menu");
  if (kind == QLatin1String("DLGINIT"))
    return QCoreApplication::translate("Prompter", "Dialog controls init");
  return kind;
}

QString fuzzyText(const QString &kind) {
  if (kind == QLatin1String("DLGINIT"))
    return QCoreApplication::translate(
        "Prompter", "Count of ListBox items has changed. Verify translation of fuzzy items.");
  if (kind == QLatin1String("MENU"))
    return QCoreApplication::translate(
        "Prompter", "Count or order of Menu items has changed. Verify translation of fuzzy items.");
  return QCoreApplication::translate(
      "Prompter", "Count or order of Dialog items has changed. Verify translation of fuzzy items.");
}

// The Fuzzy Items question for a block whose texts could not all be placed.
void askFuzzyItems(TextEntry *head, AfterReadContext &context) {
  QSet<QString> alternativeIds;
  QStringList choices{QString()};
  for (const auto &alternative : head->alternatives()) {
    alternativeIds.insert(alternative.first);
    if (!choices.contains(alternative.second))
      choices.append(alternative.second);
  }
  std::vector<TextEntry *> listed;
  for (TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
       entry = entry->next())
    if (!entry->sourceText.isEmpty() && alternativeIds.contains(entry->identifier))
      listed.push_back(entry);
  if (listed.empty() || !context.prompter)
    return;

  FuzzyItemsRequest request;
  request.caption = blockKindName(head->kind) + u' ' + head->identifier;
  if (!context.scriptName.isEmpty())
    request.caption += QStringLiteral(" (") + context.scriptName + u')';
  request.text = fuzzyText(head->kind);
  request.choices = choices;
  for (const TextEntry *entry : listed)
    request.rows.append({entry->sourceText, entry->targetText});
  request.clearFuzzyFlag = context.clearFuzzyFlag && *context.clearFuzzyFlag;
  context.prompter->resolveFuzzyItems(request);
  if (context.clearFuzzyFlag)
    *context.clearFuzzyFlag = request.clearFuzzyFlag;
  for (size_t i = 0; i < listed.size() && i < size_t(request.rows.size()); ++i) {
    TextEntry *entry = listed[i];
    entry->targetText = request.rows[qsizetype(i)].translated;
    if (request.clearFuzzyFlag)
      entry->matchState = entry->targetText.isEmpty() ? FoundEmpty : Matched;
  }
}

} // namespace

void linkOccurrences(EntryList &entries) {
  QHash<QString, TextEntry *> later;
  for (int i = entries.size() - 1; i >= 0; --i) {
    TextEntry *entry = entries.at(i);
    entry->nextOccurrence = nullptr;
    entry->prevOccurrence = nullptr;
    if (!entry->isTranslatable() || entry->sourceText.isEmpty())
      continue;
    auto it = later.find(entry->sourceText);
    if (it != later.end()) {
      entry->nextOccurrence = it.value();
      it.value()->prevOccurrence = entry;
      it.value() = entry;
    } else {
      later.insert(entry->sourceText, entry);
    }
  }
}

namespace {

// The entries of a string table are all in the list's index, which links each to the
// next one with its identifier: a repeat within the block is the next link staying in
// it. No lookup of the block is built.
bool findIndexedRepeats(TextEntry *head, std::vector<TextEntry *> &fuzzy) {
  std::vector<bool> repeated;
  bool unmatchedDuplicate = false;
  for (TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
       entry = entry->next()) {
    const size_t offset = size_t(entry->index() - head->index());
    if (repeated.size() <= offset)
      repeated.resize(offset + 1, false);
    TextEntry *later = EntryList::nextIndexed(entry);
    if (later && later->sourceBlock == head->sourceBlock) {
      fuzzy.push_back(entry);
      repeated[offset] = true;
      const size_t laterOffset = size_t(later->index() - head->index());
      if (repeated.size() <= laterOffset)
        repeated.resize(laterOffset + 1, false);
      repeated[laterOffset] = true;
    }
    if (repeated[offset] && entry->matchState == NotFound)
      unmatchedDuplicate = true;
  }
  return unmatchedDuplicate;
}

} // namespace

bool settleBlock(TextEntry *head, AfterReadContext &context) {
  // Repeated identifiers, such as a shared static-text identifier, are fuzzy: every
  // entry with a later duplicate. The states are taken before any of them changes.
  std::vector<TextEntry *> fuzzy;
  bool unmatchedDuplicate = false;
  if (context.entries && head->entryClass() == TextEntry::Class::String &&
      context.entries->indexes(head)) {
    unmatchedDuplicate = findIndexedRepeats(head, fuzzy);
  } else {
    BlockLookup lookup;
    for (TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
         entry = entry->next()) {
      const std::vector<TextEntry *> &same = lookup.find(head, entry->kind, entry->identifier);
      if (same.size() < 2)
        continue;
      if (entry->matchState == NotFound)
        unmatchedDuplicate = true;
      if (entry != same.back())
        fuzzy.push_back(entry);
    }
  }
  for (TextEntry *entry : fuzzy)
    entry->setMatched(Fuzzy);
  if (head->orderChanged && !head->alternatives().isEmpty())
    askFuzzyItems(head, context);
  head->orderChanged = false;
  return unmatchedDuplicate;
}

void TextEntry::afterTargetRead(AfterReadContext &context) {
  targetBlock.reset();
  if (isHead())
    settleBlock(this, context);
}

void OtherEntry::afterTargetRead(AfterReadContext &) {
  // The target's own block is kept when it has as many lines as the source's; a
  // toolbar always follows the source, whose bitmap it describes.
  useSourceBlock = true;
  if (!targetBlock)
    return;
  if (kind == QLatin1String("TOOLBAR"))
    useSourceBlock = targetBlock->text() != sourceBlock->text();
  else
    useSourceBlock = targetBlock->text().count(u'\n') != sourceBlock->text().count(u'\n');
}

void afterTargetRead(Task *task, AfterReadContext &context) {
  EntryList &entries = *context.entries;
  linkOccurrences(entries);
  for (int i = 0; i < entries.size(); ++i) {
    TextEntry *entry = entries.at(i);
    if (entry->task == task)
      entry->afterTargetRead(context);
  }
}

} // namespace tarvelo

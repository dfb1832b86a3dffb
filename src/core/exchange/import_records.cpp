// Applying an imported record to the entries it names, with undo and inspection.
#include "exchange/import_records.h"

#include "script/entry_list.h"
#include "script/text_entry.h"
#include "workbench/undo_stack.h"

#include <algorithm>

namespace tarvelo {

QString trimmedSpaces(const QString &text) {
  qsizetype from = 0, to = text.size();
  while (from < to && text[from] == u' ')
    ++from;
  while (to > from && text[to - 1] == u' ')
    --to;
  return from == 0 && to == text.size() ? text : text.mid(from, to - from);
}

RecordApplier::RecordApplier(ImportTarget &target) : m_target(target) {
  for (const auto &owned : target.entries) {
    TextEntry *entry = owned.get();
    if (entry->prevOccurrence || !entry->isTranslatable())
      continue;
    const QString key = trimmedSpaces(entry->sourceText);
    if (!m_roots.contains(key))
      m_roots.insert(key, entry);
  }
}

std::vector<TextEntry *> RecordApplier::named(TextEntry *root, const QStringList &names) {
  auto places = m_places.find(root);
  if (places == m_places.end()) {
    places = m_places.insert(root, {});
    for (TextEntry *entry = root; entry; entry = entry->nextOccurrence) {
      places->insert(m_locations.of(entry), entry);
      // Other tools name an entry by its identifier alone.
      places->insert(entry->identifier, entry);
    }
  }
  std::vector<TextEntry *> found;
  for (const QString &name : names)
    for (auto it = places->constFind(name); it != places->constEnd() && it.key() == name; ++it)
      found.push_back(it.value());
  // In list order, each entry once.
  std::sort(found.begin(), found.end(),
            [](const TextEntry *a, const TextEntry *b) { return a->index() < b->index(); });
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

int RecordApplier::apply(const ImportRecord &record) {
  const auto found = m_roots.constFind(trimmedSpaces(record.source));
  if (found == m_roots.constEnd())
    return 0;
  const QString target = trimmedSpaces(record.target);
  // A context that names none of the chain's entries (another tool's, or a script that
  // changed since the export) leaves the source text alone to decide.
  std::vector<TextEntry *> chosen;
  if (!record.context.isEmpty())
    chosen = named(found.value(), locationsOf(record.context));
  if (chosen.empty())
    for (TextEntry *entry = found.value(); entry; entry = entry->nextOccurrence)
      chosen.push_back(entry);
  int reached = 0;
  bool changed = false;
  m_target.undo.open();
  for (TextEntry *entry : chosen) {
    if (record.sourceComment && !record.sourceComment->isEmpty() &&
        entry->sourceComment() != *record.sourceComment) {
      entry->setSourceComment(*record.sourceComment);
      noteChanged(entry);
      changed = true;
    }
    if (m_target.filter && !m_target.filter(*entry))
      continue;
    ++reached;
    if (applyTo(entry, record, target)) {
      noteChanged(entry);
      changed = true;
    }
  }
  m_target.undo.close();
  m_applied += changed ? 1 : 0;
  return reached;
}

bool RecordApplier::applyTo(TextEntry *entry, const ImportRecord &record, const QString &target) {
  // The spaces around the entry's own source go around the translation.
  const QString &source = entry->sourceText;
  qsizetype lead = 0, trail = 0;
  while (lead < source.size() && source[lead] == u' ')
    ++lead;
  while (trail < source.size() - lead && source[source.size() - 1 - trail] == u' ')
    ++trail;
  const QString text = source.left(lead) + target + source.right(trail);
  bool changed = false;
  if (entry->targetText != text) {
    m_target.undo.record(entry, entry->targetText);
    entry->targetText = text;
    entry->matchState = record.marks && record.marks->fuzzy ? Fuzzy : Filled;
    if (record.marks)
      entry->verified = record.marks->verified;
    if (m_target.inspect)
      m_target.inspect(entry);
    changed = true;
  }
  if (record.targetComment && !record.targetComment->isEmpty() &&
      entry->targetComment() != *record.targetComment) {
    entry->setTargetComment(*record.targetComment);
    changed = true;
  }
  return changed;
}

void RecordApplier::noteChanged(TextEntry *entry) {
  if (m_seen.contains(entry))
    return;
  m_seen.insert(entry, true);
  m_changed.append(entry);
}

} // namespace tarvelo

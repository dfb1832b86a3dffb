// The distinct pairs an export writes and the locations that tell their entries apart.
#include "exchange/exchange_pairs.h"

#include "script/entry_list.h"
#include "script/text_entry.h"

#include <QSet>

namespace tarvelo {

namespace {

QString place(const TextEntry *entry) {
  const TextEntry *head = entry->head();
  if (!head || head == entry || entry->entryClass() == TextEntry::Class::String)
    return entry->kind + u' ' + entry->identifier;
  return head->kind + u' ' + head->identifier + u'/' + entry->identifier;
}

const TextEntry *rootOf(const TextEntry *entry) {
  while (entry->prevOccurrence)
    entry = entry->prevOccurrence;
  return entry;
}

const QString kSeparator = QStringLiteral(", ");

} // namespace

QString EntryLocations::of(const TextEntry *entry) {
  const auto known = m_known.constFind(entry);
  if (known != m_known.constEnd())
    return known.value();
  // The whole chain is named at once, so that each place is numbered the same way for
  // the export and for the import.
  QHash<QString, int> seen;
  for (const TextEntry *e = rootOf(entry); e; e = e->nextOccurrence) {
    const QString at = place(e);
    const int count = ++seen[at];
    m_known.insert(e, count == 1 ? at : at + u'#' + QString::number(count));
  }
  return m_known.value(entry, place(entry));
}

QStringList locationsOf(const QString &context) {
  return context.isEmpty() ? QStringList() : context.split(kSeparator);
}

QString contextOf(const QStringList &locations) {
  return locations.join(kSeparator);
}

std::vector<ExportPair> distinctPairs(const EntryList &entries, const EntryTest &passes) {
  // The entries of each (source, target) pair, in list order, and the sources that
  // have more than one target.
  struct Group {
    std::vector<TextEntry *> members;
  };
  std::vector<Group> groups;
  QHash<QString, QHash<QString, size_t>> bySource;
  QSet<QString> several;
  for (const auto &owned : entries) {
    TextEntry *entry = owned.get();
    if (!entry->isTranslatable() || entry->sourceText.isEmpty())
      continue;
    QHash<QString, size_t> &targets = bySource[entry->sourceText];
    const auto found = targets.constFind(entry->targetText);
    if (found != targets.constEnd()) {
      groups[found.value()].members.push_back(entry);
      continue;
    }
    targets.insert(entry->targetText, groups.size());
    if (targets.size() == 2)
      several.insert(entry->sourceText);
    groups.push_back({{entry}});
  }
  std::vector<ExportPair> pairs;
  pairs.reserve(groups.size());
  EntryLocations locations;
  for (const Group &group : groups) {
    TextEntry *entry = group.members.front();
    if (passes && !passes(*entry))
      continue;
    ExportPair pair{entry, {}};
    if (several.contains(entry->sourceText))
      for (const TextEntry *member : group.members)
        pair.locations.append(locations.of(member));
    pairs.push_back(std::move(pair));
  }
  return pairs;
}

} // namespace tarvelo

// The records an import reads and how they are applied to the entries.
#pragma once

#include "exchange/exchange_pairs.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;
class UndoStack;

// What an import changes: the entries, their undo, the inspection of a changed entry,
// and the filter when only filtered items are to change ("ImportWhat" 1).
struct ImportTarget {
  EntryList &entries;
  UndoStack &undo;
  std::function<void(TextEntry *)> inspect;
  EntryTest filter;
};

// What a file says of a translation besides its text (XLIFF's state): whether it awaits
// review, and whether it was signed off.
struct RecordMarks {
  bool fuzzy = false;
  bool verified = false;
  bool operator==(const RecordMarks &) const = default;
};

// One record of an imported file. Absent comments leave the entries' comments alone;
// a context names the locations of the entries it is for (see EntryLocations). Without
// marks a changed entry becomes "filled" and keeps its verification.
struct ImportRecord {
  QString source;
  QString target;
  std::optional<QString> sourceComment;
  std::optional<QString> targetComment;
  QString context;
  std::optional<RecordMarks> marks;
};

// Applies records to the entries whose source text, trimmed of spaces, is the record's
// (those of them its context names, when it names any): each record one undo step. An
// entry that already holds the record's text and comments is left as it is, marks
// included.
class RecordApplier {
public:
  explicit RecordApplier(ImportTarget &target);

  // The number of entries the record reached, changed or not.
  int apply(const ImportRecord &record);
  // Every entry changed so far, once, in the order first changed.
  const QList<TextEntry *> &changed() const { return m_changed; }
  // The records that changed an entry so far.
  int appliedRecords() const { return m_applied; }

private:
  // Gives one entry the record's text, marks and comments; true when anything changed.
  bool applyTo(TextEntry *entry, const ImportRecord &record, const QString &target);
  void noteChanged(TextEntry *entry);

  // The entries of a chain that a context names, by their locations or identifiers.
  std::vector<TextEntry *> named(TextEntry *root, const QStringList &names);

  ImportTarget &m_target;
  // The first translatable root of an occurrence chain for each trimmed source text.
  QHash<QString, TextEntry *> m_roots;
  QHash<TextEntry *, bool> m_seen;
  QList<TextEntry *> m_changed;
  int m_applied = 0;
  EntryLocations m_locations;
  // Per chain, the entries by location and by identifier, made when a context asks.
  QHash<TextEntry *, QMultiHash<QString, TextEntry *>> m_places;
};

// The text without the spaces (U+0020) around it.
QString trimmedSpaces(const QString &text);

} // namespace tarvelo

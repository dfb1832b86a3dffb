// The checks that need more than one entry or the settings: access keys used twice in
// one menu, maximum lengths per identifier, and translations left as their source.
#pragma once

#include "findings/check_levels.h"
#include "findings/length_limits.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tarvelo {

class EntryList;
class Inspector;
class Settings;
class TextEntry;

// One finding of these checks on one item.
struct ItemFinding {
  QString rule; // "same-access-key", "length-limit" or "same-as-source"
  FindingLevel level = FindingLevel::Warning;
  QString message;
};

// Runs the checks over an entry list and keeps each entry's findings until the list is
// checked again. Entries are compared by address: clear() before the list is emptied.
class ItemChecks {
public:
  // The levels, "SameAsSource" and the limits file "LimitsFile" of the settings. False
  // with the reason when the limits file cannot be used; the other checks run anyway.
  bool load(const Settings &settings, QString *error);
  // The same as load() but for the parts the command line gives itself.
  void setLevels(const Settings &settings);
  void setLimits(LengthLimits limits) { m_limits = std::move(limits); }
  void setSameAsSource(bool on) { m_sameAsSourceWanted = on; }

  void clear() { m_findings.clear(); }
  // Every entry, and every menu once.
  void checkAll(const EntryList &entries);
  // The changed entries and the menus they stand in; returns the entries whose
  // findings changed besides the changed ones (the other items of a menu).
  QList<TextEntry *> checkAgain(const EntryList &entries, const QList<TextEntry *> &changed);

  // Whether the rule runs at all: on, with limits to keep, or asked for.
  bool runs(const QString &rule) const;
  const QList<ItemFinding> &findings(const TextEntry *entry) const;
  bool fails(const TextEntry *entry) const { return m_findings.contains(entry); }
  // One line per finding.
  QString explain(const TextEntry *entry) const;

private:
  QList<ItemFinding> textFindings(const TextEntry &entry) const;
  void checkMenu(const EntryList &entries, const TextEntry *head,
                 QHash<const TextEntry *, QList<ItemFinding>> &found) const;

  CheckSetting m_menuKeys = FindingLevel::Warning;
  CheckSetting m_length = FindingLevel::Warning;
  CheckSetting m_sameAsSource = FindingLevel::Note;
  bool m_sameAsSourceWanted = false;
  LengthLimits m_limits;
  QHash<const TextEntry *, QList<ItemFinding>> m_findings;
};

// The explanation of a failing item: the inspection's, then the checks' findings.
QString explainItem(const Inspector &inspector, const ItemChecks *checks, const TextEntry &entry);

} // namespace tarvelo

// Items of one menu that share an access key.
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;

// The access key of a menu caption: the letter after the first single "&" of its
// label, upper-cased as Windows compares keys; a null QChar when it has none.
QChar menuAccessKey(const QString &caption);

// An item whose key other items of the same level (the menu bar, or one popup) have too.
struct KeyClash {
  TextEntry *entry = nullptr;
  QChar key;
  QList<const TextEntry *> others;
};

// The clashes of a MENU resource in its target texts: items are compared
// only with their siblings, so a key used in a popup and in its parent is no clash.
std::vector<KeyClash> menuKeyClashes(const EntryList &entries, const TextEntry *head);

} // namespace tarvelo

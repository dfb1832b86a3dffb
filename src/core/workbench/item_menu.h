// What the item list's context menu offers for an entry.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelo {

class TextEntry;

// A translation the memory offers, with how alike its source is to the entry's (100 for
// the same text).
struct MemoryMatch {
  QString text;
  int score = 100;
};

// A text offered in a submenu: its label for display and the text itself.
struct MenuText {
  QString label;
  QString text;
};

// The label of a text in a menu: "&" doubled, and a text longer than 35 characters
// cut to its first 30 followed by "...".
QString menuLabel(const QString &text);

// What the item list's context menu offers for an entry.
struct ItemMenu {
  bool verified = false;
  bool addToMemory = false;    // shown: AddPair bound, both texts present
  bool translate = false;      // enabled: machine translation available
  QList<MenuText> fuzzy;       // "Paste Fuzzy"
  QList<MenuText> occurrences; // "Paste Another Occurence"
  QList<MenuText> memory;      // "Paste Translation Memory"
};

// The context menu of an entry; addPairBound tells whether the memory stores single
// pairs, memoryTexts are the memory's translations of its source text. A text is offered at most
// once over the three submenus, and never the entry's own translation.
ItemMenu itemMenu(const TextEntry &entry, bool addPairBound, bool machineTranslation,
                  const QStringList &memoryTexts);
// The same with the memory's translations labelled by their score ("87% Text").
ItemMenu itemMenu(const TextEntry &entry, bool addPairBound, bool machineTranslation,
                  const QList<MemoryMatch> &memoryMatches);

} // namespace tarvelo

#pragma once

#include <QString>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;

// One item of a menu resource as its preview shows it: a popup holds its items.
struct MenuNode {
  TextEntry *entry = nullptr; // the item's text entry
  bool popup = false;
  std::vector<MenuNode> children;
};

// The items of a MENU resource, nested as the POPUP and END structure of its
// source block says, each with the entry made from it (separators are left out).
std::vector<MenuNode> menuStructure(const EntryList &entries, const TextEntry *head);

// A caption as the preview shows it: "\t" as two blanks and a tab, an empty
// caption as three blanks, a popup's caption on a vertical bar followed by two blanks.
QString menuCaption(const QString &text, bool popupOnVerticalBar);

} // namespace tarvelo

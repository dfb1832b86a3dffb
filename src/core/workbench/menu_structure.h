// A MENU resource's items as its preview shows them.
#pragma once

#include <QString>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;

// One item of a menu resource as its preview shows it: a popup holds its items.
struct MenuNode {
  TextEntry *entry = nullptr; // the item's text entry; null for a separator
  bool popup = false;
  bool separator = false;
  bool checked = false; // CHECKED
  bool grayed = false;  // GRAYED, INACTIVE
  std::vector<MenuNode> children;
};

// The items of a MENU resource, nested as the POPUP and END structure of its
// source block says, each with the entry made from it, its separators and the options
// the preview draws.
std::vector<MenuNode> menuStructure(const EntryList &entries, const TextEntry *head);

// A caption as the preview shows it: "\t" as two blanks and a tab, an empty
// caption as three blanks, a popup's caption on a vertical bar followed by two blanks.
QString menuCaption(const QString &text, bool popupOnVerticalBar);

// A caption as a menu draws it: its label, in which "&" marks the letter underlined and
// "&&" stands for "&", and the part after "\t" (the keys) drawn at the right.
struct MenuItemLabel {
  QString label;
  QString keys;
};
MenuItemLabel menuItemLabel(const QString &text);

} // namespace tarvelo

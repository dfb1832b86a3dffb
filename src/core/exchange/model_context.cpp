// Gathering an item's context for a language model from the entries around it.
#include "exchange/model_context.h"

#include "script/text_entry.h"

namespace tarvelo {

namespace {

// The entries of the item's resource after its head, in order.
template <typename Visit> void forEachInBlock(const TextEntry &entry, Visit visit) {
  const TextEntry *head = entry.head();
  if (!head)
    return;
  for (const TextEntry *other = head->next(); other && other->sourceBlock == head->sourceBlock;
       other = other->next())
    visit(other);
}

// A script's string literal from quote at i; i ends past it.
void skipString(const QString &text, qsizetype &i) {
  for (++i; i < text.size(); ++i)
    if (text[i] == u'"') {
      if (i + 1 < text.size() && text[i + 1] == u'"')
        ++i;
      else
        break;
    }
  ++i;
}

// The menu's texts in order, each with its depth and whether it opens a popup.
struct MenuText {
  int depth;
  bool popup;
};

std::vector<MenuText> menuTexts(const QString &block) {
  std::vector<MenuText> texts;
  int depth = 0;
  bool popupWord = false, itemWord = false;
  for (qsizetype i = 0; i < block.size();) {
    const QChar c = block[i];
    if (c == u'/' && i + 1 < block.size() && block[i + 1] == u'/') {
      while (i < block.size() && block[i] != u'\n')
        ++i;
    } else if (c == u'"') {
      skipString(block, i);
      if (popupWord || itemWord)
        texts.push_back({depth, popupWord});
      popupWord = itemWord = false;
    } else if (c.isLetter() || c == u'_') {
      const qsizetype start = i;
      while (i < block.size() && (block[i].isLetterOrNumber() || block[i] == u'_'))
        ++i;
      const QStringView word = QStringView(block).mid(start, i - start);
      if (word == u"BEGIN")
        ++depth;
      else if (word == u"END")
        --depth;
      popupWord = word == u"POPUP";
      itemWord = word == u"MENUITEM";
    } else {
      if (c == u'{')
        ++depth;
      else if (c == u'}')
        --depth;
      ++i;
    }
  }
  return texts;
}

} // namespace

QStringList menuPathOf(const TextEntry &entry) {
  const TextEntry *head = entry.head();
  if (!head || !head->sourceBlock || &entry == head)
    return {};
  std::vector<const TextEntry *> items;
  forEachInBlock(entry, [&](const TextEntry *other) { items.push_back(other); });
  const std::vector<MenuText> texts = menuTexts(head->sourceBlock->text());
  // The reader made one entry per text: a block that says otherwise is not guessed at.
  if (texts.size() != items.size())
    return {};
  std::vector<std::pair<int, const TextEntry *>> open; // popups around, by depth
  for (size_t i = 0; i < items.size(); ++i) {
    while (!open.empty() && open.back().first >= texts[i].depth)
      open.pop_back();
    if (items[i] == &entry) {
      QStringList path;
      for (const auto &popup : open)
        path.append(popup.second->sourceText);
      return path;
    }
    if (texts[i].popup)
      open.emplace_back(texts[i].depth, items[i]);
  }
  return {};
}

ModelItem modelItemFor(const TextEntry &entry) {
  ModelItem item;
  item.text = entry.sourceText;
  item.kind = entry.kind;
  item.identifier = entry.identifier;
  item.comment = entry.sourceComment().trimmed();
  switch (entry.entryClass()) {
  case TextEntry::Class::Control:
    if (const TextEntry *head = entry.head())
      item.caption = head->sourceText;
    forEachInBlock(entry, [&](const TextEntry *other) {
      // A large dialog would crowd out the items themselves.
      if (other != &entry && !other->sourceText.isEmpty() && item.others.size() < 30)
        item.others.append(other->sourceText);
    });
    break;
  case TextEntry::Class::Menu:
    item.menuPath = menuPathOf(entry);
    break;
  default:
    break;
  }
  return item;
}

} // namespace tarvelo

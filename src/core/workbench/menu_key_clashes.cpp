// Finding access keys used twice among the items of one menu level.
#include "workbench/menu_key_clashes.h"

#include "script/text_entry.h"
#include "workbench/menu_structure.h"

namespace tarvelo {

namespace {

void collect(const std::vector<MenuNode> &level, std::vector<KeyClash> &clashes) {
  std::vector<std::pair<QChar, TextEntry *>> keyed;
  for (const MenuNode &node : level) {
    if (node.popup)
      collect(node.children, clashes);
    if (!node.entry)
      continue;
    const QChar key = menuAccessKey(node.entry->targetText);
    if (!key.isNull())
      keyed.emplace_back(key, node.entry);
  }
  for (const auto &[key, entry] : keyed) {
    KeyClash clash{entry, key, {}};
    for (const auto &[otherKey, other] : keyed)
      if (other != entry && otherKey == key)
        clash.others.append(other);
    if (!clash.others.isEmpty())
      clashes.push_back(std::move(clash));
  }
}

} // namespace

QChar menuAccessKey(const QString &caption) {
  const QString label = menuItemLabel(caption).label;
  for (qsizetype i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != u'&')
      continue;
    if (label[i + 1] == u'&') {
      ++i; // "&&" shows one ampersand
      continue;
    }
    return label[i + 1].toUpper();
  }
  return QChar();
}

std::vector<KeyClash> menuKeyClashes(const EntryList &entries, const TextEntry *head) {
  std::vector<KeyClash> clashes;
  collect(menuStructure(entries, head), clashes);
  return clashes;
}

} // namespace tarvelo

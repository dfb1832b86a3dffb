// The label of a text in the item list's context menu.
#include "workbench/item_menu.h"

#include "script/text_entry.h"
#include "script/verification.h"

#include <QSet>

namespace tarvelo {

QString menuLabel(const QString &text) {
  QString label = text.size() > 35 ? text.left(30) + QStringLiteral("...") : text;
  return label.replace(u'&', QStringLiteral("&&"));
}

namespace {

ItemMenu buildItemMenu(const TextEntry &entry, bool addPairBound, bool machineTranslation,
                       const QList<MemoryMatch> &memoryMatches, bool scored) {
  ItemMenu menu;
  menu.verified = isVerified(&entry);
  menu.addToMemory = addPairBound && !entry.sourceText.isEmpty() && !entry.targetText.isEmpty();
  menu.translate = machineTranslation;
  QSet<QString> listed{entry.targetText};
  const auto offer = [&](QList<MenuText> &list, const QString &text, int score = -1) {
    if (text.isEmpty() || listed.contains(text))
      return;
    listed.insert(text);
    const QString label = menuLabel(text);
    list.append({score < 0 ? label : QStringLiteral("%1% ").arg(score) + label, text});
  };
  const TextEntry *head = entry.head();
  if ((entry.matchState == Fuzzy || entry.matchState == FoundEmpty) && head)
    for (const auto &alternative : head->alternatives())
      if (alternative.first == entry.identifier)
        offer(menu.fuzzy, alternative.second);
  if (entry.prevOccurrence || entry.nextOccurrence) {
    const TextEntry *root = &entry;
    while (root->prevOccurrence)
      root = root->prevOccurrence;
    for (const TextEntry *e = root; e; e = e->nextOccurrence)
      offer(menu.occurrences, e->targetText);
  }
  for (const MemoryMatch &match : memoryMatches)
    offer(menu.memory, match.text, scored ? match.score : -1);
  return menu;
}

} // namespace

ItemMenu itemMenu(const TextEntry &entry, bool addPairBound, bool machineTranslation,
                  const QStringList &memoryTexts) {
  QList<MemoryMatch> matches;
  for (const QString &text : memoryTexts)
    matches.append({text, 100});
  return buildItemMenu(entry, addPairBound, machineTranslation, matches, false);
}

ItemMenu itemMenu(const TextEntry &entry, bool addPairBound, bool machineTranslation,
                  const QList<MemoryMatch> &memoryMatches) {
  return buildItemMenu(entry, addPairBound, machineTranslation, memoryMatches, true);
}

} // namespace tarvelo

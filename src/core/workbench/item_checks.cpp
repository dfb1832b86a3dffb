// Running the menu, length and same-as-source checks over the entries.
#include "workbench/item_checks.h"

#include "findings/same_as_source.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "seam/settings.h"
#include "workbench/inspector.h"
#include "workbench/menu_key_clashes.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace tarvelo {

namespace {

bool isMenuItem(const TextEntry &entry) {
  return entry.entryClass() == TextEntry::Class::Menu && !entry.isHead() && entry.head();
}

bool checked(const TextEntry &entry) {
  return entry.isTranslatable() && !entry.targetText.isEmpty();
}

} // namespace

void ItemChecks::setLevels(const Settings &settings) {
  m_menuKeys = checkSetting(settings, QStringLiteral("same-access-key"));
  m_length = checkSetting(settings, QStringLiteral("length-limit"));
  m_sameAsSource = checkSetting(settings, QStringLiteral("same-as-source"));
}

bool ItemChecks::runs(const QString &rule) const {
  if (rule == QLatin1String("same-access-key"))
    return m_menuKeys.has_value();
  if (rule == QLatin1String("length-limit"))
    return m_length.has_value() && !m_limits.isEmpty();
  if (rule == QLatin1String("same-as-source"))
    return m_sameAsSource.has_value() && m_sameAsSourceWanted;
  return false;
}

bool ItemChecks::load(const Settings &settings, QString *error) {
  setLevels(settings);
  m_sameAsSourceWanted = settings.integer(QStringLiteral("SameAsSource")) != 0;
  m_limits = LengthLimits();
  const QString path = settings.text(QStringLiteral("LimitsFile"));
  if (path.isEmpty())
    return true;
  LengthLimits limits;
  if (!limits.load(path, error))
    return false;
  m_limits = std::move(limits);
  return true;
}

QList<ItemFinding> ItemChecks::textFindings(const TextEntry &entry) const {
  QList<ItemFinding> found;
  if (!checked(entry))
    return found;
  if (m_length && !m_limits.isEmpty()) {
    const LengthLimit *limit = m_limits.match(entry.kind, entry.identifier);
    const int length = limit ? shownLength(entry.targetText) : 0;
    if (limit && length > limit->maximum)
      found.append({QStringLiteral("length-limit"), *m_length,
                    QCoreApplication::translate(
                        "tarvelo::ItemChecks",
                        "The translation has %1 characters; at most %2 are allowed for %3 "
                        "(limits file line %4).")
                        .arg(length)
                        .arg(limit->maximum)
                        .arg(entry.identifier)
                        .arg(limit->line)});
  }
  const bool languagesApart =
      !entry.task || languagesDiffer(entry.task->sourceLanguage, entry.task->targetLanguage);
  if (m_sameAsSource && m_sameAsSourceWanted && languagesApart &&
      suspectSameAsSource(entry.sourceText, entry.targetText))
    found.append({QStringLiteral("same-as-source"), *m_sameAsSource,
                  QCoreApplication::translate("tarvelo::ItemChecks",
                                              "The translation is the same as the source.")});
  return found;
}

void ItemChecks::checkMenu(const EntryList &entries, const TextEntry *head,
                           QHash<const TextEntry *, QList<ItemFinding>> &found) const {
  if (!m_menuKeys)
    return;
  for (const KeyClash &clash : menuKeyClashes(entries, head)) {
    QStringList names;
    for (const TextEntry *other : clash.others)
      names.append(QStringLiteral("\u201C%1\u201D").arg(other->targetText));
    found[clash.entry].append(
        {QStringLiteral("same-access-key"), *m_menuKeys,
         QCoreApplication::translate("tarvelo::ItemChecks",
                                     "The access key '%1' is also used by %2 in this menu.")
             .arg(clash.key)
             .arg(names.join(QCoreApplication::translate("tarvelo::ItemChecks", " and ")))});
  }
}

void ItemChecks::checkAll(const EntryList &entries) {
  m_findings.clear();
  for (const auto &entry : entries) {
    // A menu's head comes before its items: their clashes are there already.
    const QList<ItemFinding> found = textFindings(*entry);
    if (!found.isEmpty())
      m_findings[entry.get()] += found;
    if (entry->entryClass() == TextEntry::Class::Menu && entry->isHead())
      checkMenu(entries, entry.get(), m_findings);
  }
}

QList<TextEntry *> ItemChecks::checkAgain(const EntryList &entries,
                                          const QList<TextEntry *> &changed) {
  QSet<const TextEntry *> menus;
  QList<TextEntry *> others;
  for (TextEntry *entry : changed) {
    m_findings.remove(entry);
    if (isMenuItem(*entry))
      menus.insert(entry->head());
    const QList<ItemFinding> found = textFindings(*entry);
    if (!found.isEmpty())
      m_findings.insert(entry, found);
  }
  for (const TextEntry *head : menus) {
    // The menu's items lose their clash findings and gain them anew.
    QHash<const TextEntry *, QList<ItemFinding>> clashes;
    checkMenu(entries, head, clashes);
    entries.forEachInBlock(head, [&](TextEntry *item) {
      // In the order checkAll() gives them: the clash, then the item's own.
      QList<ItemFinding> kept = clashes.value(item);
      kept += textFindings(*item);
      const QList<ItemFinding> before = m_findings.value(item);
      if (kept.isEmpty())
        m_findings.remove(item);
      else
        m_findings.insert(item, kept);
      const bool same = before.size() == kept.size() &&
                        std::equal(before.begin(), before.end(), kept.begin(),
                                   [](const ItemFinding &a, const ItemFinding &b) {
                                     return a.rule == b.rule && a.message == b.message;
                                   });
      if (!same && !changed.contains(item))
        others.append(item);
      return true;
    });
  }
  return others;
}

const QList<ItemFinding> &ItemChecks::findings(const TextEntry *entry) const {
  static const QList<ItemFinding> none;
  const auto it = m_findings.find(entry);
  return it == m_findings.end() ? none : it.value();
}

QString ItemChecks::explain(const TextEntry *entry) const {
  QStringList lines;
  for (const ItemFinding &finding : findings(entry))
    lines.append(finding.message);
  return lines.join(u'\n');
}

QString explainItem(const Inspector &inspector, const ItemChecks *checks, const TextEntry &entry) {
  const Inspector::Explanation inspected = inspector.explain(entry);
  QStringList parts;
  if (!inspected.passed)
    parts.append(inspected.text);
  const QString found = checks ? checks->explain(&entry) : QString();
  if (!found.isEmpty())
    parts.append(found);
  return parts.join(u'\n');
}

} // namespace tarvelo

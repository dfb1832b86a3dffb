#include "script/verification.h"

#include "script/entry_list.h"

#include <QCoreApplication>
#include <QSet>

namespace tarvelo {

namespace {

template <typename F> void forEachTwin(const TextEntry *entry, F &&f) {
  for (TextEntry *e = entry->prevOccurrence; e; e = e->prevOccurrence)
    if (e->targetText == entry->targetText)
      f(e);
  for (TextEntry *e = entry->nextOccurrence; e; e = e->nextOccurrence)
    if (e->targetText == entry->targetText)
      f(e);
}

} // namespace

bool hasEarlierTwin(const TextEntry *entry) {
  for (const TextEntry *e = entry->prevOccurrence; e; e = e->prevOccurrence)
    if (e->targetText == entry->targetText)
      return true;
  return false;
}

bool isVerified(const TextEntry *entry) {
  if (entry->verified)
    return true;
  bool found = false;
  forEachTwin(entry, [&](TextEntry *twin) { found = found || twin->verified; });
  return found;
}

void setVerified(TextEntry *entry, bool value) {
  entry->verified = value;
  forEachTwin(entry, [&](TextEntry *twin) { twin->verified = value; });
}

QString verificationSummary(const EntryList &entries) {
  int total = 0, verified = 0, matched = 0, fuzzy = 0, notFound = 0, modified = 0, filled = 0;
  // An entry whose source and target texts an earlier entry had is counted there.
  QSet<std::pair<QString, QString>> seen;
  for (const auto &owned : entries) {
    const TextEntry *entry = owned.get();
    if (!entry->isTranslatable() || (entry->sourceText.isEmpty() && entry->targetText.isEmpty()))
      continue;
    if (!entry->sourceText.isEmpty() && entry->prevOccurrence) {
      if (seen.contains({entry->sourceText, entry->targetText}))
        continue;
    }
    if (!entry->sourceText.isEmpty() && (entry->prevOccurrence || entry->nextOccurrence))
      seen.insert({entry->sourceText, entry->targetText});
    ++total;
    if (isVerified(entry))
      ++verified;
    switch (entry->matchState) {
    case Matched:
      ++matched;
      break;
    case Fuzzy:
      ++fuzzy;
      break;
    case SourceModified:
      ++modified;
      break;
    case Filled:
      ++filled;
      break;
    default:
      ++notFound;
      break;
    }
  }
  if (total == 0)
    return {};
  // In the language of the user interface; the command line installs no translation.
  return QCoreApplication::translate(
             "tarvelo::Verification",
             "%1 of %2 items verified (%3 matched, %4 fuzzy, %5 not found, %6 source modified, "
             "%7 filled)")
      .arg(verified)
      .arg(total)
      .arg(matched)
      .arg(fuzzy)
      .arg(notFound)
      .arg(modified)
      .arg(filled);
}

} // namespace tarvelo

// The verification summary over the entries of the open tasks.
#include "script/verification.h"

#include "script/entry_list.h"

#include <QCoreApplication>
#include <QHash>
#include <vector>

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

namespace {

// One occurrence chain (the entries of one source text, in list order): each distinct
// translation counts once, with the state of its first entry, verified when any
// entry with that translation is.
void countChain(const TextEntry *first, VerificationCounts &counts) {
  struct Group {
    const QString *target;
    int matchState;
    bool verified;
  };
  // Chains hold few distinct translations; a hash takes over when one holds many.
  constexpr size_t kScanned = 16;
  std::vector<Group> groups;
  QHash<QStringView, size_t> byTarget;
  for (const TextEntry *entry = first; entry; entry = entry->nextOccurrence) {
    const QString &target = entry->targetText;
    size_t at = groups.size();
    if (groups.size() <= kScanned) {
      for (size_t i = 0; i < groups.size(); ++i)
        if (*groups[i].target == target) {
          at = i;
          break;
        }
    } else {
      at = byTarget.value(target, groups.size());
    }
    if (at == groups.size()) {
      groups.push_back({&target, entry->matchState, entry->verified});
      if (groups.size() > kScanned) {
        if (byTarget.isEmpty())
          for (size_t i = 0; i < groups.size(); ++i)
            byTarget.insert(*groups[i].target, i);
        else
          byTarget.insert(target, at);
      }
    } else {
      groups[at].verified = groups[at].verified || entry->verified;
    }
  }
  for (const Group &group : groups)
    counts.count(group.matchState, group.verified);
}

} // namespace

void VerificationCounts::count(int matchState, bool isVerified) {
  ++total;
  if (isVerified)
    ++verified;
  switch (matchState) {
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

VerificationCounts verificationCounts(const EntryList &entries) {
  VerificationCounts counts;
  // An entry whose source and target texts an earlier entry had is counted there.
  for (const auto &owned : entries) {
    const TextEntry *entry = owned.get();
    if (!entry->isTranslatable() || (entry->sourceText.isEmpty() && entry->targetText.isEmpty()))
      continue;
    if (entry->sourceText.isEmpty() || (!entry->prevOccurrence && !entry->nextOccurrence))
      counts.count(entry->matchState, entry->verified);
    else if (!entry->prevOccurrence)
      countChain(entry, counts);
  }
  return counts;
}

QString verificationSummary(const EntryList &entries) {
  const auto &[total, verified, matched, fuzzy, notFound, modified, filled] =
      verificationCounts(entries);
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

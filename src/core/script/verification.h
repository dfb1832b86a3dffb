// The verification summary over the entries of the open tasks.
#pragma once

#include <QString>

namespace tarvelo {

class EntryList;
class TextEntry;

// How many items the summary counts, and how each was matched.
struct VerificationCounts {
  int total = 0, verified = 0, matched = 0, fuzzy = 0, notFound = 0, modified = 0, filled = 0;
  void count(int matchState, bool isVerified);
};
VerificationCounts verificationCounts(const EntryList &entries);

// "%u of %u items verified (...)" over the texts of the list, an entry counted only
// when no earlier occurrence of its source text has the same target text; empty
// when there is nothing to count.
QString verificationSummary(const EntryList &entries);

// Whether the entry, or an occurrence of it with the same target text, is verified.
bool isVerified(const TextEntry *entry);
// Marks the entry and every occurrence with the same target text.
void setVerified(TextEntry *entry, bool value);

// Whether an earlier occurrence has the same target text, so that the entry is
// counted and listed through that one.
bool hasEarlierTwin(const TextEntry *entry);

} // namespace tarvelo

// The verification summary over the entries of the open tasks.
#pragma once

#include <QString>

namespace tarvelo {

class EntryList;
class TextEntry;

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

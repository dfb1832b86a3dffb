// The occurrence chains a machine-translation run translates, and how one is filled.
#pragma once

#include "exchange/exchange_pairs.h"
#include "script/text_entry.h"

#include <QList>
#include <functional>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;
class UndoStack;

// An occurrence chain: its first entry, whose source is sent, and the entries to fill.
struct TranslationChain {
  TextEntry *root;
  std::vector<TextEntry *> selected;
};

bool machineTranslatable(const TextEntry &entry);

// Every chain holding a translatable entry that passes the test (all without one);
// count receives the number of entries to fill.
std::vector<TranslationChain> chainsToTranslate(EntryList &entries, const EntryTest &selected,
                                                int *count);

// Fills a chain's entries with a translation as one undo group, in the given state
// ("filled" for a service's translation, "fuzzy" for a model's draft to review), each
// inspected again and listed in changed.
void fillChain(const TranslationChain &chain, const QString &translation, UndoStack &undo,
               const std::function<void(TextEntry *)> &inspect, QList<TextEntry *> &changed,
               MatchState state = Filled);

} // namespace tarvelo

// Finding the occurrence chains to machine-translate, and filling one as an undo group.
#include "exchange/translation_chains.h"

#include "script/entry_list.h"
#include "workbench/undo_stack.h"

namespace tarvelo {

bool machineTranslatable(const TextEntry &entry) {
  return entry.isTranslatable() && !entry.sourceText.isEmpty();
}

std::vector<TranslationChain> chainsToTranslate(EntryList &entries, const EntryTest &selected,
                                                int *count) {
  std::vector<TranslationChain> chains;
  *count = 0;
  for (const auto &owned : entries) {
    TextEntry *root = owned.get();
    if (root->prevOccurrence || !machineTranslatable(*root))
      continue;
    TranslationChain chain{root, {}};
    for (TextEntry *entry = root; entry; entry = entry->nextOccurrence)
      if (machineTranslatable(*entry) && (!selected || selected(*entry)))
        chain.selected.push_back(entry);
    if (chain.selected.empty())
      continue;
    *count += int(chain.selected.size());
    chains.push_back(std::move(chain));
  }
  return chains;
}

void fillChain(const TranslationChain &chain, const QString &translation, UndoStack &undo,
               const std::function<void(TextEntry *)> &inspect, QList<TextEntry *> &changed,
               MatchState state) {
  undo.open();
  for (TextEntry *entry : chain.selected) {
    undo.record(entry, entry->targetText);
    entry->targetText = translation;
    entry->matchState = state;
    if (inspect)
      inspect(entry);
    changed.append(entry);
  }
  undo.close();
}

} // namespace tarvelo

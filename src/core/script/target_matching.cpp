// Placing a target's texts into the source's entries.
#include "script/entry_collector.h"

namespace tarvelo {

namespace {

void attachBlock(TextEntry *entry, const RawBlockPtr &block) {
  if (block && !block->firstEntry) {
    block->firstEntry = entry;
    entry->targetBlock = block;
  }
}

} // namespace

// Places a text found in the target into the source entry with the same kind and
// identifier, using the order of entries inside a block for repeated identifiers.
void EntryCollector::matchTargetText(const RawBlockPtr &block, const QString &kind,
                                     const QString &identifier, const QString &text) {
  if (identifier.isEmpty() || !m_context.entries)
    return;
  if (!m_cursor || kind == QLatin1String("STRINGTABLE")) {
    m_cursor = matchFirst(block, kind, identifier, text);
    return;
  }

  TextEntry *head = m_cursor->head();
  if (!head) {
    m_cursor = nullptr;
    return;
  }
  TextEntry *following = m_cursor->next();
  TextEntry *free = nullptr;
  const std::vector<TextEntry *> &same = m_blockLookup.find(head, kind, identifier);
  for (TextEntry *entry : same) {
    if (entry->matchState == NotFound) {
      free = entry;
      break;
    }
    if (entry->matchState == Matched && !entry->sourceText.isEmpty() &&
        !entry->targetText.isEmpty())
      head->addAlternative(identifier, entry->targetText);
  }

  if (!free) {
    // Never lost: a text without a place waits among the alternatives.
    if (!text.isEmpty())
      head->addAlternative(identifier, text);
    head->orderChanged = true;
    m_cursor = head;
    return;
  }
  if (!head->orderChanged)
    head->orderChanged = free != following;
  free->targetText = text;
  free->targetPosition = m_position;
  free->setMatched(Matched);
  attachBlock(free, block);
  m_cursor = free;
  if (!free->sourceText.isEmpty() && text.isEmpty())
    return;
  if (same.size() > 1) {
    free->matchState = Fuzzy;
    head->addAlternative(identifier, free->targetText);
  }
}

// The first free entry of the kind and identifier, found through the list's index.
TextEntry *EntryCollector::matchFirst(const RawBlockPtr &block, const QString &kind,
                                      const QString &identifier, const QString &text) {
  for (TextEntry *candidate : m_context.entries->lookup(m_task, kind, identifier)) {
    if (candidate->matchState != NotFound)
      continue;
    if (candidate->isTranslatable())
      candidate->targetText = text;
    candidate->targetPosition = m_position;
    candidate->setMatched(Matched);
    attachBlock(candidate, block);
    return candidate;
  }
  return nullptr;
}

} // namespace tarvelo

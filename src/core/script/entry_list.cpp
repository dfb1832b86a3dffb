#include "script/entry_list.h"

#include <algorithm>

namespace tarvelo {

TextEntry::Rare &TextEntry::rare() {
  if (!m_rare)
    m_rare = std::make_unique<Rare>();
  return *m_rare;
}

const TextEntry::Alternatives &TextEntry::alternatives() const {
  static const Alternatives none;
  return m_rare ? m_rare->alternatives : none;
}

// Clearing a text that was never set makes nothing.
void TextEntry::setSourceComment(const QString &text) {
  if (m_rare || !text.isEmpty())
    rare().sourceComment = text;
}

void TextEntry::setTargetComment(const QString &text) {
  if (m_rare || !text.isEmpty())
    rare().targetComment = text;
}

void TextEntry::setExtraText(const QString &text) {
  if (m_rare || !text.isEmpty())
    rare().extraText = text;
}

void TextEntry::addAlternative(const QString &identifier, const QString &text) {
  rare().alternatives.append({identifier, text});
}

void TextEntry::setMatched(int state) {
  matchState = sourceText.isEmpty() || !targetText.isEmpty() ? state : FoundEmpty;
}

std::unique_ptr<TextEntry> makeEntry(const QString &kind, bool isDialogHead) {
  if (kind == QLatin1String("STRINGTABLE"))
    return std::make_unique<StringEntry>();
  if (kind == QLatin1String("MENU"))
    return std::make_unique<MenuEntry>();
  if (kind == QLatin1String("DLGINIT"))
    return std::make_unique<DlgInitEntry>();
  if (kind == QLatin1String("DIALOG")) {
    if (isDialogHead)
      return std::make_unique<DialogEntry>();
    return std::make_unique<ControlEntry>();
  }
  return std::make_unique<OtherEntry>();
}

TextEntry *EntryList::append(std::unique_ptr<TextEntry> entry) {
  TextEntry *raw = entry.get();
  raw->m_list = &m_entries;
  raw->m_index = size();
  m_entries.push_back(std::move(entry));
  if (m_indexed && isLookedUp(raw))
    index(raw);
  return raw;
}

void EntryList::index(TextEntry *entry) {
  entry->m_nextSame = nullptr;
  Chain &chain = m_index[Key{entry->task, &entry->kind, &entry->identifier}];
  if (chain.last)
    chain.last->m_nextSame = entry;
  else
    chain.first = entry;
  chain.last = entry;
}

void EntryList::removeTask(const Task *task) {
  const auto from =
      std::stable_partition(m_entries.begin(), m_entries.end(),
                            [task](const auto &entry) { return entry->task != task; });
  if (from == m_entries.end())
    return;
  // Links into removed entries must not survive them.
  for (auto it = from; it != m_entries.end(); ++it) {
    TextEntry *gone = it->get();
    if (gone->prevOccurrence && gone->prevOccurrence->nextOccurrence == gone)
      gone->prevOccurrence->nextOccurrence = gone->nextOccurrence;
    if (gone->nextOccurrence && gone->nextOccurrence->prevOccurrence == gone)
      gone->nextOccurrence->prevOccurrence = gone->prevOccurrence;
  }
  m_entries.erase(from, m_entries.end());
  for (size_t i = 0; i < m_entries.size(); ++i)
    m_entries[i]->m_index = int(i);
  rebuildIndex();
}

void EntryList::squeeze() {
  m_entries.shrink_to_fit();
  m_index.squeeze();
}

void EntryList::clear() {
  m_entries.clear();
  m_index.clear();
}

EntryList::Lookup EntryList::lookup(const Task *task, const QString &kind,
                                    const QString &identifier) const {
  const auto it = m_index.constFind(Key{task, &kind, &identifier});
  return Lookup(it == m_index.constEnd() ? nullptr : it.value().first);
}

void EntryList::rebuildIndex() {
  m_index.clear();
  for (const auto &entry : m_entries)
    if (m_indexed && isLookedUp(entry.get()))
      index(entry.get());
}

namespace {

// Identifiers of one block mostly have the same length and beginning; their last
// characters tell most of them apart before whole strings are compared.
bool sameIdentifier(const QString &a, const QString &b) {
  const qsizetype size = a.size();
  return size == b.size() && (size == 0 || (a.back() == b.back() && a == b));
}

// The entries of the head's block, in order, while f says go on.
template <typename F> void walkBlock(const TextEntry *head, F &&f) {
  for (TextEntry *entry = const_cast<TextEntry *>(head);
       entry && entry->sourceBlock == head->sourceBlock && f(entry); entry = entry->next()) {
  }
}

} // namespace

const std::vector<TextEntry *> &BlockLookup::find(const TextEntry *head, const QString &kind,
                                                  const QString &identifier) {
  constexpr int kSmallBlock = 48;
  if (m_head != head) {
    m_head = head;
    m_index.clear();
    int size = 0;
    walkBlock(head, [&](TextEntry *) { return ++size <= kSmallBlock; });
    m_large = size > kSmallBlock;
    if (m_large)
      walkBlock(head, [&](TextEntry *entry) {
        m_index[{entry->kind, entry->identifier}].push_back(entry);
        return true;
      });
  }
  if (m_large) {
    static const std::vector<TextEntry *> none;
    const auto found = m_index.constFind({kind, identifier});
    return found == m_index.constEnd() ? none : found.value();
  }
  m_walked.clear();
  walkBlock(head, [&](TextEntry *entry) {
    if (sameIdentifier(entry->identifier, identifier) && entry->kind == kind)
      m_walked.push_back(entry);
    return true;
  });
  return m_walked;
}

} // namespace tarvelo

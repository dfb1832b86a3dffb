// The entry list: appending, removing a task, and the index by kind and identifier.
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

// The entries of the head's block, in order, while f says go on.
template <typename F> void walkBlock(const TextEntry *head, F &&f) {
  for (TextEntry *entry = const_cast<TextEntry *>(head);
       entry && entry->sourceBlock == head->sourceBlock && f(entry); entry = entry->next()) {
  }
}

} // namespace

const std::vector<TextEntry *> &BlockLookup::find(const TextEntry *head, const QString &kind,
                                                  const QString &identifier) {
  constexpr size_t kSmallBlock = 48;
  if (m_head != head) {
    m_head = head;
    m_entries.clear();
    walkBlock(head, [&](TextEntry *entry) {
      m_entries.push_back(entry);
      return true;
    });
    m_first.clear();
    // Chained from the block's end, so that each kind and identifier keeps its first.
    if (m_entries.size() > kSmallBlock) {
      m_nextSame.assign(m_entries.size(), -1);
      m_first.reserve(qsizetype(m_entries.size()));
      for (size_t i = m_entries.size(); i-- > 0;) {
        const KindAndIdentifier key{m_entries[i]->kind, m_entries[i]->identifier};
        const auto found = m_first.find(key);
        if (found == m_first.end()) {
          m_first.insert(key, int(i));
        } else {
          m_nextSame[i] = found.value();
          found.value() = int(i);
        }
      }
    }
  }
  m_walked.clear();
  if (m_entries.size() > kSmallBlock) {
    const auto found = m_first.constFind(KindAndIdentifier{kind, identifier});
    if (found != m_first.constEnd())
      for (int i = found.value(); i >= 0; i = m_nextSame[size_t(i)])
        m_walked.push_back(m_entries[size_t(i)]);
    return m_walked;
  }
  for (TextEntry *entry : m_entries)
    if (sameIdentifier(entry->identifier, identifier) && entry->kind == kind)
      m_walked.push_back(entry);
  return m_walked;
}

} // namespace tarvelo

// The ordered list of every open task's entries, with its index by kind and identifier.
#pragma once

#include "script/keywords.h"
#include "script/text_entry.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace tarvelo {

struct Task;

// The one ordered list of the entries of every open task, in file order, tasks one
// after another. It owns the entries and keeps an index of the entries that are
// looked up by kind and identifier (head entries, and every string of a string
// table), so that such lookups never scan the list.
class EntryList {
public:
  // An unindexed list answers no lookups, for lists that never need them.
  explicit EntryList(bool indexed = true) : m_indexed(indexed) {}
  EntryList(const EntryList &) = delete;
  EntryList &operator=(const EntryList &) = delete;

  int size() const { return int(m_entries.size()); }
  bool isEmpty() const { return m_entries.empty(); }
  TextEntry *at(int index) const { return m_entries[size_t(index)].get(); }
  TextEntry *first() const { return isEmpty() ? nullptr : at(0); }

  // Appends the entry; its block head and class decide whether it is indexed.
  TextEntry *append(std::unique_ptr<TextEntry> entry);

  // Removes the entries of one task, or all of them.
  void removeTask(const Task *task);
  void clear();
  // Gives back the room kept for appends.
  void squeeze();

  // The entries of one kind and identifier, in list order, linked through the index.
  class Lookup {
  public:
    class Iterator {
    public:
      explicit Iterator(TextEntry *entry) : m_entry(entry) {}
      TextEntry *operator*() const { return m_entry; }
      Iterator &operator++() {
        m_entry = m_entry->m_nextSame;
        return *this;
      }
      bool operator!=(const Iterator &other) const { return m_entry != other.m_entry; }

    private:
      TextEntry *m_entry;
    };
    explicit Lookup(TextEntry *first) : m_first(first) {}
    Iterator begin() const { return Iterator(m_first); }
    Iterator end() const { return Iterator(nullptr); }
    bool empty() const { return !m_first; }
    TextEntry *front() const { return m_first; }

  private:
    TextEntry *m_first;
  };

  // The looked-up entries of the task with this kind and identifier, in list order.
  Lookup lookup(const Task *task, const QString &kind, const QString &identifier) const;

  // Whether the index holds the entry: then nextIndexed gives the next entry of its
  // task, kind and identifier in list order (null after the last).
  bool indexes(const TextEntry *entry) const { return m_indexed && isLookedUp(entry); }
  static TextEntry *nextIndexed(const TextEntry *entry) { return entry->m_nextSame; }

  // The entries of the head's block, in list order, starting with the head.
  template <typename F> void forEachInBlock(const TextEntry *head, F &&f) const {
    if (!head || !head->sourceBlock)
      return;
    for (int i = head->index(); i < size(); ++i) {
      TextEntry *entry = at(i);
      if (entry->sourceBlock != head->sourceBlock)
        break;
      if (f(entry) == false)
        break;
    }
  }

  auto begin() const { return m_entries.begin(); }
  auto end() const { return m_entries.end(); }

private:
  // The key refers to the strings of the indexed entry (which never change while
  // it is indexed), or of the caller during a lookup, so that the index holds no
  // copies of them. It carries its hash, so that probing compares numbers before it
  // reaches for the strings.
  struct Key {
    // Kinds are few words that differ in length or first letter: their hash is cheap.
    Key(const Task *task, const QString *kind, const QString *identifier)
        : task(task), kind(kind), identifier(identifier),
          hash(qHashMulti(identifierHash(*identifier), task, kind->size(),
                          kind->isEmpty() ? 0 : kind->front().unicode())) {}
    const Task *task;
    const QString *kind;
    const QString *identifier;
    size_t hash;
    bool operator==(const Key &other) const {
      return hash == other.hash && task == other.task && *kind == *other.kind &&
             sameIdentifier(*identifier, *other.identifier);
    }
  };
  friend size_t qHash(const Key &key, size_t seed) { return qHash(key.hash, seed); }
  static bool isLookedUp(const TextEntry *entry) {
    return entry->isHead() || entry->entryClass() == TextEntry::Class::String;
  }
  void rebuildIndex();

  void index(TextEntry *entry);

  bool m_indexed = true;
  std::vector<std::unique_ptr<TextEntry>> m_entries;
  struct Chain {
    TextEntry *first = nullptr;
    TextEntry *last = nullptr;
  };
  QHash<Key, Chain> m_index;
};

// The entries of one block with a kind and an identifier, in block order. A small
// block is walked for each question; a larger one is indexed once, so that a block of
// many entries is not walked again for each of them.
class BlockLookup {
public:
  const std::vector<TextEntry *> &find(const TextEntry *head, const QString &kind,
                                       const QString &identifier);

private:
  const TextEntry *m_head = nullptr;
  std::vector<TextEntry *> m_entries; // of the block, in order
  // Beyond a few entries: the first of each kind and identifier, and the next after
  // each, by position in the block.
  struct KindAndIdentifier {
    QStringView kind, identifier;
    bool operator==(const KindAndIdentifier &other) const {
      return kind == other.kind && sameIdentifier(identifier, other.identifier);
    }
    friend size_t qHash(const KindAndIdentifier &key, size_t seed) {
      return identifierHash(key.identifier, qHash(key.kind, seed));
    }
  };
  QHash<KindAndIdentifier, int> m_first;
  std::vector<int> m_nextSame;
  std::vector<TextEntry *> m_walked;
};

} // namespace tarvelo

// The filter of the item list: the conditions an entry is shown for.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tarvelo {

class Settings;
class TextEntry;

// The conditions of the filter, by bit of "FilterFlags".
enum FilterCondition {
  FilterEmptyTarget = 1,
  FilterDifferentOccurrences = 2,
  FilterSameTexts = 4,
  FilterFailsInspection = 8,
  FilterFuzzy = 16,
  FilterText = 32,
  FilterDifferentInMemory = 64,
  FilterNotVerified = 128,
  FilterMisspelt = 256,
};

// The filter of the item list: an entry is shown when it meets at least one chosen
// condition. Its settings are read on first use and then kept for the run.
class Filter {
public:
  // The memory's translations of an entry's source text.
  using MemoryLookup = std::function<QStringList(const TextEntry &)>;

  explicit Filter(Settings &settings);

  // Absent while the memory library is not bound.
  void setMemoryLookup(MemoryLookup lookup) { m_memory = std::move(lookup); }
  bool memoryBound() const { return bool(m_memory); }
  // Whether an entry's target holds a word its language's dictionary does not know;
  // absent while the target language has no dictionary.
  void setSpellTest(std::function<bool(const TextEntry &)> misspelt) {
    m_misspelt = std::move(misspelt);
  }
  bool spellingAvailable() const { return bool(m_misspelt); }

  int flags() const;
  QString text() const;
  // Where the text is searched: 0 the source text, 1 the target text.
  int occurrence() const;
  // New values, written to "FilterFlags", "FilterText" and "FilterOcurence".
  void store(int flags, const QString &text, int occurrence);

  bool accepts(const TextEntry &entry) const;
  // The test as the item list takes it; the filter must outlive the list.
  std::function<bool(const TextEntry &)> test() const;

private:
  void load() const;

  Settings &m_settings;
  MemoryLookup m_memory;
  std::function<bool(const TextEntry &)> m_misspelt;
  mutable bool m_loaded = false;
  mutable int m_flags = 0;
  mutable QString m_text;
  mutable QString m_loweredText;
  mutable int m_occurrence = 0;
};

} // namespace tarvelo

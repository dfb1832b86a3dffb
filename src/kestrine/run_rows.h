// The rows holding a run of three, kept whole in memory, and the first rows holding all of several.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrine {

// The rows of a run, in ascending order: a list when they are few for their range, else one
// bit per rowid, which for a run in most rows of a table is an eighth of a byte per row.
class RunRows {
public:
  explicit RunRows(const std::vector<std::int64_t> &ascending);

  std::size_t size() const { return m_count; }
  std::size_t bytes() const;
  bool contains(std::int64_t rowid) const;
  // Calls `visit(rowid)` in ascending order until it returns false.
  template <typename Visit> void forEach(Visit visit) const;

private:
  std::vector<std::int64_t> m_list;
  std::vector<std::uint64_t> m_bits; // bit r set: row first + r
  std::int64_t m_first = 0;
  std::size_t m_count = 0;
};

// The first `limit` rowids, ascending, found in every one of `runs` (none empty), as the
// full-text index answers several phrases joined by AND under a LIMIT.
std::vector<std::int64_t> firstCommonRows(const std::vector<const RunRows *> &runs,
                                          std::size_t limit);

template <typename Visit> void RunRows::forEach(Visit visit) const {
  if (m_bits.empty()) {
    for (std::int64_t rowid : m_list)
      if (!visit(rowid))
        return;
    return;
  }
  for (std::size_t word = 0; word < m_bits.size(); ++word) {
    for (std::uint64_t bits = m_bits[word]; bits; bits &= bits - 1) {
      const auto bit = std::int64_t(__builtin_ctzll(bits));
      if (!visit(m_first + std::int64_t(word) * 64 + bit))
        return;
    }
  }
}

} // namespace kestrine

// The rows of a run of three kept in memory, and their intersection under a limit.
#include "run_rows.h"

#include <algorithm>

namespace kestrine {

RunRows::RunRows(const std::vector<std::int64_t> &ascending) : m_count(ascending.size()) {
  if (ascending.empty())
    return;
  m_first = ascending.front();
  const auto span = std::uint64_t(ascending.back() - m_first) + 1;
  // Bits pay once the rows fill more than one rowid in 64 of their range.
  if (span / 64 >= ascending.size()) {
    m_list = ascending;
    return;
  }
  m_bits.assign(std::size_t((span + 63) / 64), 0);
  for (std::int64_t rowid : ascending) {
    const auto offset = std::uint64_t(rowid - m_first);
    m_bits[std::size_t(offset / 64)] |= std::uint64_t(1) << (offset % 64);
  }
}

std::size_t RunRows::bytes() const {
  return m_list.size() * sizeof(std::int64_t) + m_bits.size() * sizeof(std::uint64_t);
}

bool RunRows::contains(std::int64_t rowid) const {
  if (m_bits.empty())
    return std::binary_search(m_list.begin(), m_list.end(), rowid);
  if (rowid < m_first)
    return false;
  const auto offset = std::uint64_t(rowid - m_first);
  const auto word = std::size_t(offset / 64);
  return word < m_bits.size() && (m_bits[word] >> (offset % 64) & 1) != 0;
}

std::vector<std::int64_t> firstCommonRows(const std::vector<const RunRows *> &runs,
                                          std::size_t limit) {
  std::vector<std::int64_t> rows;
  if (runs.empty() || limit == 0)
    return rows;
  // The fewest rows are walked, the others asked.
  const RunRows *fewest =
      *std::min_element(runs.begin(), runs.end(),
                        [](const RunRows *a, const RunRows *b) { return a->size() < b->size(); });
  fewest->forEach([&](std::int64_t rowid) {
    for (const RunRows *run : runs) {
      if (run != fewest && !run->contains(rowid))
        return true;
    }
    rows.push_back(rowid);
    return rows.size() < limit;
  });
  return rows;
}

} // namespace kestrine

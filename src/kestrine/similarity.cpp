// Scoring how alike two texts are: their comparison form and edit distance within a bound.
#include "similarity.h"

#include "store_text.h"
#include "text_folding.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kestrine {

std::u16string comparisonForm(std::u16string_view text) {
  std::u16string folded(splitQuery(text).key);
  for (char16_t &unit : folded)
    unit = foldUnit(unit);
  return folded;
}

namespace {

// The units of a text of at most 64 units, each with the bits of the positions it stands
// at: an open table of twice that size, so that a lookup ends within a few slots.
class PositionBits {
public:
  explicit PositionBits(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
      m_bits[slot(text[i])] |= std::uint64_t(1) << i;
  }
  std::uint64_t operator[](char16_t unit) const {
    for (std::size_t i = hash(unit);; i = (i + 1) % kSlots) {
      if (m_bits[i] == 0)
        return 0;
      if (m_units[i] == unit)
        return m_bits[i];
    }
  }

private:
  static constexpr std::size_t kSlots = 128;
  static std::size_t hash(char16_t unit) { return (unit * 0x9E37u >> 4) % kSlots; }
  std::size_t slot(char16_t unit) {
    std::size_t i = hash(unit);
    while (m_bits[i] != 0 && m_units[i] != unit)
      i = (i + 1) % kSlots;
    m_units[i] = unit;
    return i;
  }
  std::uint64_t m_bits[kSlots] = {};
  char16_t m_units[kSlots] = {};
};

// Levenshtein distance with the shorter text (1 to 64 units) as bits of a word, one column
// of the table per unit of the longer (Myers, in Hyyrö's form for whole texts): the same
// distance as the table, 64 cells at a time. Past `limit` it answers limit + 1.
std::size_t bitDistance(std::u16string_view longer, std::u16string_view shorter,
                        std::size_t limit) {
  // No distance exceeds the longer length: a larger limit (or none) is that length.
  limit = std::min(limit, longer.size());
  const PositionBits equal(shorter);
  const std::uint64_t last = std::uint64_t(1) << (shorter.size() - 1);
  std::uint64_t plus = ~std::uint64_t(0), minus = 0;
  std::size_t distance = shorter.size();
  for (std::size_t j = 0; j < longer.size(); ++j) {
    const std::uint64_t eq = equal[longer[j]];
    const std::uint64_t xv = eq | minus;
    const std::uint64_t xh = (((eq & plus) + plus) ^ plus) | eq;
    std::uint64_t up = minus | ~(xh | plus);
    std::uint64_t down = plus & xh;
    if (up & last)
      ++distance;
    else if (down & last)
      --distance;
    // The bottom cell falls by at most one a column: the rest cannot bring it within reach.
    if (distance > limit + (longer.size() - 1 - j))
      return limit + 1;
    up = (up << 1) | 1;
    down <<= 1;
    plus = down | ~(xv | up);
    minus = up & xv;
  }
  return std::min(distance, limit + 1);
}

} // namespace

std::size_t editDistance(std::u16string_view a, std::u16string_view b, std::size_t limit) {
  if (a.size() < b.size())
    std::swap(a, b); // the row runs over the shorter text
  if (a.size() - b.size() > limit)
    return limit + 1;
  if (b.empty())
    return std::min(a.size(), limit == std::u16string_view::npos ? a.size() : limit + 1);
  if (b.size() <= 64)
    return bitDistance(a, b, limit);
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t best = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitute = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({substitute, above + 1, row[j - 1] + 1});
      diagonal = above;
      best = std::min(best, row[j]);
    }
    // No cell of a row is smaller than the smallest of the row before it.
    if (best > limit)
      return limit + 1;
  }
  return std::min(row[b.size()], limit == std::u16string_view::npos ? row[b.size()] : limit + 1);
}

std::int32_t similarityScore(std::u16string_view a, std::u16string_view b) {
  const std::size_t longer = std::max(a.size(), b.size());
  if (longer == 0)
    return 100;
  const std::size_t distance = editDistance(a, b);
  return std::int32_t((longer - distance) * 100 / longer);
}

std::int32_t similarityScoreFrom(std::u16string_view a, std::u16string_view b,
                                 std::int32_t minScore) {
  const std::size_t longer = std::max(a.size(), b.size());
  if (longer == 0)
    return 100;
  const std::size_t limit = allowedEdits(longer, minScore);
  const std::size_t distance = editDistance(a, b, limit);
  return distance > limit ? -1 : std::int32_t((longer - distance) * 100 / longer);
}

std::size_t allowedEdits(std::size_t longer, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 0, 100));
  // (longer - d) * 100 / longer >= score, rounded down as the score is.
  return longer - (longer * score + 99) / 100;
}

std::size_t shortestAlike(std::size_t length, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 0, 100));
  // A shorter text m scores at most m * 100 / length.
  return (length * score + 99) / 100;
}

std::size_t longestAlike(std::size_t length, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 1, 100));
  // A longer text m scores at most length * 100 / m.
  return length * 100 / score;
}

} // namespace kestrine

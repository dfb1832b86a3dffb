// Scoring and ranking fuzzy matches, the same for the file store and the server store.
#include "fuzzy_match.h"

#include "similarity.h"
#include "store_text.h"
#include "text_folding.h"

#include <algorithm>

namespace kestrine {

std::int32_t scoreSource(std::u16string_view query, std::int32_t minScore,
                         std::u16string_view source, std::u16string &form) {
  const QueryParts parts = splitQuery(source);
  if (parts.key.size() < shortestAlike(query.size(), minScore) ||
      parts.key.size() > longestAlike(query.size(), minScore))
    return -1;
  form.assign(parts.key);
  for (char16_t &unit : form)
    unit = foldUnit(unit);
  return similarityScoreFrom(query, form, minScore);
}

bool scoreMatch(std::u16string_view query, std::int32_t minScore, FuzzyMatch &match) {
  if (match.target.empty())
    return false;
  std::u16string form;
  match.score = scoreSource(query, minScore, match.source, form);
  return match.score >= minScore;
}

void rankMatches(std::vector<FuzzyMatch> &matches, std::u16string_view text,
                 std::int32_t maxCount) {
  std::sort(matches.begin(), matches.end(), [](const FuzzyMatch &a, const FuzzyMatch &b) {
    if (a.score != b.score)
      return a.score > b.score;
    if (a.counter != b.counter)
      return a.counter > b.counter;
    return a.rowid < b.rowid;
  });
  if (matches.size() > std::size_t(std::max(maxCount, 0)))
    matches.resize(std::size_t(std::max(maxCount, 0)));
  const QueryParts query = splitQuery(text);
  if (!query.key.empty() && (!query.prefix.empty() || !query.suffix.empty())) {
    for (FuzzyMatch &match : matches)
      match.target = query.wrap(match.target);
  }
}

} // namespace kestrine

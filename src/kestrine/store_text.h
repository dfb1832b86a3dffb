// Helpers both stores share: quoted names, clamped counters, a query split from its spaces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrine {

// The primary language (low 10 bits) of a Windows language identifier: it alone chooses
// the table.
inline std::int32_t primaryLanguage(std::int32_t language) {
  return language & 0x3FF;
}

// A name as an SQL identifier, in double quotes (a quote inside doubled).
std::string quotedIdentifier(std::string_view name);

// Counters are 32-bit in the interface; sums beyond that stop at its ends.
std::int32_t clampToInt32(std::int64_t value);

// A text as the memory takes it: the spaces (U+0020) around it are no part of the key, and
// answers are given back wrapped in them. A text of spaces only is all prefix.
struct QueryParts {
  std::u16string_view prefix;
  std::u16string_view key;
  std::u16string_view suffix;

  // The key wrapped in the query's spaces.
  std::u16string wrap(std::u16string_view answer) const;
};

QueryParts splitQuery(std::u16string_view text);

} // namespace kestrine

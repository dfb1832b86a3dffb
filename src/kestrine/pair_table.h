// The table of one language pair, seen from the current direction, as both stores name it.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

// The source text lives in Text1 unless the target's primary language is the smaller one;
// one table serves both directions.
struct PairTable {
  std::string name; // "5to9": smaller primary language first
  bool sourceInText1 = true;

  static PairTable forLanguages(std::int32_t source, std::int32_t target);

  const char *sourceColumn() const { return sourceInText1 ? "Text1" : "Text2"; }
  const char *targetColumn() const { return sourceInText1 ? "Text2" : "Text1"; }
  const char *counterColumn() const { return sourceInText1 ? "Counter1" : "Counter2"; }
  const char *otherCounterColumn() const { return sourceInText1 ? "Counter2" : "Counter1"; }

  // Index names are global to a file or schema, so each carries its table's name.
  std::string indexName(const char *column) const;
};

} // namespace kestrine

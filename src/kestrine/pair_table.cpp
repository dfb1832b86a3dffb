// Naming the table of a language pair and its orientation.
#include "pair_table.h"

#include "store_text.h"

#include <algorithm>

namespace kestrine {

PairTable PairTable::forLanguages(std::int32_t source, std::int32_t target) {
  const std::int32_t sourcePrimary = primaryLanguage(source);
  const std::int32_t targetPrimary = primaryLanguage(target);
  PairTable table;
  table.name = std::to_string(std::min(sourcePrimary, targetPrimary)) + "to" +
               std::to_string(std::max(sourcePrimary, targetPrimary));
  table.sourceInText1 = targetPrimary >= sourcePrimary;
  return table;
}

std::string PairTable::indexName(const char *column) const {
  return std::string(column) + "Index_" + name;
}

} // namespace kestrine

// Fuzzy matches in the file store: the trigram indexes and the search over them.
#pragma once

// Fuzzy matches: the stored pairs whose source is most like a text. Candidates come from
// indexes, never from reading the table: a full-text index of the three-character runs of
// each text column (SQLite's FTS5 with its trigram tokenizer), kept by triggers in step
// with every insert, update and delete of the pair table, and a small index of the texts
// too short to have such runs. The candidates are then scored exactly (similarity.h).

#include "fuzzy_match.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

struct sqlite3;

namespace kestrine {

// The pair table as the fuzzy search sees it.
struct FuzzyTable {
  std::string name; // "5to9"
  bool sourceInText1 = true;
};

// Whether the table has every index and trigger of the fuzzy search.
bool fuzzyIndexReady(sqlite3 *db, const std::string &table);

// The runs of three found in many rows before, so that later searches of the same table
// and direction skip counting their rows. Emptied whenever the store connects.
struct FuzzyRunMemo {
  std::string column; // "5to9.Text1"
  std::unordered_set<std::u16string> common;
};

// Creates the indexes and triggers of a table when they are missing, filling a new
// full-text index from the rows already stored. Call inside a write transaction; on
// failure nothing of it is left.
bool ensureFuzzyIndex(sqlite3 *db, const std::string &table);

// Each learnt pair adds a small segment to the indexes, and a search reads every segment:
// after a batch that added at least a tenth of the table's rows (`added`), the segments are
// merged into one. Over many batches this costs at most ten times the learning; a failure
// leaves the indexes as they were, only slower to read.
void tidyFuzzyIndex(sqlite3 *db, const std::string &table, std::int64_t added);

// The names of what ensureFuzzyIndex creates, for the table "5to9".
std::vector<std::string> fuzzyIndexObjects(const std::string &table);

// At most `maxCount` pairs scoring `minScore` (1 to 100) or more against `text`, whose
// surrounding spaces are ignored. Pairs with an empty target are left out.
FuzzyResult fuzzySearch(sqlite3 *db, const FuzzyTable &table, std::u16string_view text,
                        std::int32_t minScore, std::int32_t maxCount, FuzzyRunMemo *memo = nullptr);

} // namespace kestrine

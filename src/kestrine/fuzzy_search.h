// Fuzzy matches in the file store: the trigram indexes and the search over them.
#pragma once

// Fuzzy matches: the stored pairs whose source is most like a text. Candidates come from
// indexes, never from reading the table: a full-text index of the three-character runs of
// each text column (SQLite's FTS5 with its trigram tokenizer), kept by triggers in step
// with every insert, update and delete of the pair table, and a small index of the texts
// too short to have such runs. The candidates are then scored exactly (similarity.h).

#include "fuzzy_match.h"
#include "run_rows.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
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

// What earlier searches of the same table and direction read. The runs of three found in
// many rows skip counting their rows; emptied whenever the store connects. The rows each
// index expression found, and the candidate pairs, are read again only when the memory
// may have changed since: another connection committed, this one changed a row, or it is
// writing.
struct StoredPair {
  std::u16string source;
  std::u16string target;
  std::int32_t counter = 0;
};

struct FuzzyRunMemo {
  std::string column; // "5to9.Text1"
  std::unordered_set<std::u16string> common;
  std::unordered_map<std::u16string, std::vector<std::int64_t>> rows; // by limit and expression
  std::size_t rowCount = 0;
  // A common run is read whole once this many stretches holding it were asked of the
  // index since the memory last changed: reading a run found in every row costs about as
  // much as that many stretches, and a long run of searches then asks no more of them.
  int readWholeAfter = 64;
  std::unordered_map<std::u16string, RunRows> wholeRuns;
  std::unordered_map<std::u16string, int> indexReads;
  std::size_t wholeBytes = 0;
  std::unordered_map<std::int64_t, StoredPair> pairs; // candidates read before, by rowid
  std::int64_t dataVersion = -1;
  std::int64_t changes = -1;
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

// Fuzzy matches on the server: candidates from pg_trgm's trigram index, scored here.
#pragma once

// The server finds the candidates with its own trigram index (the extension pg_trgm, which
// Kestrine creates when the user may) over a key of each source text; they are then scored
// and ranked exactly as the file store scores and ranks them (fuzzy_match.h), so that both
// stores give the same matches for the same memory.

#include "fuzzy_match.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kestrine {

struct PairTable;
struct KeyKind;

namespace pg {
class Connection;
}

// The text the trigram index holds for a text, made of letters and digits only, since
// pg_trgm compares runs of three letters and digits of the server's locale and drops the
// rest: for a short text one letter per unit of its comparison form (see similarity.h),
// spaces, punctuation and every script included; for a longer one a letter per run of
// three units, a hash of that run, since runs of three characters are too common in
// user-interface texts to tell rows apart, and in this key each run of the index stands
// for five characters of the text.
std::string trigramKey(std::u16string_view text);

// The trigram search of one connection: where pg_trgm lives, the tables whose index is
// known to be there, and the similarity threshold last set on the connection.
class PgFuzzyIndex {
public:
  // Makes sure of the extension (creating it when the user may), of the key columns of the
  // table (filled when a memory from before them gets them) and of its indexes. Empty
  // when all is there, else why not.
  std::string ensure(pg::Connection &db, const PairTable &table);
  // A new session knows nothing of the old one's.
  void forget();

  // As fuzzySearch of the file store (fuzzy_search.h); `read` is false when the server
  // could not be asked.
  FuzzyResult search(pg::Connection &db, const PairTable &table, std::u16string_view text,
                     std::int32_t minScore, std::int32_t maxCount);

private:
  std::string findExtension(pg::Connection &db);
  std::string createExtension(pg::Connection &db);
  bool indexesPresent(pg::Connection &db, const PairTable &table);
  std::string makeIndexes(pg::Connection &db, const PairTable &table);
  bool createIndexes(pg::Connection &db, const std::string &table, int column,
                     const std::vector<std::string> &names);
  bool nearRows(pg::Connection &db, const PairTable &table, const std::string &key, KeyKind kind,
                std::u16string_view query, std::int32_t minScore,
                std::unordered_set<std::int64_t> &scored, std::vector<FuzzyMatch> &matches);

  std::string m_schema; // of pg_trgm, quoted; empty until found
  std::set<std::string> m_ready;
  int m_threshold = -1; // hundredths, as set on the connection
};

} // namespace kestrine

// The interface of a memory store, implemented by the SQLite file and the server.
#pragma once

// What the exports need of a memory store. The SQLite file store and the PostgreSQL
// server store both implement it; the exports pick one by the location they are given.

#include "fuzzy_search.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrine {

struct SearchResult {
  std::vector<std::u16string> sources;
  std::vector<std::u16string> targets;
  bool read = false; // false when the memory could not be read
};

// A slice of the stored pairs in the order they were first learnt; `next` is where the
// following slice starts. `read` is false when the memory could not be read.
struct ListResult {
  std::vector<std::u16string> sources;
  std::vector<std::u16string> targets;
  std::vector<std::int32_t> counters;
  std::int64_t next = 0;
  bool read = false;
};

// The translations of a text; `read` is false when the memory could not be read (not
// connected, a damaged file, a lock held too long), and then `translations` holds what
// was read before the failure.
struct LookupResult {
  std::vector<std::u16string> translations;
  bool read = false;
};

// How a batch went. A batch stops writing at its first failure, so the pairs stored are
// always the first `stored` of those learnt in it.
struct BatchOutcome {
  enum Failure { None, Failed, Busy };
  Failure failure = None; // Busy: another program held the memory longer than the wait
  std::int32_t stored = 0;
  std::string reason;  // what the database said of the first failure
  std::string damaged; // the memory, when that failure was its damage
};

// One stored row as it is, for copying a memory between stores.
struct StoredRow {
  std::u16string text1;
  std::u16string text2;
  std::int32_t counter1 = 0;
  std::int32_t counter2 = 0;

  bool operator==(const StoredRow &) const = default;
};

struct RowSlice {
  std::vector<StoredRow> rows;
  std::int64_t next = 0; // where the following slice starts
  bool read = false;
};

// "5to9": the name of a language-pair table, the only tables a memory consists of.
inline bool isPairTableName(std::string_view name) {
  const std::size_t to = name.find("to");
  auto digits = [](std::string_view part) {
    return !part.empty() && part.size() <= 4 &&
           part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return to != std::string_view::npos && digits(name.substr(0, to)) && digits(name.substr(to + 2));
}

class MemoryStore {
public:
  virtual ~MemoryStore() = default;

  // Where the memory is; takes effect at the next connect that has to open it.
  virtual void setLocation(std::u16string_view location) = 0;
  // True while a connection (file or server) is open, whatever the languages.
  virtual bool isOpen() const = 0;
  virtual bool connect(std::int32_t source, std::int32_t target) = 0;
  virtual void disconnect() = 0;

  // Writes between the two share transactions.
  virtual bool beginBatch() = 0;
  virtual BatchOutcome endBatch() = 0;

  // How long a write waits for another client's lock before it fails.
  virtual void setBusyTimeout(std::chrono::milliseconds timeout) = 0;

  // Each returns its documented failure result when not connected.
  virtual bool learn(std::u16string_view source, std::u16string_view target,
                     std::int32_t increment) = 0;
  virtual LookupResult lookup(std::u16string_view text) = 0;
  virtual SearchResult search(const std::vector<std::u16string> &words, bool allWords) = 0;
  virtual bool deletePair(std::u16string_view source, std::u16string_view target) = 0;
  // At most `limit` pairs stored after the pair `after` names (0 for the first).
  virtual ListResult list(std::int64_t after, std::int32_t limit) = 0;
  // The pairs whose source is most like `text`, best first; see fuzzy_search.h.
  virtual FuzzyResult fuzzy(std::u16string_view text, std::int32_t minScore,
                            std::int32_t maxCount) = 0;

  // Whole-memory access for copying, whatever pair is connected: every language-pair
  // table, rows as stored with both counters. Open without choosing a pair; a file store
  // only opens a memory that exists.
  virtual bool openExisting() = 0;
  virtual bool openOrCreate() = 0;
  // The language-pair tables ("5to9"), nothing when the memory cannot be read.
  virtual std::optional<std::vector<std::string>> pairTables() = 0;
  virtual std::optional<std::int64_t> countRows(const std::string &table) = 0;
  virtual RowSlice readRows(const std::string &table, std::int64_t after, std::int32_t limit) = 0;
  // Writes between the two go into one transaction; ending without commit leaves the
  // memory as it was. With `merge`, a row whose two texts equal a stored row's exactly
  // adds its counters to that row; otherwise rows are appended as they are.
  virtual bool beginImport() = 0;
  virtual bool importRows(const std::string &table, const std::vector<StoredRow> &rows,
                          bool merge) = 0;
  virtual bool endImport(bool commit) = 0;
  // Why the last failed operation failed, as the database said it.
  virtual std::string lastError() const = 0;
  // What tells this memory from every other, once it is open: the database file, or the
  // server, database and schema as the server names them, however the location was
  // spelt. Empty when it cannot be told.
  virtual std::string identity() = 0;

  static constexpr std::size_t kSearchLimit = 500;
  static constexpr std::chrono::milliseconds kBusyTimeout{5000};
};

} // namespace kestrine

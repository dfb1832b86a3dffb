// The memory on a PostgreSQL server, for a team, behind the same interface as a file.
#pragma once

// The memory on a PostgreSQL server, for a team: the same tables per language pair, the
// same orientation, counters, ordering and limits as the file store. Texts are compared
// through columns folded by our own case table (indexed), so a lookup finds exactly what
// it finds in the file store, whatever the server's collation. Learning takes an advisory
// lock on the pair, so that clients learning the same pair at once end with one row and
// the sum of their counts.

#include "batch_writer.h"
#include "memory_store.h"
#include "pair_table.h"
#include "pg_connection.h"
#include "pg_fuzzy_search.h"

#include <chrono>
#include <string>

namespace kestrine {

// A location naming a server rather than a folder: "postgresql://..." or "postgres://...".
bool isServerLocation(std::u16string_view location);

class PgStore final : public MemoryStore, private WriteBackend {
public:
  PgStore();
  ~PgStore() override;
  PgStore(const PgStore &) = delete;
  PgStore &operator=(const PgStore &) = delete;

  void setLocation(std::u16string_view uri) override;
  // Open from connect until disconnect, even while a lost session waits to be reopened.
  bool isOpen() const override;
  bool connect(std::int32_t source, std::int32_t target) override;
  void disconnect() override;

  bool beginBatch() override;
  BatchOutcome endBatch() override;
  // The server's lock_timeout: how long a write waits for another client's lock.
  void setBusyTimeout(std::chrono::milliseconds timeout) override;

  bool learn(std::u16string_view source, std::u16string_view target,
             std::int32_t increment) override;
  LookupResult lookup(std::u16string_view text) override;
  SearchResult search(const std::vector<std::u16string> &words, bool allWords) override;
  bool deletePair(std::u16string_view source, std::u16string_view target) override;
  ListResult list(std::int64_t after, std::int32_t limit) override;
  // Candidates from the server's trigram index, scored as the file store scores them.
  FuzzyResult fuzzy(std::u16string_view text, std::int32_t minScore,
                    std::int32_t maxCount) override;

  bool openExisting() override;
  bool openOrCreate() override;
  std::optional<std::vector<std::string>> pairTables() override;
  std::optional<std::int64_t> countRows(const std::string &table) override;
  RowSlice readRows(const std::string &table, std::int64_t after, std::int32_t limit) override;
  bool beginImport() override;
  bool importRows(const std::string &table, const std::vector<StoredRow> &rows,
                  bool merge) override;
  bool endImport(bool commit) override;
  std::string lastError() const override;
  std::string identity() override;

  // Opens a connection of its own and closes it again: empty when the server can be
  // reached and lets us create tables, else why not.
  static std::string probe(const std::string &uri);

private:
  using Operation = BatchWriter::Operation;
  using Write = BatchWriter::Write;

  bool open();
  void close();
  bool connected() const;
  bool ready();
  // Inside a transaction of the caller's when `within`, else in one of its own.
  bool ensureTable(bool within = false);
  bool applyLockTimeout();
  bool applyStatementTimeout();
  bool recover();
  bool retryAfter(bool succeeded);

  bool lockPair(std::int64_t key);
  bool learnRow(std::u16string_view source, std::u16string_view target, std::int32_t increment);
  LookupResult lookupRows(std::u16string_view text);
  SearchResult searchRows(const std::vector<std::u16string> &words, bool allWords);
  bool deleteRows(std::u16string_view source, std::u16string_view target);
  ListResult listRows(std::int64_t after, std::int32_t limit);
  FuzzyResult fuzzyRows(std::u16string_view text, std::int32_t minScore, std::int32_t maxCount);
  bool insertRows(const std::string &name, const std::vector<const StoredRow *> &rows);

  std::string sql(const char *pattern) const;

  // WriteBackend
  std::string memoryName() const override { return m_db.uri(); }
  bool inTransaction() const override { return m_db.inTransaction(); }
  bool begin() override { return m_db.command("BEGIN"); }
  BatchOutcome::Failure commit() override;
  void rollback() override { m_db.command("ROLLBACK"); }
  BatchOutcome::Failure lastFailure() const override;

  std::string m_uri;
  pg::Connection m_db;
  std::int32_t m_source = 0;
  std::int32_t m_target = 0;
  PairTable m_table;
  PgFuzzyIndex m_fuzzy;
  std::chrono::milliseconds m_busyTimeout = kBusyTimeout;
  std::string m_lastState; // SQLSTATE of the last failed statement
  BatchWriter m_writer{*this};
};

} // namespace kestrine

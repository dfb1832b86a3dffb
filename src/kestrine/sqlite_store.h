// The memory in one SQLite file, "Kestrine.db" in the memory folder.
#pragma once

// One table per pair of primary languages, each row a pair of texts with a use counter per
// direction. Every text reaches SQL as a bound parameter, never as part of a statement.

#include "batch_writer.h"
#include "fuzzy_search.h"
#include "memory_store.h"
#include "pair_table.h"
#include "sqlite_statement.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kestrine {

inline constexpr char16_t kDatabaseFileName[] = u"Kestrine.db";

// The file store's statements over one pair table, seen from its direction.
std::string lookupSql(const PairTable &table); // rowid, target, counter of a source's rows
std::string rankedLookupSql(const PairTable &table);
std::string insertSql(const PairTable &table);
std::string addToCounterSql(const PairTable &table);
std::string deleteSql(const PairTable &table);
std::string searchSql(const PairTable &table, std::size_t words, bool allWords);
std::string listSql(const PairTable &table); // rowid, source, target, counter after a rowid

class SqliteStore final : public MemoryStore, private WriteBackend {
public:
  SqliteStore();
  ~SqliteStore() override;
  SqliteStore(const SqliteStore &) = delete;
  SqliteStore &operator=(const SqliteStore &) = delete;

  // Takes effect at the next connect that has to open the file.
  // Creates the folder (one level) when nothing of that name exists and `create` is set.
  void setFolder(std::u16string_view folder, bool create = true);
  void setLocation(std::u16string_view folder) override { setFolder(folder); }
  bool isOpen() const override;
  bool connect(std::int32_t source, std::int32_t target) override;
  void disconnect() override;

  // Writes between the two share transactions; see BatchWriter.
  bool beginBatch() override;
  BatchOutcome endBatch() override;

  // How long a statement waits for another program's lock; kBusyTimeout by default.
  void setBusyTimeout(std::chrono::milliseconds timeout) override;

  // Each returns its documented failure result when not connected.
  bool learn(std::u16string_view source, std::u16string_view target,
             std::int32_t increment) override;
  LookupResult lookup(std::u16string_view text) override;
  SearchResult search(const std::vector<std::u16string> &words, bool allWords) override;
  bool deletePair(std::u16string_view source, std::u16string_view target) override;
  ListResult list(std::int64_t after, std::int32_t limit) override;

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
  // The pairs whose source is most like `text`; see fuzzy_search.h.
  FuzzyResult fuzzy(std::u16string_view text, std::int32_t minScore,
                    std::int32_t maxCount) override;

  // What the busy handler needs: when the wait began and how long it may last.
  struct BusyWait {
    std::chrono::steady_clock::time_point since;
    std::chrono::milliseconds timeout = kBusyTimeout;
  };

private:
  struct Statements;
  using Operation = BatchWriter::Operation;
  using Write = BatchWriter::Write;

  bool open();
  void close();
  bool ensureTable();
  bool connected() const;
  Statements *statements();
  bool learnRow(std::u16string_view source, std::u16string_view target, std::int32_t increment);
  bool deleteRows(Statements &prepared, std::u16string_view source, std::u16string_view target);

  // WriteBackend
  std::string memoryName() const override { return m_fileName; }
  bool inTransaction() const override;
  bool begin() override;
  BatchOutcome::Failure commit() override;
  void rollback() override;
  BatchOutcome::Failure lastFailure() const override;
  PageCheck checkPages(std::string &finding) override;
  void sliceCommitted() override;

  std::string m_path;        // UTF-8
  std::string m_fileName;    // the file last opened, as SQLite names it
  std::string m_checkedFile; // whose pages were found whole since it was opened
  sqlite3 *m_db = nullptr;
  std::int32_t m_source = 0;
  std::int32_t m_target = 0;
  PairTable m_table;
  std::unique_ptr<Statements> m_statements;
  BusyWait m_busyWait;
  FuzzyRunMemo m_fuzzyRuns;
  BatchWriter m_writer{*this};
};

} // namespace kestrine

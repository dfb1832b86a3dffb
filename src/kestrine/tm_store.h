#pragma once

// The translation-memory store: one SQLite file "Kestrine.db" in the memory folder, one
// table per pair of primary languages, each row a pair of texts with a use counter per
// direction. Every text reaches SQL as a bound parameter, never as part of a statement.

#include "fuzzy_search.h"
#include "memory_store.h"
#include "sqlite_statement.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kestrine {

inline constexpr char16_t kDatabaseFileName[] = u"Kestrine.db";

// The table of one language pair and the statements over it, seen from the current
// direction. The source text lives in Text1 unless the target's primary language is the
// smaller one; one table serves both directions.
struct PairTable {
  std::string name; // "5to9": smaller primary language first
  bool sourceInText1 = true;

  static PairTable forLanguages(std::int32_t source, std::int32_t target);

  const char *sourceColumn() const { return sourceInText1 ? "Text1" : "Text2"; }
  const char *targetColumn() const { return sourceInText1 ? "Text2" : "Text1"; }
  const char *counterColumn() const { return sourceInText1 ? "Counter1" : "Counter2"; }

  // SQLite's index names are global to the file, so each carries its table's name.
  std::string indexName(const char *column) const;

  std::string lookupSql() const; // rowid, target, counter of the rows with this source
  std::string rankedLookupSql() const;
  std::string insertSql() const;
  std::string addToCounterSql() const;
  std::string deleteSql() const;
  std::string searchSql(std::size_t words, bool allWords) const;
  std::string listSql() const; // rowid, source, target, counter after a rowid
};

class TmStore final : public MemoryStore {
public:
  TmStore();
  ~TmStore() override;
  TmStore(const TmStore &) = delete;
  TmStore &operator=(const TmStore &) = delete;

  // Takes effect at the next connect that has to open the file.
  // Creates the folder (one level) when nothing of that name exists and `create` is set.
  void setFolder(std::u16string_view folder, bool create = true);
  void setLocation(std::u16string_view folder) override { setFolder(folder); }
  bool isOpen() const override;
  bool connect(std::int32_t source, std::int32_t target) override;
  void disconnect() override;

  // Writes between the two share transactions; see kBatchSlice.
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

  // A batch commits and starts over after this long, so that another program sharing
  // the memory waits on it far less than kBusyTimeout. Each commit writes every page its
  // slice touched; much shorter slices make a large batch several times slower.
  static constexpr std::chrono::milliseconds kBatchSlice{1000};

  // What the busy handler needs: when the wait began and how long it may last.
  struct BusyWait {
    std::chrono::steady_clock::time_point since;
    std::chrono::milliseconds timeout = kBusyTimeout;
  };

private:
  struct Statements;
  class Write;
  class Operation;

  bool open();
  void close();
  bool ensureTable();
  bool connected() const;
  Statements *statements();
  bool learnRow(std::u16string_view source, std::u16string_view target, std::int32_t increment);
  bool beginWrite();
  bool finishWrite(bool commit);
  bool commitOpenTransaction();
  bool commitBatchSlice();
  void failBatch();
  void failBatchWith(BatchOutcome::Failure failure);
  void rememberDamage();
  // False (and noted) when the file is damaged: nothing is written into it.
  bool writable();
  bool pagesHoldTogether();

  mutable std::mutex m_mutex;
  std::string m_path;     // UTF-8
  std::string m_fileName; // the file last opened, as SQLite names it
  // The file that reported damage, for as long as the store lives, and what it said.
  std::string m_damagedFile;
  std::string m_damage;
  std::string m_checkedFile; // whose pages were found whole since it was opened
  sqlite3 *m_db = nullptr;
  std::int32_t m_source = 0;
  std::int32_t m_target = 0;
  PairTable m_table;
  std::unique_ptr<Statements> m_statements;
  bool m_batch = false;
  bool m_importing = false; // one transaction holds the whole import
  // Pairs of the batch committed, and learnt in its open transaction.
  std::int32_t m_batchStored = 0;
  std::int32_t m_batchPending = 0;
  BatchOutcome::Failure m_batchFailure = BatchOutcome::None;
  std::string m_batchReason;
  std::string m_batchDamaged;
  std::chrono::steady_clock::time_point m_transactionStart;
  BusyWait m_busyWait;
  FuzzyRunMemo m_fuzzyRuns;
};

} // namespace kestrine

// The memory in one SQLite file: opening it, its tables, and every operation on them.
#include "sqlite_store.h"

#include "failure_note.h"
#include "store_text.h"
#include "text_folding.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <thread>

namespace kestrine {

namespace {

using Clock = std::chrono::steady_clock;

// After a batch commits a slice it pauses this long, so that a program polling for the
// lock (every millisecond, see waitWhileBusy) gets its turn instead of starving.
constexpr std::chrono::milliseconds kBatchYield{2};

// Page cache in KiB. A batch may touch pages all over the text indexes; while one runs,
// a larger cache saves most of the reading and spilling.
constexpr const char *kCacheSize = "PRAGMA cache_size=-16384";
constexpr const char *kBatchCacheSize = "PRAGMA cache_size=-65536";

// SQLite's own busy timeout sleeps up to 100 ms between tries; two programs learning at
// once take turns far better when the waiting one looks again every millisecond.
int waitWhileBusy(void *context, int count) {
  auto &wait = *static_cast<SqliteStore::BusyWait *>(context);
  const Clock::time_point now = Clock::now();
  if (count == 0)
    wait.since = now;
  else if (now - wait.since >= wait.timeout)
    return 0;
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return 1;
}

// Switching a file to WAL needs it to itself for a moment. When another program opens
// the same new file at that moment, SQLite gives up at once instead of calling the busy
// handler (waiting there could deadlock), so the switch is tried again as long as a lock
// would be waited for.
bool switchToWal(sqlite3 *db, const SqliteStore::BusyWait &wait) {
  const Clock::time_point until = Clock::now() + wait.timeout;
  for (;;) {
    const int result = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    if (result == SQLITE_OK)
      return true;
    if ((result & 0xFF) != SQLITE_BUSY || Clock::now() >= until) {
      noteSqliteFailure(db, result);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

BatchOutcome::Failure failureOf(int code) {
  code &= 0xFF; // the primary code of an extended one
  return code == SQLITE_BUSY || code == SQLITE_LOCKED ? BatchOutcome::Busy : BatchOutcome::Failed;
}

// Reading a FIFO or a device where the memory or its journals belong would wait for ever,
// so only regular files (or none yet) are opened.
bool onlyRegularFiles(const std::string &databasePath) {
  for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::string path = databasePath + suffix;
    std::error_code error;
    const std::filesystem::file_type type =
        std::filesystem::status(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                error)
            .type();
    if (type != std::filesystem::file_type::not_found &&
        type != std::filesystem::file_type::regular)
      return false;
  }
  return true;
}

enum Column : unsigned { kText1 = 1, kText2 = 2, kCounter1 = 4, kCounter2 = 8, kAllColumns = 15 };

struct ColumnDefinition {
  Column column;
  const char *name;
  const char *type;
};

constexpr ColumnDefinition kColumns[] = {
    {kText1, "Text1", "TEXT COLLATE TVCASE"},
    {kText2, "Text2", "TEXT COLLATE TVCASE"},
    {kCounter1, "Counter1", "INTEGER"},
    {kCounter2, "Counter2", "INTEGER"},
};
static_assert(std::string_view(kColumns[0].type).ends_with(kTextCollation) &&
              std::string_view(kColumns[1].type).ends_with(kTextCollation));

// The columns of ours that the table has; nothing when the schema cannot be read.
std::optional<unsigned> existingColumns(sqlite3 *db, const std::string &table) {
  Statement info(db, "SELECT name FROM pragma_table_info(?1)");
  if (!info)
    return std::nullopt;
  if (sqlite3_bind_text(info.get(), 1, table.c_str(), int(table.size()), SQLITE_STATIC) !=
      SQLITE_OK)
    return std::nullopt;
  unsigned columns = 0;
  int result;
  while ((result = info.step()) == SQLITE_ROW) {
    const auto *name = reinterpret_cast<const char *>(sqlite3_column_text(info.get(), 0));
    for (const ColumnDefinition &definition : kColumns) {
      if (name && std::string_view(name) == definition.name)
        columns |= definition.column;
    }
  }
  if (result != SQLITE_DONE)
    return std::nullopt;
  return columns;
}

} // namespace

// --- Statements ------------------------------------------------------------------------

std::string lookupSql(const PairTable &table) {
  return std::string("SELECT rowid, ") + table.targetColumn() + ", " + table.counterColumn() +
         " FROM " + quotedIdentifier(table.name) + " WHERE " + table.sourceColumn() + " = ?1";
}

std::string rankedLookupSql(const PairTable &table) {
  return std::string("SELECT ") + table.targetColumn() + " FROM " + quotedIdentifier(table.name) +
         " WHERE " + table.sourceColumn() + " = ?1 ORDER BY " + table.counterColumn() + ", rowid";
}

std::string insertSql(const PairTable &table) {
  return "INSERT INTO " + quotedIdentifier(table.name) + " (" + table.sourceColumn() + ", " +
         table.targetColumn() + ", " + table.counterColumn() + ", " + table.otherCounterColumn() +
         ") VALUES (?1, ?2, ?3, 0)";
}

std::string addToCounterSql(const PairTable &table) {
  return "UPDATE " + quotedIdentifier(table.name) + " SET " + table.counterColumn() +
         " = ?1 WHERE rowid = ?2";
}

std::string deleteSql(const PairTable &table) {
  return "DELETE FROM " + quotedIdentifier(table.name) + " WHERE " + table.sourceColumn() +
         " = ?1 AND " + table.targetColumn() + " = ?2";
}

std::string searchSql(const PairTable &table, std::size_t words, bool allWords) {
  std::string condition;
  for (std::size_t i = 0; i < words; ++i) {
    if (i > 0)
      condition += allWords ? " AND " : " OR ";
    condition += std::string("(") + table.sourceColumn() + " LIKE ?" + std::to_string(i + 1) + ")";
  }
  return std::string("SELECT ") + table.sourceColumn() + ", " + table.targetColumn() + " FROM " +
         quotedIdentifier(table.name) + " WHERE (" + condition + ") ORDER BY " +
         table.counterColumn() + " DESC, rowid LIMIT " + std::to_string(MemoryStore::kSearchLimit);
}

std::string listSql(const PairTable &table) {
  return std::string("SELECT rowid, ") + table.sourceColumn() + ", " + table.targetColumn() + ", " +
         table.counterColumn() + " FROM " + quotedIdentifier(table.name) +
         " WHERE rowid > ?1 ORDER BY rowid LIMIT ?2";
}

// --- SqliteStore -----------------------------------------------------------------------

struct SqliteStore::Statements {
  Statement lookup;
  Statement rankedLookup;
  Statement insert;
  Statement addToCounter;
  Statement remove;
};

SqliteStore::SqliteStore() = default;

SqliteStore::~SqliteStore() {
  try {
    disconnect();
  } catch (...) {
  }
}

void SqliteStore::setFolder(std::u16string_view folder, bool create) {
  if (folder.empty())
    return;
  std::u16string text(folder);
#ifndef _WIN32
  // Callers written for Windows end the folder with a backslash; here that means "/".
  if (text.back() == u'\\')
    text.back() = u'/';
#endif
  const std::filesystem::path directory(text);
  std::error_code error;
  if (create && !std::filesystem::exists(directory, error))
    std::filesystem::create_directory(directory, error); // one level; a failure shows on open
  const std::u8string path = (directory / kDatabaseFileName).u8string();

  Operation operation(m_writer);
  m_path.assign(path.begin(), path.end());
}

bool SqliteStore::open() {
  if (m_path.empty() || !onlyRegularFiles(m_path))
    return false;
  sqlite3 *db = nullptr;
  // SQLite never writes over a file that is not a database: such a file fails below.
  const int opened =
      sqlite3_open_v2(m_path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (opened != SQLITE_OK) {
    noteSqliteFailure(db, opened);
    sqlite3_close(db);
    return false;
  }
  m_fileName = sqlite3_db_filename(db, "main");
  m_checkedFile.clear(); // another program may have damaged it since it was last open
  sqlite3_busy_handler(db, waitWhileBusy, &m_busyWait);
  // WAL lets readers go on while another program writes; NORMAL sync is safe with it.
  if (!registerTextFunctions(db) || !switchToWal(db, m_busyWait) ||
      !execute(db, "PRAGMA synchronous=NORMAL") || !execute(db, kCacheSize)) {
    sqlite3_close(db);
    return false;
  }
  m_db = db;
  return true;
}

void SqliteStore::close() {
  m_writer.close();
  if (m_db) {
    m_statements.reset();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
  }
  m_source = 0;
  m_target = 0;
}

bool SqliteStore::connect(std::int32_t source, std::int32_t target) {
  Operation operation(m_writer);
  if (source == 0 || target == 0)
    return false;
  if (!m_db && !open())
    return false;
  if (primaryLanguage(source) != primaryLanguage(m_source) ||
      primaryLanguage(target) != primaryLanguage(m_target))
    m_statements.reset();
  m_source = source;
  m_target = target;
  m_table = PairTable::forLanguages(source, target);
  if (!ensureTable()) {
    close();
    return false;
  }
  m_fuzzyRuns = {};
  // A memory from before the fuzzy search gets its index now; a failure (another program
  // holding the lock) leaves only the fuzzy search failing, and the next connect retries.
  if (!fuzzyIndexReady(m_db, m_table.name)) {
    Write write(m_writer);
    if (write.ok() && ensureFuzzyIndex(m_db, m_table.name))
      write.commit();
  }
  statements(); // prepared now; a failure leaves the data operations failing quietly
  return true;
}

bool SqliteStore::isOpen() const {
  std::lock_guard lock(m_writer.mutex());
  return m_db != nullptr;
}

void SqliteStore::disconnect() {
  Operation operation(m_writer);
  close();
}

// False only when the schema cannot be read at all; a table that could not be created
// (another program holding the lock too long) leaves the operations failing quietly.
bool SqliteStore::ensureTable() {
  const std::optional<unsigned> columns = existingColumns(m_db, m_table.name);
  if (!columns)
    return false;
  if (*columns == kAllColumns)
    return true;

  Write write(m_writer);
  if (!write.ok())
    return true;
  // Another program may have created the table since the first look.
  const std::optional<unsigned> present = existingColumns(m_db, m_table.name);
  if (!present)
    return true;
  const std::string table = quotedIdentifier(m_table.name);
  if (*present == 0) {
    std::string create = "CREATE TABLE " + table + " (";
    for (const ColumnDefinition &definition : kColumns) {
      create += std::string(definition.name) + " " + definition.type;
      create += definition.column == kCounter2 ? ")" : ", ";
    }
    if (!execute(m_db, create.c_str()))
      return true;
  }
  for (const ColumnDefinition &definition : kColumns) {
    if (*present & definition.column)
      continue;
    if (*present != 0) {
      const std::string add =
          "ALTER TABLE " + table + " ADD COLUMN " + definition.name + " " + definition.type;
      if (!execute(m_db, add.c_str()))
        return true;
    }
    // Only a column added here gets its index.
    if (definition.column == kText1 || definition.column == kText2) {
      const std::string index = "CREATE INDEX IF NOT EXISTS " +
                                quotedIdentifier(m_table.indexName(definition.name)) + " ON " +
                                table + " (" + definition.name + ")";
      if (!execute(m_db, index.c_str()))
        return true;
    }
  }
  write.commit();
  return true;
}

bool SqliteStore::connected() const {
  return m_db && m_source != 0 && m_target != 0;
}

SqliteStore::Statements *SqliteStore::statements() {
  if (m_statements)
    return m_statements.get();
  auto prepared = std::make_unique<Statements>();
  prepared->lookup = Statement(m_db, lookupSql(m_table));
  prepared->rankedLookup = Statement(m_db, rankedLookupSql(m_table));
  prepared->insert = Statement(m_db, insertSql(m_table));
  prepared->addToCounter = Statement(m_db, addToCounterSql(m_table));
  prepared->remove = Statement(m_db, deleteSql(m_table));
  if (!prepared->lookup || !prepared->rankedLookup || !prepared->insert ||
      !prepared->addToCounter || !prepared->remove)
    return nullptr;
  m_statements = std::move(prepared);
  return m_statements.get();
}

// --- Writing, for the batch writer ------------------------------------------------------

bool SqliteStore::inTransaction() const {
  return m_db && !sqlite3_get_autocommit(m_db);
}

// IMMEDIATE takes the write lock before reading, so that looking a pair up and then
// counting or adding it cannot interleave with another program doing the same.
bool SqliteStore::begin() {
  return execute(m_db, "BEGIN IMMEDIATE");
}

BatchOutcome::Failure SqliteStore::commit() {
  if (execute(m_db, "COMMIT"))
    return BatchOutcome::None;
  const BatchOutcome::Failure failure = lastFailure(); // before ROLLBACK clears it
  execute(m_db, "ROLLBACK");
  return failure;
}

void SqliteStore::rollback() {
  execute(m_db, "ROLLBACK");
}

BatchOutcome::Failure SqliteStore::lastFailure() const {
  return failureOf(sqlite3_extended_errcode(m_db));
}

void SqliteStore::sliceCommitted() {
  std::this_thread::sleep_for(kBatchYield);
}

// The first finding of SQLite's quick check, such as "Page 70: btreeInitPage() returns
// error code 11", is the damage; a check that cannot run is only noted. Checked once per
// opening: another program may damage the file between two openings.
WriteBackend::PageCheck SqliteStore::checkPages(std::string &finding) {
  if (m_checkedFile == m_fileName)
    return PageCheck::Whole;
  Statement check(m_db, "PRAGMA quick_check(1)");
  if (!check || check.step() != SQLITE_ROW)
    return PageCheck::NotRun;
  const auto *answer = reinterpret_cast<const char *>(sqlite3_column_text(check.get(), 0));
  std::string result = answer ? answer : "";
  if (result == "ok") {
    m_checkedFile = m_fileName;
    return PageCheck::Whole;
  }
  result.erase(0, result.find_last_of('\n') + 1);
  finding = "database disk image is malformed: " + result;
  return PageCheck::Damaged;
}

bool SqliteStore::beginBatch() {
  Operation operation(m_writer);
  if (!connected())
    return false;
  if (!m_writer.batchOpen())
    execute(m_db, kBatchCacheSize);
  m_writer.beginBatch();
  return true;
}

BatchOutcome SqliteStore::endBatch() {
  Operation operation(m_writer);
  if (!m_writer.batchOpen())
    return {};
  const BatchOutcome outcome = m_writer.endBatch();
  if (outcome.stored > 0)
    tidyFuzzyIndex(m_db, m_table.name, outcome.stored);
  execute(m_db, kCacheSize);
  execute(m_db, "PRAGMA shrink_memory");
  return outcome;
}

void SqliteStore::setBusyTimeout(std::chrono::milliseconds timeout) {
  Operation operation(m_writer);
  m_busyWait.timeout = std::max(timeout, std::chrono::milliseconds(0));
}

bool SqliteStore::learn(std::u16string_view source, std::u16string_view target,
                        std::int32_t increment) {
  Operation operation(m_writer);
  if (!connected() || m_writer.batchFailed())
    return false;
  const bool learnt = learnRow(source, target, increment);
  m_writer.learnt(learnt);
  return learnt;
}

bool SqliteStore::learnRow(std::u16string_view source, std::u16string_view target,
                           std::int32_t increment) {
  Statements *prepared = statements();
  if (!prepared)
    return false;
  Write write(m_writer);
  if (!write.ok())
    return false;

  // The first row with this source (equal without regard to case) whose target is
  // exactly this target, case included, gets the increment.
  std::optional<std::int64_t> rowid;
  std::int32_t counter = 0;
  {
    Statement &lookup = prepared->lookup;
    ResetGuard reset(lookup);
    if (!lookup.bindText(1, source))
      return false;
    int result;
    while ((result = lookup.step()) == SQLITE_ROW) {
      if (lookup.textColumn(1) == target) {
        rowid = lookup.intColumn(0);
        counter = clampToInt32(lookup.intColumn(2));
        break;
      }
    }
    if (!rowid && result != SQLITE_DONE)
      return false;
  }

  if (rowid) {
    Statement &update = prepared->addToCounter;
    ResetGuard reset(update);
    if (!update.bindInt(1, clampToInt32(std::int64_t(counter) + increment)) ||
        !update.bindInt(2, *rowid) || update.step() != SQLITE_DONE)
      return false;
  } else {
    Statement &insert = prepared->insert;
    ResetGuard reset(insert);
    if (!insert.bindText(1, source) || !insert.bindText(2, target) ||
        !insert.bindInt(3, increment) || insert.step() != SQLITE_DONE)
      return false;
  }
  return write.commit();
}

LookupResult SqliteStore::lookup(std::u16string_view text) {
  Operation operation(m_writer);
  LookupResult result;
  if (!connected())
    return result;
  Statements *prepared = statements();
  if (!prepared)
    return result;

  // The spaces around the query are not part of the key; they go around every answer.
  const QueryParts query = splitQuery(text);

  Statement &ranked = prepared->rankedLookup;
  ResetGuard reset(ranked);
  if (!ranked.bindText(1, query.key))
    return result;
  std::vector<std::u16string> &translations = result.translations;
  int step;
  while ((step = ranked.step()) == SQLITE_ROW) {
    const std::u16string_view target = ranked.textColumn(0);
    if (target.empty())
      continue;
    translations.push_back(query.wrap(target));
  }
  result.read = step == SQLITE_DONE;
  // Rows come least used first; the answer lists the most used first.
  std::reverse(translations.begin(), translations.end());
  return result;
}

SearchResult SqliteStore::search(const std::vector<std::u16string> &words, bool allWords) {
  Operation operation(m_writer);
  SearchResult result;
  if (!connected() || words.empty())
    return result;
  // A "%" or "_" the user typed stays a wildcard, as it always was. The patterns are
  // bound without copying, so they outlive the statement.
  std::vector<std::u16string> patterns;
  patterns.reserve(words.size());
  Statement query(m_db, searchSql(m_table, words.size(), allWords));
  if (!query)
    return result;
  for (std::size_t i = 0; i < words.size(); ++i) {
    patterns.push_back(u"%" + words[i] + u"%");
    if (!query.bindText(int(i + 1), patterns.back()))
      return result;
  }
  int step = SQLITE_DONE;
  while (result.targets.size() < kSearchLimit && (step = query.step()) == SQLITE_ROW) {
    result.sources.emplace_back(query.textColumn(0));
    result.targets.emplace_back(query.textColumn(1));
  }
  result.read = step == SQLITE_ROW || step == SQLITE_DONE;
  return result;
}

bool SqliteStore::deletePair(std::u16string_view source, std::u16string_view target) {
  Operation operation(m_writer);
  if (!connected())
    return false;
  Statements *prepared = statements();
  if (!prepared)
    return false;
  const bool deleted = deleteRows(*prepared, source, target);
  m_writer.wrote(deleted);
  return deleted;
}

bool SqliteStore::deleteRows(Statements &prepared, std::u16string_view source,
                             std::u16string_view target) {
  Write write(m_writer);
  if (!write.ok())
    return false;
  Statement &remove = prepared.remove;
  ResetGuard reset(remove);
  if (!remove.bindText(1, source) || !remove.bindText(2, target) || remove.step() != SQLITE_DONE)
    return false;
  return write.commit();
}

ListResult SqliteStore::list(std::int64_t after, std::int32_t limit) {
  Operation operation(m_writer);
  ListResult result;
  result.next = after;
  if (!connected() || limit <= 0)
    return result;
  Statement query(m_db, listSql(m_table));
  if (!query || !query.bindInt(1, after) || !query.bindInt(2, limit))
    return result;
  int step;
  while ((step = query.step()) == SQLITE_ROW) {
    result.next = query.intColumn(0);
    result.sources.emplace_back(query.textColumn(1));
    result.targets.emplace_back(query.textColumn(2));
    result.counters.push_back(std::int32_t(query.intColumn(3)));
  }
  result.read = step == SQLITE_DONE;
  return result;
}

FuzzyResult SqliteStore::fuzzy(std::u16string_view text, std::int32_t minScore,
                               std::int32_t maxCount) {
  Operation operation(m_writer);
  if (!connected())
    return {};
  return fuzzySearch(m_db, {m_table.name, m_table.sourceInText1}, text, minScore, maxCount,
                     &m_fuzzyRuns);
}

// --- Whole-memory access, for copying ---------------------------------------------------

bool SqliteStore::openExisting() {
  Operation operation(m_writer);
  if (m_db)
    return true;
  std::error_code error;
  const std::filesystem::path path(std::u8string(m_path.begin(), m_path.end()));
  return !m_path.empty() && std::filesystem::is_regular_file(path, error) && open();
}

bool SqliteStore::openOrCreate() {
  Operation operation(m_writer);
  if (m_db)
    return true;
  // The folder is made only now, when something is written into it (one level).
  const std::filesystem::path path(std::u8string(m_path.begin(), m_path.end()));
  std::error_code error;
  if (!m_path.empty() && !std::filesystem::exists(path.parent_path(), error))
    std::filesystem::create_directory(path.parent_path(), error);
  return open();
}

std::optional<std::vector<std::string>> SqliteStore::pairTables() {
  Operation operation(m_writer);
  if (!m_db)
    return std::nullopt;
  Statement query(m_db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
  if (!query)
    return std::nullopt;
  std::vector<std::string> names;
  int step;
  while ((step = query.step()) == SQLITE_ROW) {
    const auto *name = reinterpret_cast<const char *>(sqlite3_column_text(query.get(), 0));
    if (name && isPairTableName(name))
      names.emplace_back(name);
  }
  if (step != SQLITE_DONE)
    return std::nullopt;
  return names;
}

std::optional<std::int64_t> SqliteStore::countRows(const std::string &table) {
  Operation operation(m_writer);
  if (!m_db || !isPairTableName(table))
    return std::nullopt;
  const std::optional<unsigned> columns = existingColumns(m_db, table);
  if (!columns)
    return std::nullopt;
  if (*columns == 0)
    return 0; // no such table yet
  Statement query(m_db, "SELECT count(*) FROM " + quotedIdentifier(table));
  if (!query || query.step() != SQLITE_ROW)
    return std::nullopt;
  return query.intColumn(0);
}

RowSlice SqliteStore::readRows(const std::string &table, std::int64_t after, std::int32_t limit) {
  Operation operation(m_writer);
  RowSlice slice;
  slice.next = after;
  if (!m_db || !isPairTableName(table))
    return slice;
  Statement query(m_db, "SELECT rowid, Text1, Text2, Counter1, Counter2 FROM " +
                            quotedIdentifier(table) + " WHERE rowid > ?1 ORDER BY rowid LIMIT ?2");
  if (!query || !query.bindInt(1, after) || !query.bindInt(2, limit))
    return slice;
  int step;
  while ((step = query.step()) == SQLITE_ROW) {
    slice.next = query.intColumn(0);
    slice.rows.push_back({std::u16string(query.textColumn(1)), std::u16string(query.textColumn(2)),
                          clampToInt32(query.intColumn(3)), clampToInt32(query.intColumn(4))});
  }
  slice.read = step == SQLITE_DONE;
  return slice;
}

bool SqliteStore::beginImport() {
  Operation operation(m_writer);
  return m_db && m_writer.beginImport();
}

bool SqliteStore::importRows(const std::string &table, const std::vector<StoredRow> &rows,
                             bool merge) {
  Operation operation(m_writer);
  if (!m_db || !m_writer.importing() || !isPairTableName(table))
    return false;
  if (m_table.name != table) {
    m_statements.reset();
    m_table = PairTable{table, true};
    const std::optional<unsigned> columns = existingColumns(m_db, table);
    if (!columns || (*columns != kAllColumns &&
                     (!ensureTable() || existingColumns(m_db, table) != kAllColumns)))
      return false;
  }
  const std::string name = quotedIdentifier(table);
  Statement insert(m_db, "INSERT INTO " + name +
                             " (Text1, Text2, Counter1, Counter2) VALUES (?1, ?2, ?3, ?4)");
  Statement find(m_db, "SELECT rowid, Text1, Text2 FROM " + name +
                           " WHERE Text1 = ?1 AND Text2 = ?2 ORDER BY rowid");
  Statement add(m_db, "UPDATE " + name +
                          " SET Counter1 = max(-2147483648, min(2147483647, Counter1 + ?1)), "
                          "Counter2 = max(-2147483648, min(2147483647, Counter2 + ?2)) "
                          "WHERE rowid = ?3");
  if (!insert || !find || !add)
    return false;
  for (const StoredRow &row : rows) {
    std::optional<std::int64_t> rowid;
    if (merge) {
      ResetGuard reset(find);
      if (!find.bindText(1, row.text1) || !find.bindText(2, row.text2))
        return false;
      int step;
      while ((step = find.step()) == SQLITE_ROW) {
        if (find.textColumn(1) == row.text1 && find.textColumn(2) == row.text2) {
          rowid = find.intColumn(0);
          break;
        }
      }
      if (!rowid && step != SQLITE_DONE)
        return false;
    }
    if (rowid) {
      ResetGuard reset(add);
      if (!add.bindInt(1, row.counter1) || !add.bindInt(2, row.counter2) ||
          !add.bindInt(3, *rowid) || add.step() != SQLITE_DONE)
        return false;
    } else {
      ResetGuard reset(insert);
      if (!insert.bindText(1, row.text1) || !insert.bindText(2, row.text2) ||
          !insert.bindInt(3, row.counter1) || !insert.bindInt(4, row.counter2) ||
          insert.step() != SQLITE_DONE)
        return false;
    }
  }
  return true;
}

bool SqliteStore::endImport(bool commit) {
  Operation operation(m_writer);
  if (!m_db || !m_writer.importing())
    return false;
  m_statements.reset();
  m_source = m_target = 0;
  return m_writer.endImport(commit);
}

std::string SqliteStore::lastError() const {
  std::lock_guard lock(m_writer.mutex());
  if (m_db)
    return sqlite3_errmsg(m_db);
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::path(std::u8string(m_path.begin(), m_path.end())),
                               error))
    return "there is no memory file " + m_path;
  return "the memory file " + m_path + " cannot be opened as a memory";
}

std::string SqliteStore::identity() {
  std::lock_guard lock(m_writer.mutex());
  std::error_code error;
  const std::filesystem::path path(std::u8string(m_path.begin(), m_path.end()));
  const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
  return error || m_path.empty() ? std::string() : "file:" + real.string();
}

} // namespace kestrine

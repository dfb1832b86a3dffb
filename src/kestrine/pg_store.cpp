// The server store: its schema, its statements, sessions that are lost and reopened.
#include "pg_store.h"

#include "failure_note.h"
#include "store_text.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <thread>

namespace kestrine {

namespace {

using Clock = std::chrono::steady_clock;
using pg::kSchemaLock;
using pg::Parameters;

// FNV-1a over the table and the folded pair in the table's order: clients learning the
// same pair in either direction take the same lock; a collision only makes two unrelated
// pairs wait for each other.
std::int64_t pairKey(const std::string &table, const std::string &text1, const std::string &text2) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  auto mix = [&hash](const std::string &text) {
    for (const char c : text) {
      hash ^= static_cast<unsigned char>(c);
      hash *= 0x100000001b3ULL;
    }
    hash ^= 0x1F;
    hash *= 0x100000001b3ULL;
  };
  mix(table);
  mix(text1);
  mix(text2);
  return std::int64_t(hash);
}

bool lockTimedOut(const std::string &state) {
  return state == "55P03" || state == "40P01"; // lock_not_available, deadlock_detected
}

void replaceAll(std::string &text, std::string_view token, const std::string &by) {
  for (std::size_t at = text.find(token); at != std::string::npos;
       at = text.find(token, at + by.size()))
    text.replace(at, token.size(), by);
}

} // namespace

bool isServerLocation(std::u16string_view location) {
  for (std::u16string_view scheme : {u"postgresql://", u"postgres://"}) {
    if (location.size() < scheme.size())
      continue;
    bool same = true;
    for (std::size_t i = 0; i < scheme.size() && same; ++i) {
      const char16_t c = location[i];
      same = (c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c) == scheme[i];
    }
    if (same)
      return true;
  }
  return false;
}

PgStore::PgStore() = default;

PgStore::~PgStore() {
  try {
    disconnect();
  } catch (...) {
  }
}

void PgStore::setLocation(std::u16string_view uri) {
  Operation operation(m_writer);
  m_uri = pg::toUtf8(uri);
}

bool PgStore::isOpen() const {
  std::lock_guard lock(m_writer.mutex());
  return m_db.isOpen() || connected();
}

std::string PgStore::sql(const char *pattern) const {
  const bool forward = m_table.sourceInText1;
  std::string text = pattern;
  replaceAll(text, "{T}", quotedIdentifier(m_table.name));
  replaceAll(text, "{S}", forward ? "\"Text1\"" : "\"Text2\"");
  replaceAll(text, "{G}", forward ? "\"Text2\"" : "\"Text1\"");
  replaceAll(text, "{FS}", forward ? "\"Fold1\"" : "\"Fold2\"");
  replaceAll(text, "{FG}", forward ? "\"Fold2\"" : "\"Fold1\"");
  replaceAll(text, "{KS}", forward ? "\"Grams1\"" : "\"Grams2\"");
  replaceAll(text, "{KG}", forward ? "\"Grams2\"" : "\"Grams1\"");
  replaceAll(text, "{C}", forward ? "\"Counter1\"" : "\"Counter2\"");
  replaceAll(text, "{O}", forward ? "\"Counter2\"" : "\"Counter1\"");
  return text;
}

bool PgStore::open() {
  m_fuzzy.forget();
  if (m_uri.empty() || !m_db.open(m_uri))
    return false;
  if (!applyLockTimeout() || !applyStatementTimeout()) {
    m_db.close();
    return false;
  }
  return true;
}

bool PgStore::applyLockTimeout() {
  return m_db.command("SET lock_timeout = " + std::to_string(m_busyTimeout.count()));
}

// No statement runs for ever, unless the location asks for a limit of its own.
bool PgStore::applyStatementTimeout() {
  if (m_uri.find("statement_timeout") != std::string::npos)
    return true;
  return m_db.command("SET statement_timeout = " +
                      std::to_string(pg::kStatementTimeoutMilliseconds));
}

void PgStore::close() {
  m_writer.close();
  m_db.close();
  m_source = m_target = 0;
}

// Connected means a language pair was chosen; the session itself may have been lost since
// and is opened again by the next call (see ready).
bool PgStore::connected() const {
  return m_source != 0 && m_target != 0;
}

bool PgStore::ready() {
  if (!connected())
    return false;
  if (m_db.isOpen() && !m_db.broken())
    return true;
  return recover();
}

bool PgStore::connect(std::int32_t source, std::int32_t target) {
  Operation operation(m_writer);
  if (source == 0 || target == 0)
    return false;
  if (m_db.isOpen() && m_db.broken())
    m_db.close();
  if (!m_db.isOpen() && !open())
    return false;
  if (m_db.inTransaction())
    m_writer.commitSlice(); // a batch's pairs belong to the pair they were learnt for
  m_source = source;
  m_target = target;
  m_table = PairTable::forLanguages(source, target);
  if (!ensureTable()) {
    close();
    return false;
  }
  // Readied now, as the file store readies its index; without it only the fuzzy search fails.
  m_fuzzy.ensure(m_db, m_table);
  return true;
}

void PgStore::disconnect() {
  Operation operation(m_writer);
  close();
}

// False only when the catalogue cannot be read; a table that could not be created leaves
// the operations failing quietly, as in the file store.
bool PgStore::ensureTable(bool within) {
  pg::Result found =
      m_db.run("SELECT to_regclass($1) IS NOT NULL", {quotedIdentifier(m_table.name)});
  if (!found.ok() || found.rows() != 1)
    return false;
  if (found.text(0, 0) == "t")
    return true;
  const std::string table = quotedIdentifier(m_table.name);
  std::string create = std::string(within ? "" : "BEGIN; ") + "SELECT pg_advisory_xact_lock(" +
                       std::to_string(kSchemaLock) + "); CREATE TABLE IF NOT EXISTS " + table +
                       " (\"Id\" bigserial PRIMARY KEY, \"Text1\" text NOT NULL, \"Text2\" text "
                       "NOT NULL, \"Counter1\" integer NOT NULL, \"Counter2\" integer NOT NULL, "
                       "\"Fold1\" text COLLATE \"C\" NOT NULL, \"Fold2\" text COLLATE \"C\" NOT "
                       "NULL, \"Grams1\" text COLLATE \"C\", \"Grams2\" text COLLATE \"C\");";
  for (const char *column : {"Fold1", "Fold2"})
    create += " CREATE INDEX IF NOT EXISTS " + quotedIdentifier(m_table.indexName(column)) +
              " ON " + table + " (" + quotedIdentifier(column) + ");";
  if (within)
    return m_db.command(create);
  create += " COMMIT";
  if (!m_db.command(create))
    m_db.command("ROLLBACK");
  return true;
}

// --- Writing, for the batch writer ------------------------------------------------------

// COMMIT of a failed transaction answers ROLLBACK without an error, so such a one is
// rolled back and fails with the statement that failed it.
BatchOutcome::Failure PgStore::commit() {
  if (m_db.transactionFailed()) {
    m_db.exec("ROLLBACK");
    return lastFailure();
  }
  pg::Result result = m_db.exec("COMMIT");
  if (result.ok())
    return BatchOutcome::None;
  m_lastState = result.sqlState();
  m_db.command("ROLLBACK");
  return lastFailure();
}

BatchOutcome::Failure PgStore::lastFailure() const {
  return lockTimedOut(m_lastState) ? BatchOutcome::Busy : BatchOutcome::Failed;
}

bool PgStore::beginBatch() {
  Operation operation(m_writer);
  if (!connected())
    return false;
  m_writer.beginBatch();
  return true;
}

BatchOutcome PgStore::endBatch() {
  Operation operation(m_writer);
  return m_writer.endBatch();
}

void PgStore::setBusyTimeout(std::chrono::milliseconds timeout) {
  Operation operation(m_writer);
  m_busyTimeout = std::max(timeout, std::chrono::milliseconds(0));
  if (m_db.isOpen() && !m_db.broken())
    applyLockTimeout();
}

// The connection was lost: reopen it once. Pairs of a batch that were not yet committed
// went with the old session, which fails the batch.
bool PgStore::recover() {
  const bool lost = m_writer.loseSlice();
  m_db.close();
  if (!open())
    return false;
  return !lost;
}

// Whether a failed call should run once more on a new connection.
bool PgStore::retryAfter(bool succeeded) {
  return !succeeded && m_db.isOpen() && m_db.broken() && recover();
}

bool PgStore::lockPair(std::int64_t key) {
  const std::string number = std::to_string(key);
  if (!m_writer.batchOpen()) {
    pg::Result result = m_db.exec("SELECT pg_advisory_xact_lock(" + number + ")");
    m_lastState = result.sqlState();
    return result.ok();
  }
  // Inside a batch other pairs' locks are held: waiting while holding them could deadlock,
  // so they are committed (and released) before the wait.
  pg::Result tried = m_db.exec("SELECT pg_try_advisory_xact_lock(" + number + ")");
  m_lastState = tried.sqlState();
  if (!tried.ok() || tried.rows() != 1)
    return false;
  if (tried.text(0, 0) == "t")
    return true;
  if (!m_writer.restartSlice())
    return false;
  pg::Result waited = m_db.exec("SELECT pg_advisory_xact_lock(" + number + ")");
  m_lastState = waited.sqlState();
  return waited.ok();
}

bool PgStore::learn(std::u16string_view source, std::u16string_view target,
                    std::int32_t increment) {
  Operation operation(m_writer);
  if (!connected() || m_writer.batchFailed() || !ready())
    return false;
  bool learnt = learnRow(source, target, increment);
  if (retryAfter(learnt))
    learnt = learnRow(source, target, increment);
  m_writer.learnt(learnt);
  return learnt;
}

bool PgStore::learnRow(std::u16string_view source, std::u16string_view target,
                       std::int32_t increment) {
  Write write(m_writer);
  if (!write.ok())
    return false;
  const std::string sourceText = pg::toUtf8(source);
  const std::string targetText = pg::toUtf8(target);
  const std::string sourceFold = pg::folded(source);
  const std::string targetFold = pg::folded(target);
  const bool forward = m_table.sourceInText1;
  if (!lockPair(pairKey(m_table.name, forward ? sourceFold : targetFold,
                        forward ? targetFold : sourceFold)))
    return false;

  // The first row with this source (equal without regard to case) whose target is
  // exactly this target, case included, gets the increment.
  pg::Result rows = m_db.run(
      sql("SELECT \"Id\", {G}, {C} FROM {T} WHERE {FS} = $1 ORDER BY \"Id\""), {sourceFold});
  m_lastState = rows.sqlState();
  if (!rows.ok())
    return false;
  for (int row = 0; row < rows.rows(); ++row) {
    if (rows.text(row, 1) != targetText)
      continue;
    const std::int32_t counter = clampToInt32(rows.integer(row, 2) + std::int64_t(increment));
    pg::Result updated = m_db.run(sql("UPDATE {T} SET {C} = $1 WHERE \"Id\" = $2"),
                                  {std::to_string(counter), std::string(rows.text(row, 0))});
    m_lastState = updated.sqlState();
    return updated.ok() && write.commit();
  }
  pg::Result inserted =
      m_db.run(sql("INSERT INTO {T} ({S}, {G}, {FS}, {FG}, {KS}, {KG}, {C}, {O}) "
                   "VALUES ($1, $2, $3, $4, $5, $6, $7, 0)"),
               {sourceText, targetText, sourceFold, targetFold, trigramKey(source),
                trigramKey(target), std::to_string(increment)});
  m_lastState = inserted.sqlState();
  return inserted.ok() && write.commit();
}

LookupResult PgStore::lookup(std::u16string_view text) {
  Operation operation(m_writer);
  if (!ready())
    return {};
  LookupResult result = lookupRows(text);
  if (retryAfter(result.read))
    result = lookupRows(text);
  return result;
}

LookupResult PgStore::lookupRows(std::u16string_view text) {
  LookupResult result;
  // The spaces around the query are not part of the key; they go around every answer.
  const QueryParts query = splitQuery(text);
  pg::Result rows = m_db.run(sql("SELECT {G} FROM {T} WHERE {FS} = $1 ORDER BY {C}, \"Id\""),
                             {pg::folded(query.key)});
  if (!rows.ok())
    return result;
  // Rows come least used first; the answer lists the most used first.
  for (int row = rows.rows() - 1; row >= 0; --row) {
    const std::string_view target = rows.text(row, 0);
    if (target.empty())
      continue;
    result.translations.push_back(query.wrap(pg::toUtf16(target)));
  }
  result.read = true;
  return result;
}

SearchResult PgStore::search(const std::vector<std::u16string> &words, bool allWords) {
  Operation operation(m_writer);
  if (words.empty() || !ready())
    return {};
  SearchResult result = searchRows(words, allWords);
  if (retryAfter(result.read))
    result = searchRows(words, allWords);
  return result;
}

SearchResult PgStore::searchRows(const std::vector<std::u16string> &words, bool allWords) {
  SearchResult result;
  // "%" and "_" stay wildcards, as they always were; nothing escapes them.
  std::string condition;
  Parameters patterns;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0)
      condition += allWords ? " AND " : " OR ";
    condition += "({FS} LIKE $" + std::to_string(i + 1) + " ESCAPE '')";
    patterns.push_back("%" + pg::folded(words[i]) + "%");
  }
  pg::Result rows =
      m_db.run(sql(("SELECT {S}, {G} FROM {T} WHERE (" + condition +
                    ") ORDER BY {C} DESC, \"Id\" LIMIT " + std::to_string(kSearchLimit))
                       .c_str()),
               patterns);
  if (!rows.ok())
    return result;
  for (int row = 0; row < rows.rows(); ++row) {
    result.sources.push_back(pg::toUtf16(rows.text(row, 0)));
    result.targets.push_back(pg::toUtf16(rows.text(row, 1)));
  }
  result.read = true;
  return result;
}

FuzzyResult PgStore::fuzzy(std::u16string_view text, std::int32_t minScore, std::int32_t maxCount) {
  Operation operation(m_writer);
  if (!ready())
    return {};
  FuzzyResult result = fuzzyRows(text, minScore, maxCount);
  if (retryAfter(result.read))
    result = fuzzyRows(text, minScore, maxCount);
  return result;
}

// An index that could not be made at connecting is tried again: its extension may have
// been installed since.
FuzzyResult PgStore::fuzzyRows(std::u16string_view text, std::int32_t minScore,
                               std::int32_t maxCount) {
  const std::string problem = m_fuzzy.ensure(m_db, m_table);
  if (!problem.empty()) {
    clearFailure(); // what the server said is part of the problem
    noteFailure(problem);
    return {};
  }
  return m_fuzzy.search(m_db, m_table, text, minScore, maxCount);
}

bool PgStore::deletePair(std::u16string_view source, std::u16string_view target) {
  Operation operation(m_writer);
  if (!ready())
    return false;
  bool deleted = deleteRows(source, target);
  if (retryAfter(deleted))
    deleted = deleteRows(source, target);
  m_writer.wrote(deleted);
  return deleted;
}

bool PgStore::deleteRows(std::u16string_view source, std::u16string_view target) {
  Write write(m_writer);
  if (!write.ok())
    return false;
  pg::Result result = m_db.run(sql("DELETE FROM {T} WHERE {FS} = $1 AND {FG} = $2"),
                               {pg::folded(source), pg::folded(target)});
  m_lastState = result.sqlState();
  return result.ok() && write.commit();
}

ListResult PgStore::list(std::int64_t after, std::int32_t limit) {
  Operation operation(m_writer);
  if (limit <= 0 || !ready()) {
    ListResult result;
    result.next = after;
    return result;
  }
  ListResult result = listRows(after, limit);
  if (retryAfter(result.read))
    result = listRows(after, limit);
  return result;
}

ListResult PgStore::listRows(std::int64_t after, std::int32_t limit) {
  ListResult result;
  result.next = after;
  pg::Result rows = m_db.run(
      sql("SELECT \"Id\", {S}, {G}, {C} FROM {T} WHERE \"Id\" > $1 ORDER BY \"Id\" LIMIT $2"),
      {std::to_string(after), std::to_string(limit)});
  if (!rows.ok())
    return result;
  for (int row = 0; row < rows.rows(); ++row) {
    result.next = rows.integer(row, 0);
    result.sources.push_back(pg::toUtf16(rows.text(row, 1)));
    result.targets.push_back(pg::toUtf16(rows.text(row, 2)));
    result.counters.push_back(clampToInt32(rows.integer(row, 3)));
  }
  result.read = true;
  return result;
}

std::string PgStore::probe(const std::string &uri) {
  pg::Connection connection;
  if (!connection.open(uri))
    return connection.error();
  // Tables made beforehand by an administrator serve as well as the right to make them.
  pg::Result allowed = connection.exec(
      "SELECT current_schema() IS NOT NULL AND (has_schema_privilege(current_schema(), "
      "'CREATE') OR EXISTS (SELECT 1 FROM pg_catalog.pg_class WHERE relkind = 'r' AND "
      "relnamespace = current_schema()::regnamespace AND relname ~ '^[0-9]+to[0-9]+$'))");
  if (!allowed.ok())
    return connection.error();
  if (allowed.text(0, 0) != "t")
    return "the user may not create tables in the database's schema, and it holds none";
  return {};
}

// --- Whole-memory access, for copying ---------------------------------------------------

bool PgStore::openExisting() {
  Operation operation(m_writer);
  return (m_db.isOpen() && !m_db.broken()) || open();
}

bool PgStore::openOrCreate() {
  return openExisting(); // a server's database exists or cannot be made by us
}

std::optional<std::vector<std::string>> PgStore::pairTables() {
  Operation operation(m_writer);
  pg::Result names = m_db.exec("SELECT c.relname FROM pg_catalog.pg_class c WHERE c.relkind = "
                               "'r' AND c.relnamespace = current_schema()::regnamespace ORDER "
                               "BY c.relname");
  if (!names.ok())
    return std::nullopt;
  std::vector<std::string> tables;
  for (int row = 0; row < names.rows(); ++row) {
    const std::string name(names.text(row, 0));
    if (isPairTableName(name))
      tables.push_back(name);
  }
  return tables;
}

std::optional<std::int64_t> PgStore::countRows(const std::string &table) {
  Operation operation(m_writer);
  if (!isPairTableName(table))
    return std::nullopt;
  pg::Result found = m_db.run("SELECT to_regclass($1) IS NOT NULL", {quotedIdentifier(table)});
  if (!found.ok() || found.rows() != 1)
    return std::nullopt;
  if (found.text(0, 0) != "t")
    return 0;
  pg::Result count = m_db.exec("SELECT count(*) FROM " + quotedIdentifier(table));
  if (!count.ok() || count.rows() != 1)
    return std::nullopt;
  return count.integer(0, 0);
}

RowSlice PgStore::readRows(const std::string &table, std::int64_t after, std::int32_t limit) {
  Operation operation(m_writer);
  RowSlice slice;
  slice.next = after;
  if (!isPairTableName(table))
    return slice;
  pg::Result rows =
      m_db.run("SELECT \"Id\", \"Text1\", \"Text2\", \"Counter1\", \"Counter2\" FROM " +
                   quotedIdentifier(table) + " WHERE \"Id\" > $1 ORDER BY \"Id\" LIMIT $2",
               {std::to_string(after), std::to_string(limit)});
  if (!rows.ok())
    return slice;
  for (int row = 0; row < rows.rows(); ++row) {
    slice.next = rows.integer(row, 0);
    slice.rows.push_back({pg::toUtf16(rows.text(row, 1)), pg::toUtf16(rows.text(row, 2)),
                          clampToInt32(rows.integer(row, 3)), clampToInt32(rows.integer(row, 4))});
  }
  slice.read = true;
  return slice;
}

bool PgStore::beginImport() {
  Operation operation(m_writer);
  return m_db.isOpen() && m_writer.beginImport();
}

// Many rows to one statement: a round trip per row would make large copies slow.
bool PgStore::insertRows(const std::string &name, const std::vector<const StoredRow *> &rows) {
  constexpr std::size_t kRowsPerInsert = 500;
  constexpr std::size_t kColumns = 8;
  for (std::size_t first = 0; first < rows.size(); first += kRowsPerInsert) {
    const std::size_t count = std::min(kRowsPerInsert, rows.size() - first);
    std::string sql = "INSERT INTO " + name +
                      " (\"Text1\", \"Text2\", \"Fold1\", \"Fold2\", \"Grams1\", \"Grams2\", "
                      "\"Counter1\", \"Counter2\") VALUES ";
    pg::Parameters values;
    values.reserve(count * kColumns);
    for (std::size_t i = 0; i < count; ++i) {
      const StoredRow &row = *rows[first + i];
      const std::size_t base = i * kColumns;
      sql += (i ? ", (" : "(");
      for (std::size_t k = 1; k <= kColumns; ++k)
        sql += "$" + std::to_string(base + k) + (k < kColumns ? ", " : ")");
      values.push_back(pg::toUtf8(row.text1));
      values.push_back(pg::toUtf8(row.text2));
      values.push_back(pg::folded(row.text1));
      values.push_back(pg::folded(row.text2));
      values.push_back(trigramKey(row.text1));
      values.push_back(trigramKey(row.text2));
      values.push_back(std::to_string(row.counter1));
      values.push_back(std::to_string(row.counter2));
    }
    if (!m_db.run(sql, values).ok())
      return false;
  }
  return true;
}

bool PgStore::importRows(const std::string &table, const std::vector<StoredRow> &rows, bool merge) {
  Operation operation(m_writer);
  if (!m_writer.importing() || !isPairTableName(table))
    return false;
  if (m_table.name != table) {
    m_table = PairTable{table, true};
    if (!ensureTable(true))
      return false;
  }
  const std::string name = quotedIdentifier(table);
  std::vector<const StoredRow *> inserts;
  for (const StoredRow &row : rows) {
    if (!merge) {
      inserts.push_back(&row);
      continue;
    }
    pg::Result found = m_db.run("SELECT \"Id\", \"Text1\", \"Text2\" FROM " + name +
                                    " WHERE \"Fold1\" = $1 AND \"Fold2\" = $2 ORDER BY \"Id\"",
                                {pg::folded(row.text1), pg::folded(row.text2)});
    if (!found.ok())
      return false;
    const std::string text1 = pg::toUtf8(row.text1);
    const std::string text2 = pg::toUtf8(row.text2);
    int match = -1;
    for (int k = 0; k < found.rows() && match < 0; ++k) {
      if (found.text(k, 1) == text1 && found.text(k, 2) == text2)
        match = k;
    }
    if (match < 0) {
      // At once: a later row of this slice may match it.
      if (!insertRows(name, {&row}))
        return false;
      continue;
    }
    pg::Result added = m_db.run(
        "UPDATE " + name +
            " SET \"Counter1\" = greatest(-2147483648, least(2147483647, \"Counter1\"::bigint + "
            "$1))::integer, \"Counter2\" = greatest(-2147483648, least(2147483647, "
            "\"Counter2\"::bigint + $2))::integer WHERE \"Id\" = $3",
        {std::to_string(row.counter1), std::to_string(row.counter2),
         std::string(found.text(match, 0))});
    if (!added.ok())
      return false;
  }
  return insertRows(name, inserts);
}

bool PgStore::endImport(bool commit) {
  Operation operation(m_writer);
  if (!m_writer.importing())
    return false;
  m_source = m_target = 0;
  m_table = PairTable();
  return m_writer.endImport(commit);
}

std::string PgStore::lastError() const {
  std::lock_guard lock(m_writer.mutex());
  return m_db.error();
}

std::string PgStore::identity() {
  std::lock_guard lock(m_writer.mutex());
  // The address the server was reached by can be spelt many ways; its port, the time it
  // started and the database's number cannot.
  pg::Result row = m_db.exec(
      "SELECT 'server:' || current_setting('port') || ' ' || pg_postmaster_start_time() || ' ' "
      "|| d.oid || ' ' || coalesce(current_schema(), '') FROM pg_catalog.pg_database d WHERE "
      "d.datname = current_database()");
  return row.ok() && row.rows() == 1 ? std::string(row.text(0, 0)) : std::string();
}

} // namespace kestrine

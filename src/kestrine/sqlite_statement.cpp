// Prepared statements that finalize themselves, and the noting of what SQLite said.
#include "sqlite_statement.h"

#include "failure_note.h"

namespace kestrine {

namespace {

// A file that is no database, or one whose pages do not hold together.
bool isDamage(int code) {
  code &= 0xFF;
  return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

} // namespace

void noteSqliteFailure(sqlite3 *db, int code) {
  const char *file = db ? sqlite3_db_filename(db, "main") : nullptr;
  const char *message = db && sqlite3_errcode(db) != SQLITE_OK ? sqlite3_errmsg(db) : nullptr;
  const std::string_view text = message ? message : sqlite3_errstr(code);
  if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED)
    noteBusy(text);
  else
    noteFailure(text, isDamage(code) && file ? std::string(file) : std::string());
}

Statement::Statement(sqlite3 *db, const std::string &sql) {
  const int code = sqlite3_prepare_v2(db, sql.c_str(), int(sql.size() + 1), &m_statement, nullptr);
  if (code != SQLITE_OK) {
    noteSqliteFailure(db, code);
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
  }
}

int Statement::step() {
  const int code = sqlite3_step(m_statement);
  if (code != SQLITE_ROW && code != SQLITE_DONE)
    noteSqliteFailure(sqlite3_db_handle(m_statement), code);
  return code;
}

bool Statement::bindText(int index, std::u16string_view text) {
  // A null pointer would bind NULL, and an empty text must stay an empty text.
  const char16_t *data = text.empty() ? u"" : text.data();
  return sqlite3_bind_text16(m_statement, index, data, int(text.size() * sizeof(char16_t)),
                             SQLITE_STATIC) == SQLITE_OK;
}

bool Statement::bindInt(int index, std::int64_t value) {
  return sqlite3_bind_int64(m_statement, index, value) == SQLITE_OK;
}

void Statement::reset() {
  if (!m_statement)
    return;
  sqlite3_reset(m_statement);
  sqlite3_clear_bindings(m_statement);
}

std::u16string_view Statement::textColumn(int column) const {
  const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(m_statement, column));
  if (!text)
    return {};
  return std::u16string_view(text, std::size_t(sqlite3_column_bytes16(m_statement, column)) / 2);
}

bool execute(sqlite3 *db, const char *sql) {
  const int code = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  if (code == SQLITE_OK)
    return true;
  noteSqliteFailure(db, code);
  return false;
}

} // namespace kestrine

#include "sqlite_statement.h"

namespace kestrine {

Statement::Statement(sqlite3 *db, const std::string &sql) {
  if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size() + 1), &m_statement, nullptr) !=
      SQLITE_OK) {
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
  }
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
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace kestrine

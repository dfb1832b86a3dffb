// Prepared SQLite statements that finalize themselves, and a guard that resets them.
#pragma once

// A prepared SQLite statement that finalizes itself, and a guard that resets one after
// use so that no statement keeps a read cursor (and its lock) open between calls.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kestrine {

class Statement {
public:
  Statement() = default;
  Statement(sqlite3 *db, const std::string &sql);
  ~Statement() { sqlite3_finalize(m_statement); }

  Statement(Statement &&other) noexcept : m_statement(std::exchange(other.m_statement, nullptr)) {}
  Statement &operator=(Statement &&other) noexcept {
    std::swap(m_statement, other.m_statement);
    return *this;
  }
  Statement(const Statement &) = delete;
  Statement &operator=(const Statement &) = delete;

  explicit operator bool() const { return m_statement != nullptr; }
  sqlite3_stmt *get() const { return m_statement; }

  // Texts are bound without copying: they must outlive the step that uses them, which
  // every caller guarantees by resetting the statement before it returns.
  bool bindText(int index, std::u16string_view text);
  bool bindInt(int index, std::int64_t value);

  // A failure is noted (see failure_note.h) before it is returned.
  int step();
  void reset();

  // A NULL column reads as an empty text.
  std::u16string_view textColumn(int column) const;
  std::int64_t intColumn(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
  sqlite3_stmt *m_statement = nullptr;
};

class ResetGuard {
public:
  explicit ResetGuard(Statement &statement) : m_statement(statement) {}
  ~ResetGuard() { m_statement.reset(); }
  ResetGuard(const ResetGuard &) = delete;
  ResetGuard &operator=(const ResetGuard &) = delete;

private:
  Statement &m_statement;
};

// Runs statements that return no rows; false on any error, which is noted.
bool execute(sqlite3 *db, const char *sql);

// Notes why a call on the connection failed; a damaged file is named as such.
void noteSqliteFailure(sqlite3 *db, int code);

} // namespace kestrine

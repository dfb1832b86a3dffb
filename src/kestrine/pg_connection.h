// A libpq connection: cached prepared statements, texts as parameters, UTF-8 conversion.
#pragma once

// A libpq connection with the few things the server store needs: statements prepared once
// per connection and cached by their text, texts passed as parameters (never spliced into
// SQL), and results that free themselves.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct pg_conn;
struct pg_result;

namespace kestrine::pg {

// UTF-16 to UTF-8 and back. A lone surrogate, which UTF-8 cannot carry and the server
// would refuse, becomes U+FFFD.
std::string toUtf8(std::u16string_view text);
std::u16string toUtf16(std::string_view text);
// The text folded unit by unit with the program's case table, in UTF-8: the form the
// server compares, so that equality and LIKE agree with the file store.
std::string folded(std::u16string_view text);

class Result {
public:
  Result() = default;
  explicit Result(pg_result *result);
  ~Result();
  Result(Result &&other) noexcept;
  Result &operator=(Result &&other) noexcept;
  Result(const Result &) = delete;
  Result &operator=(const Result &) = delete;

  // A command that ran (with or without rows).
  bool ok() const;
  int rows() const;
  std::string_view text(int row, int column) const;
  std::int64_t integer(int row, int column) const;
  // The five-character SQLSTATE of a failure; empty when there is none (or no answer).
  std::string sqlState() const;
  std::string message() const;

private:
  pg_result *m_result = nullptr;
};

// Statement parameters: texts, or nullopt for NULL.
using Parameters = std::vector<std::optional<std::string>>;

// Schema changes of all clients are serialised on this advisory lock ("Kestrine").
inline constexpr std::int64_t kSchemaLock = 0x4B65737472696E65;

// Timeouts a connection is opened with; the URI may set others and wins.
inline constexpr int kConnectTimeoutSeconds = 10;
inline constexpr int kStatementTimeoutMilliseconds = 30000;

class Connection {
public:
  Connection() = default;
  ~Connection();
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;

  // False (with the reason in error()) when the server cannot be reached.
  bool open(const std::string &uri);
  void close();
  bool isOpen() const { return m_conn != nullptr; }
  // The URI of the last connection opened.
  const std::string &uri() const { return m_uri; }
  // The connection was lost (the server went away or ended this session).
  bool broken() const;
  // Inside a transaction block, committed or not.
  bool inTransaction() const;
  // Inside a transaction block that a failed statement aborted.
  bool transactionFailed() const;
  const std::string &error() const { return m_error; }

  Result exec(const std::string &sql);
  // Runs a statement with text parameters (nullopt is NULL), prepared at its first use on
  // this connection.
  Result run(const std::string &sql, const std::vector<std::optional<std::string>> &parameters);
  // Executes, true when it ran; the failure is kept in error() and noted (failure_note.h).
  bool command(const std::string &sql);

private:
  Result remember(Result result);

  pg_conn *m_conn = nullptr;
  std::string m_uri;                             // kept to mask its password in messages
  std::map<std::string, std::string> m_prepared; // statement text -> name
  std::string m_error;
};

} // namespace kestrine::pg

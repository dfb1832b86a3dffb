// A libpq connection: statements prepared once and cached, texts as parameters, failures noted.
#include "pg_connection.h"

#include "failure_note.h"
#include "pg_passwords.h"
#include "text_folding.h"

#include <libpq-fe.h>

#include <charconv>
#include <string>
#include <utility>

namespace kestrine::pg {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendCode(std::string &out, char32_t code) {
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | (code >> 18));
    out += char(0x80 | ((code >> 12) & 0x3F));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

bool isHigh(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

template <class Unit> std::string encode(std::u16string_view text, Unit unitOf) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = unitOf(text[i]);
    if (isHigh(unit) && i + 1 < text.size() && isLow(text[i + 1])) {
      const char16_t low = unitOf(text[++i]);
      appendCode(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
    } else if (isHigh(unit) || isLow(unit)) {
      appendCode(out, kReplacement);
    } else {
      appendCode(out, unit);
    }
  }
  return out;
}

void ignoreNotice(void *, const char *) {}

} // namespace

std::string toUtf8(std::u16string_view text) {
  return encode(text, [](char16_t unit) { return unit; });
}

std::string folded(std::u16string_view text) {
  return encode(text, foldUnit);
}

std::u16string toUtf16(std::string_view text) {
  // The server sends valid UTF-8; anything else still decodes, a bad byte as U+FFFD.
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t code = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      code = lead & 0x07;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      code = lead & 0x0F;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      code = lead & 0x1F;
    } else if (lead >= 0x80) {
      code = kReplacement;
    }
    bool valid = i + extra < text.size();
    for (std::size_t k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF) {
      out += char16_t(kReplacement);
      ++i;
      continue;
    }
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out += char16_t(0xD800 | (code >> 10));
      out += char16_t(0xDC00 | (code & 0x3FF));
    } else {
      out += char16_t(code);
    }
  }
  return out;
}

// --- Result ----------------------------------------------------------------------------

Result::Result(pg_result *result) : m_result(result) {}

Result::~Result() {
  PQclear(m_result);
}

Result::Result(Result &&other) noexcept : m_result(std::exchange(other.m_result, nullptr)) {}

Result &Result::operator=(Result &&other) noexcept {
  std::swap(m_result, other.m_result);
  return *this;
}

bool Result::ok() const {
  if (!m_result)
    return false;
  const ExecStatusType status = PQresultStatus(m_result);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

int Result::rows() const {
  return m_result ? PQntuples(m_result) : 0;
}

std::string_view Result::text(int row, int column) const {
  if (!m_result || PQgetisnull(m_result, row, column))
    return {};
  return std::string_view(PQgetvalue(m_result, row, column),
                          std::size_t(PQgetlength(m_result, row, column)));
}

std::int64_t Result::integer(int row, int column) const {
  const std::string_view digits = text(row, column);
  std::int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

std::string Result::sqlState() const {
  const char *state = m_result ? PQresultErrorField(m_result, PG_DIAG_SQLSTATE) : nullptr;
  return state ? state : "";
}

std::string Result::message() const {
  const char *text = m_result ? PQresultErrorMessage(m_result) : nullptr;
  return text ? text : "";
}

// --- Connection ------------------------------------------------------------------------

Connection::~Connection() {
  close();
}

bool Connection::open(const std::string &uri) {
  close();
  const std::string connectTimeout = std::to_string(kConnectTimeoutSeconds);
  // Later keywords win, so the URI (expanded from "dbname") overrides these defaults.
  // Keepalives notice a server that vanished without closing the connection.
  const char *keywords[] = {"connect_timeout",
                            "keepalives",
                            "keepalives_idle",
                            "keepalives_interval",
                            "keepalives_count",
                            "fallback_application_name",
                            "dbname",
                            "client_encoding",
                            nullptr};
  const char *values[] = {
      connectTimeout.c_str(), "1", "10", "5", "3", "Kestrine", uri.c_str(), "UTF8", nullptr};
  m_conn = PQconnectdbParams(keywords, values, 1);
  if (!m_conn) {
    m_error = "out of memory";
    return false;
  }
  m_uri = uri;
  if (PQstatus(m_conn) != CONNECTION_OK) {
    // libpq repeats a string it cannot parse, password and all.
    m_error = withoutPasswords(PQerrorMessage(m_conn), m_uri);
    while (!m_error.empty() && (m_error.back() == '\n' || m_error.back() == ' '))
      m_error.pop_back();
    PQfinish(m_conn);
    m_conn = nullptr;
    noteFailure(m_error);
    return false;
  }
  // The server's notices ("already exists, skipping") are no concern of the user's.
  PQsetNoticeProcessor(m_conn, ignoreNotice, nullptr);
  m_error.clear();
  return true;
}

void Connection::close() {
  if (m_conn)
    PQfinish(m_conn);
  m_conn = nullptr;
  m_prepared.clear();
}

bool Connection::broken() const {
  return !m_conn || PQstatus(m_conn) == CONNECTION_BAD;
}

bool Connection::inTransaction() const {
  if (!m_conn)
    return false;
  const PGTransactionStatusType status = PQtransactionStatus(m_conn);
  return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

bool Connection::transactionFailed() const {
  return m_conn && PQtransactionStatus(m_conn) == PQTRANS_INERROR;
}

Result Connection::remember(Result result) {
  if (!result.ok()) {
    m_error = result.message();
    if (m_error.empty() && m_conn)
      m_error = PQerrorMessage(m_conn);
    m_error = withoutPasswords(m_error, m_uri);
    // data_corrupted, index_corrupted: the server found the memory's pages damaged.
    const std::string state = result.sqlState();
    if (state == "55P03" || state == "40P01") // lock_not_available, deadlock_detected
      noteBusy(m_error);
    else
      noteFailure(m_error, state == "XX001" || state == "XX002" ? m_uri : std::string());
  }
  return result;
}

Result Connection::exec(const std::string &sql) {
  if (!m_conn)
    return Result();
  return remember(Result(PQexec(m_conn, sql.c_str())));
}

bool Connection::command(const std::string &sql) {
  return exec(sql).ok();
}

Result Connection::run(const std::string &sql,
                       const std::vector<std::optional<std::string>> &parameters) {
  if (!m_conn)
    return Result();
  auto found = m_prepared.find(sql);
  if (found == m_prepared.end()) {
    const std::string name = "kestrine_" + std::to_string(m_prepared.size() + 1);
    Result prepared = remember(
        Result(PQprepare(m_conn, name.c_str(), sql.c_str(), int(parameters.size()), nullptr)));
    if (!prepared.ok())
      return prepared;
    found = m_prepared.emplace(sql, name).first;
  }
  std::vector<const char *> values;
  values.reserve(parameters.size());
  for (const std::optional<std::string> &parameter : parameters)
    values.push_back(parameter ? parameter->c_str() : nullptr);
  return remember(Result(PQexecPrepared(m_conn, found->second.c_str(), int(values.size()),
                                        values.data(), nullptr, nullptr, 0)));
}

} // namespace kestrine::pg

// UTF conversion, scratch folders and reading a memory's tables from outside.
#include "test_support.h"

#include <sqlite3.h>

#ifdef __linux__
#include <sys/mount.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace kestrine_test {

std::u16string toUtf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = utf8[i];
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(char16_t(0xD800 | (code >> 10)));
      out.push_back(char16_t(0xDC00 | (code & 0x3FF)));
    } else {
      out.push_back(char16_t(code));
    }
  }
  return out;
}

std::string toUtf8(std::u16string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t code = utf16[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < utf16.size())
      code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    if (code < 0x80) {
      out.push_back(char(code));
    } else if (code < 0x800) {
      out.push_back(char(0xC0 | (code >> 6)));
      out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(char(0xE0 | (code >> 12)));
      out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(char(0x80 | (code & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (code >> 18)));
      out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(char(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

TempFolder::TempFolder() {
  const char *base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/kestrine-test-XXXXXX";
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot create a scratch folder");
  m_path = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(m_path, error);
}

namespace {

struct Connection {
  explicit Connection(const std::filesystem::path &database) {
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      throw std::runtime_error("cannot open " + database.string());
  }
  ~Connection() { sqlite3_close(db); }
  sqlite3 *db = nullptr;
};

std::string columnText(sqlite3_stmt *statement, int column) {
  const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
  return text ? text : "NULL";
}

} // namespace

std::string tableRows(const std::filesystem::path &database, const std::string &table) {
  Connection connection(database);
  // By rowid, so that no index (and so no collation of the library) is needed.
  const std::string sql =
      "SELECT Text1, Text2, Counter1, Counter2 FROM \"" + table + "\" NOT INDEXED ORDER BY rowid";
  sqlite3_stmt *statement = nullptr;
  if (sqlite3_prepare_v2(connection.db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
    return std::string("error: ") + sqlite3_errmsg(connection.db);
  std::ostringstream rows;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    rows << columnText(statement, 0) << '|' << columnText(statement, 1) << '|'
         << columnText(statement, 2) << '|' << columnText(statement, 3) << '\n';
  }
  sqlite3_finalize(statement);
  return rows.str();
}

bool isPairTableObject(const std::string &object) {
  static const std::regex pairTable("table [0-9]+to[0-9]+");
  return std::regex_match(object, pairTable);
}

std::vector<std::string> schemaObjects(const std::filesystem::path &database) {
  Connection connection(database);
  std::vector<std::string> objects;
  sqlite3_stmt *statement = nullptr;
  if (sqlite3_prepare_v2(connection.db, "SELECT type, name FROM sqlite_master", -1, &statement,
                         nullptr) != SQLITE_OK)
    return objects;
  while (sqlite3_step(statement) == SQLITE_ROW)
    objects.push_back(columnText(statement, 0) + " " + columnText(statement, 1));
  sqlite3_finalize(statement);
  std::sort(objects.begin(), objects.end());
  return objects;
}

std::vector<std::string> withFuzzyIndex(std::vector<std::string> objects,
                                        const std::vector<std::string> &tables) {
  for (const std::string &table : tables) {
    for (const char *object : {"index ShortText1Index_", "index ShortText2Index_",
                               "table FuzzyIndex1_", "table FuzzyIndex2_", "trigger FuzzyDelete_",
                               "trigger FuzzyInsert_", "trigger FuzzyUpdate_"})
      objects.push_back(object + table);
    // Each full-text index keeps its data in tables of its own.
    for (const char *index : {"table FuzzyIndex1_", "table FuzzyIndex2_"})
      for (const char *shadow : {"_config", "_data", "_idx"})
        objects.push_back(index + table + shadow);
  }
  std::sort(objects.begin(), objects.end());
  return objects;
}

std::string fileBytes(const std::filesystem::path &file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path &file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

bool damagePages(const std::filesystem::path &database, double from, double to, unsigned seed) {
  std::string bytes = fileBytes(database);
  if (bytes.size() < 100)
    return false;
  // The page size is stored big-endian at offset 16; 1 stands for 65536.
  std::size_t pageSize = std::size_t(static_cast<unsigned char>(bytes[16])) << 8 |
                         static_cast<unsigned char>(bytes[17]);
  if (pageSize == 1)
    pageSize = 65536;
  const std::size_t pages = bytes.size() / pageSize;
  if (pages < 8)
    return false;
  const std::size_t first = std::max<std::size_t>(1, std::size_t(double(pages) * from));
  const std::size_t end = std::min(pages, std::size_t(double(pages) * to));
  if (first >= end)
    return false;
  const std::size_t count = (end - first) * pageSize;
  bytes.replace(first * pageSize, count, randomBytes(count, seed));
  writeFile(database, bytes);
  return true;
}

bool damageTablePage(const std::filesystem::path &database, const std::string &table,
                     unsigned seed) {
  std::vector<std::int64_t> pages;
  {
    Holder reader(database);
    sqlite3_stmt *query = nullptr;
    const std::string sql = "SELECT pageno FROM dbstat WHERE name = ?1 AND pagetype = 'leaf' "
                            "ORDER BY pageno";
    if (sqlite3_prepare_v2(reader.get(), sql.c_str(), -1, &query, nullptr) != SQLITE_OK)
      return false;
    sqlite3_bind_text(query, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(query) == SQLITE_ROW)
      pages.push_back(sqlite3_column_int64(query, 0));
    sqlite3_finalize(query);
  }
  std::string bytes = fileBytes(database);
  if (pages.size() < 3 || bytes.size() < 100)
    return false;
  // The page size is stored big-endian at offset 16; 1 stands for 65536.
  std::size_t pageSize = std::size_t(static_cast<unsigned char>(bytes[16])) << 8 |
                         static_cast<unsigned char>(bytes[17]);
  if (pageSize == 1)
    pageSize = 65536;
  const std::size_t offset = std::size_t(pages[pages.size() / 2] - 1) * pageSize;
  if (pageSize < 4096 || offset + 4096 > bytes.size())
    return false;
  bytes.replace(offset, 4096, randomBytes(4096, seed));
  writeFile(database, bytes);
  return true;
}

Holder::Holder(const std::filesystem::path &database) {
  sqlite3_open_v2(database.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
}

Holder::~Holder() {
  sqlite3_close(m_db);
}

bool Holder::run(const char *sql) {
  return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

SmallFileSystem::SmallFileSystem(std::size_t kilobytes) {
#ifdef __linux__
  if (geteuid() != 0) {
    m_unavailable = "mounting a tmpfs needs root";
    return;
  }
  const std::string options = "size=" + std::to_string(kilobytes) + "k";
  m_mounted = mount("tmpfs", m_folder.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
  if (!m_mounted)
    m_unavailable = std::string("a tmpfs cannot be mounted here: ") + std::strerror(errno);
#else
  (void)kilobytes;
  m_unavailable = "a small file system is only made on Linux";
#endif
}

SmallFileSystem::~SmallFileSystem() {
#ifdef __linux__
  if (m_mounted)
    umount2(m_folder.path().c_str(), MNT_DETACH);
#endif
}

void SmallFileSystem::fill() const {
  std::ofstream out(m_folder.path() / "filler", std::ios::binary);
  const std::string block(4096, 'x');
  while (out.write(block.data(), std::streamsize(block.size())) && out.flush()) {
  }
}

std::string randomBytes(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char &byte : bytes)
    byte = char(random() & 0xFF);
  return bytes;
}

} // namespace kestrine_test

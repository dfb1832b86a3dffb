// Helpers of the memory's tests: UTF conversion, scratch folders, database rows.
#pragma once

// Shared by the memory's tests: UTF-8/UTF-16 conversion for readable test tables, a
// scratch folder per test, and a look at the database file from outside the library.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kestrine_test {

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::filesystem::path &path() const { return m_path; }
  std::u16string u16() const { return toUtf16(m_path.string()); }
  std::filesystem::path database() const { return m_path / "Kestrine.db"; }

private:
  std::filesystem::path m_path;
};

// Every row of a table in storage order, one "Text1|Text2|Counter1|Counter2" per line.
// Read with a connection of its own, so it shows only what was committed.
std::string tableRows(const std::filesystem::path &database, const std::string &table);

// "table 5to9", "index Text1Index_5to9", ... sorted.
std::vector<std::string> schemaObjects(const std::filesystem::path &database);
// Whether a schema object names a language pair's table ("table 5to9"), not one of
// the fuzzy index's.
bool isPairTableObject(const std::string &object);

// The objects above plus those of the fuzzy search over each table named, sorted.
std::vector<std::string> withFuzzyIndex(std::vector<std::string> objects,
                                        const std::vector<std::string> &tables);

// Overwrites the pages of a database file from the fraction `from` of its pages up to
// the fraction `to` with noise. The first page (the schema) always stays, so the file
// still opens and the damage shows only in what reads it. False when the file holds
// too few pages.
bool damagePages(const std::filesystem::path &database, double from, double to, unsigned seed);

// Overwrites 4 KB in the middle of a table's data (a leaf page halfway through its pages)
// with noise. False when the table has no such page.
bool damageTablePage(const std::filesystem::path &database, const std::string &table,
                     unsigned seed);

// Another program's connection to a database, to hold its locks.
class Holder {
public:
  explicit Holder(const std::filesystem::path &database);
  ~Holder();
  Holder(const Holder &) = delete;
  Holder &operator=(const Holder &) = delete;
  bool run(const char *sql);
  sqlite3 *get() const { return m_db; }

private:
  sqlite3 *m_db = nullptr;
};

// A small file system of its own, mounted on a new folder for the test (a tmpfs; that
// needs root), so that it can be filled up.
class SmallFileSystem {
public:
  explicit SmallFileSystem(std::size_t kilobytes);
  ~SmallFileSystem();
  SmallFileSystem(const SmallFileSystem &) = delete;
  SmallFileSystem &operator=(const SmallFileSystem &) = delete;

  // Empty when it is mounted; else why it could not be.
  const std::string &unavailable() const { return m_unavailable; }
  const std::filesystem::path &path() const { return m_folder.path(); }
  // Takes what space is left with a file of its own.
  void fill() const;

private:
  TempFolder m_folder;
  bool m_mounted = false;
  std::string m_unavailable;
};

std::string fileBytes(const std::filesystem::path &file);
void writeFile(const std::filesystem::path &file, std::string_view bytes);
std::string randomBytes(std::size_t count, unsigned seed);

} // namespace kestrine_test

#pragma once

// Shared by the memory's tests: UTF-8/UTF-16 conversion for readable test tables, a
// scratch folder per test, and a look at the database file from outside the library.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

std::string fileBytes(const std::filesystem::path &file);
void writeFile(const std::filesystem::path &file, std::string_view bytes);
std::string randomBytes(std::size_t count, unsigned seed);

} // namespace kestrine_test

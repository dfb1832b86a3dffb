// How the memory compares texts: case folded through the program's table, for all Unicode.
#pragma once

// How the memory compares texts: without regard to case, for all of Unicode, through the
// program's case table. Both the TVCASE collation (equality and the indexes) and the LIKE
// of the word search go through here, so lookups and searches agree on what "equal" is.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kestrine {

// The collation that the text columns and their indexes are declared with.
inline constexpr char kTextCollation[] = "TVCASE";

// One UTF-16 code unit folded to its comparison form (its lower-case mapping).
char16_t foldUnit(char16_t unit);

// Appends the folded UTF-16 code units of a UTF-8 text. Malformed bytes never fail:
// each becomes U+FFFD, so every byte string has one well-defined folded form.
void appendFolded(std::string_view utf8, std::u16string &out);

// Three-way comparison of the folded forms of two UTF-8 texts, code unit by code unit.
int compareFolded(std::string_view a, std::string_view b);

// A LIKE pattern: "%" stands for any run of characters, "_" for exactly one UTF-16 code
// unit, everything else for itself without regard to case. There is no escape character.
class LikePattern {
public:
  explicit LikePattern(std::string_view utf8Pattern);

  // Not const: the folded text is kept in a buffer reused from row to row.
  bool matches(std::string_view utf8Text);

private:
  struct Segment {
    std::u16string units; // folded; '_' is the one-unit wildcard
    bool hasWildcard = false;
  };

  bool segmentAt(const Segment &segment, std::size_t position) const;
  std::size_t findSegment(const Segment &segment, std::size_t from, std::size_t to) const;

  std::vector<Segment> m_segments; // the pattern split at each '%'
  std::u16string m_text;
};

// Registers the collation and replaces LIKE on a connection; false when SQLite refused.
bool registerTextFunctions(sqlite3 *db);

} // namespace kestrine

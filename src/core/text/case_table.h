// The program's own case mapping of UTF-16 code units, shared with the memory library.
#pragma once

// The program's own case mapping: a fixed table of upper/lower pairs of UTF-16 code
// units. It is plain C++ so that the memory library can compile it too and compare
// texts exactly as the program does.

#include <cstddef>

namespace tarvelo {

struct CasePair {
  char16_t upper;
  char16_t lower;
};

// The pairs, in ascending order of the upper-case member.
const CasePair *caseTable(std::size_t *count);

// Upper-casing takes the first pair whose lower member is the character, lower-casing
// the first pair whose upper member is; other characters come back unchanged.
char16_t caseUpper(char16_t c);
char16_t caseLower(char16_t c);

inline bool caseIsUpper(char16_t c) {
  return caseLower(c) != c;
}
inline bool caseIsLower(char16_t c) {
  return caseUpper(c) != c;
}

// Maps a zero-terminated or counted text in place.
void caseUpperInPlace(char16_t *text, std::size_t length);
void caseLowerInPlace(char16_t *text, std::size_t length);

} // namespace tarvelo

// The program's table of upper and lower case pairs, and constant-time lookups.
#include "text/case_table.h"

#include <iterator>

namespace tarvelo {

namespace {

const CasePair kPairs[] = {
#include "text/case_table_data.inc"
};

// Two direct maps over the whole BMP, built once from the pairs so that every
// lookup is constant time while keeping the first-pair rule.
struct CaseMaps {
  char16_t upper[0x10000];
  char16_t lower[0x10000];
  CaseMaps() {
    bool upperSet[0x10000] = {};
    bool lowerSet[0x10000] = {};
    for (unsigned c = 0; c < 0x10000; ++c) {
      upper[c] = char16_t(c);
      lower[c] = char16_t(c);
    }
    for (const CasePair &pair : kPairs) {
      if (!upperSet[pair.lower]) {
        upper[pair.lower] = pair.upper;
        upperSet[pair.lower] = true;
      }
      if (!lowerSet[pair.upper]) {
        lower[pair.upper] = pair.lower;
        lowerSet[pair.upper] = true;
      }
    }
  }
};

const CaseMaps &maps() {
  static const CaseMaps instance;
  return instance;
}

} // namespace

const CasePair *caseTable(std::size_t *count) {
  *count = std::size(kPairs);
  return kPairs;
}

char16_t caseUpper(char16_t c) {
  return maps().upper[c];
}
char16_t caseLower(char16_t c) {
  return maps().lower[c];
}

void caseUpperInPlace(char16_t *text, std::size_t length) {
  const CaseMaps &m = maps();
  for (std::size_t i = 0; i < length; ++i)
    text[i] = m.upper[text[i]];
}

void caseLowerInPlace(char16_t *text, std::size_t length) {
  const CaseMaps &m = maps();
  for (std::size_t i = 0; i < length; ++i)
    text[i] = m.lower[text[i]];
}

} // namespace tarvelo

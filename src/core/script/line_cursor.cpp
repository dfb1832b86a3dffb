// LineCursor's comment steps, the string end scanned many characters at a time, and the character
// classes.
#include "script/line_cursor.h"

#include <QString>

#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tarvelo {

namespace charclass {

// Blanks end words of both tokenizers; commas and bars too; parentheses only those
// of scripts; a slash may open a comment. The null character ends the text. Rows of
// thirty-two characters.
constexpr unsigned char S = Blank | BlockDelimiter | WordDelimiter; // blanks
constexpr unsigned char D = BlockDelimiter | WordDelimiter;         // null , |
constexpr unsigned char P = WordDelimiter;                          // ( )
constexpr unsigned char L = Slash;
const unsigned char kTable[128] = {
    D, 0, 0, 0, 0, 0, 0, 0, 0, S, S, 0, 0, S, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    S, 0, 0, 0, 0, 0, 0, 0, P, P, 0, 0, D, 0, 0, L, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, D, 0, 0, 0,
};

} // namespace charclass

namespace {

// Whether one of the four UTF-16 units in word is c.
inline bool hasUnit(std::uint64_t word, char16_t c) {
  constexpr std::uint64_t kOnes = 0x0001000100010001ULL;
  constexpr std::uint64_t kHighs = 0x8000800080008000ULL;
  const std::uint64_t x = word ^ (kOnes * c);
  return ((x - kOnes) & ~x & kHighs) != 0;
}

} // namespace

qsizetype quotedStringEnd(QStringView text, qsizetype from) {
  // A doubled quote belongs to the string, and the first single quote ends it.
  const char16_t *chars = reinterpret_cast<const char16_t *>(text.data());
  const qsizetype size = text.size();
  for (qsizetype i = from;; i += 2) {
    // Many characters at a time while none of them is a quote.
#ifdef __SSE2__
    const __m128i quote = _mm_set1_epi16(short(u'"'));
    for (; i + 8 <= size; i += 8) {
      const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i));
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(units, quote)) != 0)
        break;
    }
#else
    for (; i + 4 <= size; i += 4) {
      std::uint64_t word;
      std::memcpy(&word, chars + i, 8);
      if (hasUnit(word, u'"'))
        break;
    }
#endif
    while (i < size && chars[i] != u'"')
      ++i;
    if (i >= size)
      return -1;
    if (i + 1 == size || chars[i + 1] != u'"')
      return i;
  }
}

bool LineCursor::skipComment() {
  if (at(m_pos + 1) == u'/') {
    const qsizetype end = text().indexOf(u'\n', m_pos);
    m_pos = end < 0 ? m_size : end;
    return true;
  }
  // "/*/" does not close: the search starts past the star.
  const qsizetype close = text().indexOf(QLatin1String("*/"), m_pos + 2);
  if (close < 0)
    return false;
  m_pos = close + 2;
  return true;
}

bool LineCursor::skipCommentRest() {
  const qsizetype close = text().indexOf(QLatin1String("*/"), m_pos);
  if (close < 0)
    return false;
  m_pos = close + 2;
  return true;
}

} // namespace tarvelo

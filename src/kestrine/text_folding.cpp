// The TVCASE collation and LIKE over folded UTF-8 texts, compared in place.
#include "text_folding.h"

#include "text/case_table.h"

#include <sqlite3.h>

#include <cstdint>
#include <memory>

namespace kestrine {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Reads the UTF-16 code units of a UTF-8 text one at a time, without allocating, so that
// the collation can compare texts in place. Characters beyond the BMP come out as their
// surrogate pair; a malformed byte comes out as U+FFFD and is skipped alone.
class Utf8Units {
public:
  explicit Utf8Units(std::string_view text)
      : m_p(reinterpret_cast<const unsigned char *>(text.data())), m_end(m_p + text.size()) {}

  bool next(char16_t &unit) {
    if (m_pending) {
      unit = m_pending;
      m_pending = 0;
      return true;
    }
    if (m_p == m_end)
      return false;
    if (*m_p < 0x80) {
      unit = *m_p++;
      return true;
    }
    unit = decodeSequence();
    return true;
  }

private:
  char16_t decodeSequence() {
    const unsigned lead = *m_p;
    std::ptrdiff_t extra;
    std::uint32_t code;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      code = lead & 0x07;
    } else {
      ++m_p;
      return kReplacement;
    }
    if (m_end - m_p <= extra) {
      ++m_p;
      return kReplacement;
    }
    for (std::ptrdiff_t i = 1; i <= extra; ++i) {
      const unsigned next = m_p[i];
      if ((next & 0xC0) != 0x80) {
        ++m_p;
        return kReplacement;
      }
      code = (code << 6) | (next & 0x3F);
    }
    m_p += extra + 1;
    // Encoded surrogates and overlong forms are taken as the unit they spell: SQLite
    // itself writes a lone surrogate that way, and it must read back as itself.
    if (code < 0x10000)
      return char16_t(code);
    if (code > 0x10FFFF)
      return kReplacement;
    code -= 0x10000;
    m_pending = char16_t(0xDC00 | (code & 0x3FF));
    return char16_t(0xD800 | (code >> 10));
  }

  const unsigned char *m_p;
  const unsigned char *m_end;
  char16_t m_pending = 0;
};

// ASCII is nearly every character a memory compares; a local table spares it the call.
struct AsciiFold {
  char16_t map[0x80];
  AsciiFold() {
    for (char16_t c = 0; c < 0x80; ++c)
      map[c] = tarvelo::caseLower(c);
  }
};

const char16_t *asciiFold() {
  static const AsciiFold fold;
  return fold.map;
}

inline char16_t fold(const char16_t *ascii, char16_t unit) {
  return unit < 0x80 ? ascii[unit] : tarvelo::caseLower(unit);
}

int collate(void *, int lengthA, const void *a, int lengthB, const void *b) {
  return compareFolded(std::string_view(static_cast<const char *>(a), std::size_t(lengthA)),
                       std::string_view(static_cast<const char *>(b), std::size_t(lengthB)));
}

std::string_view valueText(sqlite3_value *value) {
  const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
  if (!text)
    return {};
  return std::string_view(text, std::size_t(sqlite3_value_bytes(value)));
}

void destroyPattern(void *pattern) {
  delete static_cast<LikePattern *>(pattern);
}

// like(pattern, text), the function behind "text LIKE pattern". The compiled pattern is
// kept as auxiliary data of the statement, so a scan compiles it once, not once per row.
void likeFunction(sqlite3_context *context, int, sqlite3_value **argv) {
  try {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
      sqlite3_result_null(context);
      return;
    }
    if (auto *kept = static_cast<LikePattern *>(sqlite3_get_auxdata(context, 0))) {
      sqlite3_result_int(context, kept->matches(valueText(argv[1])));
      return;
    }
    auto pattern = std::make_unique<LikePattern>(valueText(argv[0]));
    sqlite3_result_int(context, pattern->matches(valueText(argv[1])));
    // SQLite may destroy the pattern before this call returns; it is not touched after.
    sqlite3_set_auxdata(context, 0, pattern.release(), destroyPattern);
  } catch (...) {
    sqlite3_result_error_nomem(context);
  }
}

} // namespace

char16_t foldUnit(char16_t unit) {
  return fold(asciiFold(), unit);
}

void appendFolded(std::string_view utf8, std::u16string &out) {
  const char16_t *ascii = asciiFold();
  Utf8Units units(utf8);
  char16_t unit;
  while (units.next(unit))
    out.push_back(fold(ascii, unit));
}

int compareFolded(std::string_view a, std::string_view b) {
  const char16_t *ascii = asciiFold();
  Utf8Units unitsA(a);
  Utf8Units unitsB(b);
  for (;;) {
    char16_t unitA;
    char16_t unitB;
    const bool moreA = unitsA.next(unitA);
    const bool moreB = unitsB.next(unitB);
    if (!moreA || !moreB)
      return moreA ? 1 : (moreB ? -1 : 0);
    const char16_t foldedA = fold(ascii, unitA);
    const char16_t foldedB = fold(ascii, unitB);
    if (foldedA != foldedB)
      return foldedA < foldedB ? -1 : 1;
  }
}

LikePattern::LikePattern(std::string_view utf8Pattern) {
  const char16_t *ascii = asciiFold();
  m_segments.emplace_back();
  Utf8Units units(utf8Pattern);
  char16_t unit;
  while (units.next(unit)) {
    if (unit == u'%') {
      m_segments.emplace_back();
      continue;
    }
    Segment &segment = m_segments.back();
    if (unit == u'_')
      segment.hasWildcard = true;
    segment.units.push_back(fold(ascii, unit));
  }
}

bool LikePattern::segmentAt(const Segment &segment, std::size_t position) const {
  const char16_t *text = m_text.data() + position;
  for (std::size_t i = 0; i < segment.units.size(); ++i) {
    const char16_t unit = segment.units[i];
    if (unit != text[i] && unit != u'_')
      return false;
  }
  return true;
}

// The leftmost place at or after `from` where the segment fits entirely before `to`.
std::size_t LikePattern::findSegment(const Segment &segment, std::size_t from,
                                     std::size_t to) const {
  const std::size_t length = segment.units.size();
  if (to < from || to - from < length)
    return std::u16string::npos;
  if (!segment.hasWildcard) {
    const std::size_t found =
        std::u16string_view(m_text.data() + from, to - from).find(segment.units);
    return found == std::u16string_view::npos ? found : from + found;
  }
  for (std::size_t position = from; position + length <= to; ++position) {
    if (segmentAt(segment, position))
      return position;
  }
  return std::u16string::npos;
}

bool LikePattern::matches(std::string_view utf8Text) {
  m_text.clear();
  appendFolded(utf8Text, m_text);
  const std::size_t length = m_text.size();

  const Segment &first = m_segments.front();
  if (m_segments.size() == 1)
    return first.units.size() == length && segmentAt(first, 0);

  // With "%" between them, taking every inner segment at its leftmost place leaves the
  // most room for the rest, so one pass decides.
  const Segment &last = m_segments.back();
  if (first.units.size() + last.units.size() > length)
    return false;
  const std::size_t end = length - last.units.size();
  if (!segmentAt(first, 0) || !segmentAt(last, end))
    return false;
  std::size_t position = first.units.size();
  for (std::size_t i = 1; i + 1 < m_segments.size(); ++i) {
    const Segment &segment = m_segments[i];
    if (segment.units.empty())
      continue;
    const std::size_t found = findSegment(segment, position, end);
    if (found == std::u16string::npos)
      return false;
    position = found + segment.units.size();
  }
  return true;
}

bool registerTextFunctions(sqlite3 *db) {
  return sqlite3_create_collation_v2(db, kTextCollation, SQLITE_UTF8, nullptr, collate, nullptr) ==
             SQLITE_OK &&
         sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                    likeFunction, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace kestrine

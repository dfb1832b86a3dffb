// Converting between Windows code pages and UTF-16 through iconv, ASCII fast.
#include "text/code_page.h"

#include <QHash>
#include <QMutex>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <iconv.h>

namespace tarvelo::CodePage {

namespace {

QByteArray iconvName(int codePage) {
  switch (codePage) {
  case 65001:
    return "UTF-8";
  case 20866:
    return "KOI8-R";
  case 21866:
    return "KOI8-U";
  case 20127:
    return "ASCII";
  case 1200:
    return "UTF-16LE";
  case 1201:
    return "UTF-16BE";
  case 50220:
    return "ISO-2022-JP";
  case 51932:
    return "EUC-JP";
  case 51949:
    return "EUC-KR";
  case 54936:
    return "GB18030";
  case 10000:
    return "MACINTOSH";
  default:
    break;
  }
  if (codePage >= 28591 && codePage <= 28606)
    return "ISO-8859-" + QByteArray::number(codePage - 28590);
  return "CP" + QByteArray::number(codePage);
}

int resolve(int codePage) {
  return codePage == 0 ? systemAnsiCodePage() : codePage;
}

bool isMultiByte(int codePage) {
  switch (codePage) {
  case 932:
  case 936:
  case 949:
  case 950:
  case 1361:
  case 65001:
  case 54936:
  case 50220:
  case 51932:
  case 51949:
  case 1200:
  case 1201:
    return true;
  default:
    return false;
  }
}

// One conversion descriptor per code page and direction, kept per thread because a
// descriptor carries state.
class Converters {
public:
  ~Converters() {
    for (iconv_t cd : std::as_const(m_cds))
      iconv_close(cd);
  }
  iconv_t get(int codePage, bool toUnicode) {
    const int key = toUnicode ? codePage : -codePage - 1;
    const auto it = m_cds.constFind(key);
    if (it != m_cds.constEnd())
      return it.value();
    const QByteArray name = iconvName(codePage);
    iconv_t cd = toUnicode ? iconv_open("UTF-16LE", name.constData())
                           : iconv_open(name.constData(), "UTF-16LE");
    m_cds.insert(key, cd);
    return cd;
  }

private:
  QHash<int, iconv_t> m_cds;
};

Converters &converters() {
  thread_local Converters instance;
  return instance;
}

// Whether the eight bytes at p are all ASCII.
inline bool eightAscii(const char *p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return (word & 0x8080808080808080ULL) == 0;
}

// Whether the four UTF-16 units at p are all ASCII.
inline bool fourAscii(const QChar *p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return (word & 0xFF80FF80FF80FF80ULL) == 0;
}

bool isAscii(const char *bytes, qsizetype size) {
  qsizetype i = 0;
  for (; i + 8 <= size; i += 8)
    if (!eightAscii(bytes + i))
      return false;
  for (; i < size; ++i)
    if (static_cast<unsigned char>(bytes[i]) >= 0x80)
      return false;
  return true;
}

bool asciiCompatible(int codePage) {
  return codePage != 1200 && codePage != 1201 && codePage != 50220;
}

QString decodeWithIconv(const char *bytes, qsizetype size, int codePage);

// A single-byte code page as two tables, built once, so that the common case never
// goes through iconv.
struct SingleByteTable {
  char16_t decode[256];
  bool asciiBelow128 = true;     // the bytes below 0x80 are ASCII
  unsigned char encode[0x10000]; // 0 where the page lacks the character
};

const SingleByteTable *lookUpSingleByteTable(int codePage);

// The table asked for last, kept per thread, so that decoding line after line does
// not take the lock each time.
const SingleByteTable *singleByteTable(int codePage) {
  thread_local int lastCodePage = -1;
  thread_local const SingleByteTable *last = nullptr;
  if (codePage != lastCodePage) {
    last = lookUpSingleByteTable(codePage);
    lastCodePage = codePage;
  }
  return last;
}

const SingleByteTable *lookUpSingleByteTable(int codePage) {
  static QMutex mutex;
  // Owned here, so that they go with the process rather than stay behind it: a file may
  // name every code page there is.
  static std::map<int, std::unique_ptr<const SingleByteTable>> tables;
  QMutexLocker lock(&mutex);
  const auto it = tables.find(codePage);
  if (it != tables.end())
    return it->second.get();
  const SingleByteTable *result = nullptr;
  if (converters().get(codePage, true) != iconv_t(-1)) {
    auto *table = new SingleByteTable;
    std::memset(table->encode, 0, sizeof table->encode);
    for (int b = 0; b < 256; ++b) {
      const char byte = char(b);
      const QString text = decodeWithIconv(&byte, 1, codePage);
      const char16_t c = text.size() == 1 ? text[0].unicode() : char16_t(b);
      table->decode[b] = c;
      if (b < 0x80 && c != char16_t(b))
        table->asciiBelow128 = false;
      if (b != 0 && !table->encode[c])
        table->encode[c] = static_cast<unsigned char>(b);
    }
    result = table;
  }
  tables.emplace(codePage, std::unique_ptr<const SingleByteTable>(result));
  return result;
}

} // namespace

int systemAnsiCodePage() {
  static const int value = [] {
    bool ok = false;
    const int configured = qEnvironmentVariableIntValue("TARVELO_ANSI_CODEPAGE", &ok);
    return ok && configured > 0 ? configured : 1252;
  }();
  return value;
}

bool isSupported(int codePage) {
  codePage = resolve(codePage);
  return converters().get(codePage, true) != iconv_t(-1);
}

QString toUtf16(const char *bytes, qsizetype size, int codePage) {
  codePage = resolve(codePage);
  if (size == 0)
    return {};
  if (asciiCompatible(codePage) && isAscii(bytes, size))
    return QString::fromLatin1(bytes, size);
  if (codePage == 65001)
    return QString::fromUtf8(bytes, size);
  if (codePage == 28591)
    return QString::fromLatin1(bytes, size);
  if (!isMultiByte(codePage) && codePage != 1255 && codePage != 1258) {
    if (const SingleByteTable *table = singleByteTable(codePage)) {
      QString out(size, Qt::Uninitialized);
      char16_t *d = reinterpret_cast<char16_t *>(out.data());
      for (qsizetype i = 0; i < size; ++i)
        d[i] = table->decode[static_cast<unsigned char>(bytes[i])];
      return out;
    }
  }
  return decodeWithIconv(bytes, size, codePage);
}

namespace {

// The ASCII units at the start of in, narrowed into out; how many there were.
qsizetype narrowAscii(const char16_t *in, qsizetype size, char *out) {
  qsizetype i = 0;
#ifdef __SSE2__
  const __m128i high = _mm_set1_epi16(short(0xFF80));
  const __m128i zero = _mm_setzero_si128();
  for (; i + 8 <= size; i += 8) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(chunk, high), zero)) != 0xFFFF)
      break;
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_packus_epi16(chunk, chunk));
  }
#endif
  for (; i < size && in[i] < 0x80; ++i)
    out[i] = char(in[i]);
  return i;
}

// Latin-1 bytes widened into the storage out already has, the suffix after them:
// one line of a script at a time, too short to pay for a call per step.
void widenInto(QString &out, const char *bytes, qsizetype size, QChar suffix) {
  const qsizetype extra = suffix.isNull() ? 0 : 1;
  out.resize(size + extra);
  char16_t *d = reinterpret_cast<char16_t *>(out.data());
  const auto *in = reinterpret_cast<const unsigned char *>(bytes);
  qsizetype i = 0;
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= size; i += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(d + i), _mm_unpacklo_epi8(chunk, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(d + i + 8), _mm_unpackhi_epi8(chunk, zero));
  }
#endif
  for (; i < size; ++i)
    d[i] = in[i];
  if (extra)
    d[size] = suffix.unicode();
}

} // namespace

void toUtf16Into(QString &out, const char *bytes, qsizetype size, int codePage, QChar suffix) {
  codePage = resolve(codePage);
  const qsizetype extra = suffix.isNull() ? 0 : 1;
  const bool ascii = asciiCompatible(codePage) && isAscii(bytes, size);
  const SingleByteTable *table = nullptr;
  if (!ascii && !isMultiByte(codePage) && codePage != 1255 && codePage != 1258 && codePage != 28591)
    table = singleByteTable(codePage);
  if (table && table->asciiBelow128) {
    // The bytes are widened first; only those beyond ASCII are looked up.
    widenInto(out, bytes, size, suffix);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype i = 0;
#if defined(__SSE2__) && defined(__GNUC__)
    for (; i + 16 <= size; i += 16) {
      // The bytes beyond ASCII have their high bit set.
      for (unsigned beyond = unsigned(
               _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i))));
           beyond != 0; beyond &= beyond - 1) {
        const qsizetype at = i + __builtin_ctz(beyond);
        d[at] = table->decode[in[at]];
      }
    }
#endif
    for (; i < size; ++i)
      if (in[i] >= 0x80)
        d[i] = table->decode[in[i]];
    return;
  }
  if (table) {
    out.resize(size + extra);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < size; ++i)
      d[i] = table->decode[static_cast<unsigned char>(bytes[i])];
    if (extra)
      d[size] = suffix.unicode();
    return;
  }
  if (ascii || codePage == 28591) {
    widenInto(out, bytes, size, suffix);
    return;
  }
  out = toUtf16(bytes, size, codePage);
  if (extra)
    out.append(suffix);
}

namespace {

QString decodeWithIconv(const char *bytes, qsizetype size, int codePage) {
  iconv_t cd = converters().get(codePage, true);
  if (cd == iconv_t(-1))
    return QString::fromLatin1(bytes, size);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);

  QString out;
  out.resize(size + 4);
  char *in = const_cast<char *>(bytes);
  size_t inLeft = size_t(size);
  char *outStart = reinterpret_cast<char *>(out.data());
  char *outPtr = outStart;
  size_t outLeft = size_t(out.size()) * 2;
  const bool multiByte = isMultiByte(codePage);
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
      break;
    if (errno == E2BIG) {
      const qsizetype used = outPtr - outStart;
      out.resize(out.size() * 2);
      outStart = reinterpret_cast<char *>(out.data());
      outPtr = outStart + used;
      outLeft = size_t(out.size()) * 2 - size_t(used);
      continue;
    }
    // An undefined byte or a sequence cut short: one character stands for it.
    if (outLeft < 2) {
      const qsizetype used = outPtr - outStart;
      out.resize(out.size() + 16);
      outStart = reinterpret_cast<char *>(out.data());
      outPtr = outStart + used;
      outLeft = size_t(out.size()) * 2 - size_t(used);
    }
    const char16_t replacement = multiByte ? u'\uFFFD' : char16_t(static_cast<unsigned char>(*in));
    std::memcpy(outPtr, &replacement, 2);
    outPtr += 2;
    outLeft -= 2;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  // Code pages with combining characters (1255, 1258) hold the last character back.
  if (outLeft < 8) {
    const qsizetype used = outPtr - outStart;
    out.resize(out.size() + 8);
    outStart = reinterpret_cast<char *>(out.data());
    outPtr = outStart + used;
    outLeft = size_t(out.size()) * 2 - size_t(used);
  }
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.resize((outPtr - outStart) / 2);
  return out;
}

} // namespace

namespace {

// The units from `i` on encoded through a single-byte table into out, which holds the
// ASCII before them already; the runs of ASCII between are narrowed many at a time.
void encodeWithTable(const char16_t *units, qsizetype size, qsizetype i,
                     const SingleByteTable &table, QByteArray &out) {
  char *d = out.data() + i;
  while (i < size) {
    const char16_t c = units[i];
    const unsigned char b = table.encode[c];
    *d++ = b ? char(b) : '?';
    // A surrogate pair is one character the page lacks.
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < size && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000)
      ++i;
    ++i;
    const qsizetype run = narrowAscii(units + i, size - i, d);
    i += run;
    d += run;
  }
  out.truncate(d - out.data());
}

// The byte of a character iconv found the code page lacks: its default character.
// Single-byte pages keep a byte that decoded to its own value (the undefined points of
// 1252 and others), so such text survives a round trip.
char lackedCharacterByte(char16_t c, int codePage, bool multiByte) {
  if (!multiByte && c >= 0x80 && c < 0x100) {
    const char raw = char(c);
    if (toUtf16(&raw, 1, codePage) == QString(QChar(c)))
      return raw;
  }
  return '?';
}

QByteArray encodeWithIconv(QStringView text, int codePage) {
  iconv_t cd = converters().get(codePage, false);
  if (cd == iconv_t(-1))
    return text.toLatin1();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);

  QByteArray out;
  out.resize(text.size() * 2 + 8);
  char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.data()));
  size_t inLeft = size_t(text.size()) * 2;
  char *outPtr = out.data();
  size_t outLeft = size_t(out.size());
  auto grow = [&] {
    const qsizetype used = outPtr - out.data();
    out.resize(out.size() * 2 + 16);
    outPtr = out.data() + used;
    outLeft = size_t(out.size() - used);
  };
  const bool multiByte = isMultiByte(codePage);
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
      break;
    if (errno == E2BIG) {
      grow();
      continue;
    }
    // A character the code page lacks; a surrogate pair stands for one character.
    char16_t c;
    std::memcpy(&c, in, 2);
    size_t skip = 2;
    if (c >= 0xD800 && c < 0xDC00 && inLeft >= 4) {
      char16_t low;
      std::memcpy(&low, in + 2, 2);
      if (low >= 0xDC00 && low < 0xE000)
        skip = 4;
    }
    if (outLeft < 1)
      grow();
    *outPtr++ = lackedCharacterByte(c, codePage, multiByte);
    --outLeft;
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(outPtr - out.data());
  return out;
}

} // namespace

QByteArray fromUtf16(QStringView text, int codePage) {
  codePage = resolve(codePage);
  if (text.isEmpty())
    return {};
  if (codePage == 65001)
    return text.toUtf8();
  if (asciiCompatible(codePage)) {
    // Most of a script is ASCII: its runs are narrowed many units at a time, and only
    // the characters beyond it are looked up.
    const auto *units = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype size = text.size();
    QByteArray out(size, Qt::Uninitialized);
    const qsizetype ascii = narrowAscii(units, size, out.data());
    if (ascii == size)
      return out;
    const SingleByteTable *table = nullptr;
    if (!isMultiByte(codePage) && codePage != 1255 && codePage != 1258)
      table = singleByteTable(codePage);
    if (table) {
      encodeWithTable(units, size, ascii, *table, out);
      return out;
    }
  }
  return encodeWithIconv(text, codePage);
}

} // namespace tarvelo::CodePage

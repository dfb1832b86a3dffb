// DrawText's layout of a control text: lines, word breaks, access keys and tab stops.
#include "dialogs/gdi_layout.h"

#include <algorithm>

namespace tarvelo {

namespace {

bool isEastAsian(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Characters a line never starts with, and ones it never ends with.
bool closes(char32_t c) {
  return QStringView(u"\u3001\u3002\uFF0C\uFF0E\uFF09\u300D\u300F\u3011\u3015\uFF01\uFF1F\u30FC"
                     u"\u3063\u30C3\u3083\u30E3\u3085\u30E5\u3087\u30E7)]}.,:;!?")
      .contains(QChar(char16_t(c > 0xFFFF ? 0 : c)));
}
bool opens(char32_t c) {
  return QStringView(u"\uFF08\u300C\u300E\u3010\u3014([{")
      .contains(QChar(char16_t(c > 0xFFFF ? 0 : c)));
}

bool isBreak(QChar c) {
  return c == u'\n' || c == u'\r';
}

// Walks a text unit by unit (a character or a surrogate pair), knowing the marks.
class Walker {
public:
  Walker(const QString &text, const GdiTextFlags &flags, const AdvanceOf &advance, int tabStop)
      : m_text(text), m_flags(flags), m_advance(advance), m_tab(std::max(1, tabStop)) {}

  // The units of one character at i and the pen position after it.
  qsizetype step(qsizetype i, int &x, char32_t &code) const {
    const QChar c = m_text[i];
    if (m_flags.prefix && c == u'&') {
      if (i + 1 < m_text.size() && m_text[i + 1] == u'&') {
        code = u'&';
        x += m_advance(QStringView(m_text).mid(i, 1));
        return 2;
      }
      code = 0;
      return 1; // the mark itself is not drawn
    }
    if (c == u'\t') {
      code = u'\t';
      x = (x / m_tab + 1) * m_tab;
      return 1;
    }
    qsizetype units = 1;
    code = c.unicode();
    if (c.isHighSurrogate() && i + 1 < m_text.size() && m_text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(c, m_text[i + 1]);
      units = 2;
    }
    if (isBreak(c))
      x += m_advance(u" ");
    else
      x += m_advance(QStringView(m_text).mid(i, units));
    return units;
  }

  int width(qsizetype from, qsizetype to) const {
    int x = 0;
    char32_t code = 0;
    for (qsizetype i = from; i < to;)
      i += step(i, x, code);
    return x;
  }

  qsizetype skipBlanks(qsizetype i, qsizetype end) const {
    while (i < end && m_text[i] == u' ')
      ++i;
    return i;
  }

  // Lines of one paragraph [from, to) broken in the room's width.
  void wrap(qsizetype from, qsizetype to, std::vector<GdiLine> &lines) const {
    qsizetype pos = from;
    do {
      int x = 0;
      qsizetype i = pos, breakEnd = -1, breakNext = -1;
      char32_t previous = 0;
      bool overflow = false;
      while (i < to) {
        if (m_text[i] == u' ') {
          // Blanks belong to the line before them and must fit in it too.
          const qsizetype after = skipBlanks(i, to);
          const int next = x + m_advance(u" ") * int(after - i);
          if (next > m_flags.width && i > pos) {
            overflow = true;
            break;
          }
          if (i > pos)
            breakEnd = i;
          x = next;
          i = after;
          breakNext = i;
          previous = u' ';
          continue;
        }
        int next = x;
        char32_t code = 0;
        const qsizetype units = step(i, next, code);
        if (code && previous && i > pos && previous != u' ' && breaksBetween(previous, code)) {
          breakEnd = i;
          breakNext = i;
        }
        if (code && next > m_flags.width && i > pos) {
          overflow = true;
          break;
        }
        if (code)
          previous = code;
        x = next;
        i += units;
      }
      if (!overflow) {
        lines.push_back({pos, to - pos, width(pos, to)});
        return;
      }
      qsizetype end = breakEnd;
      const bool unbroken = end <= pos;
      if (unbroken) {
        // No break before the room ends: the word runs on to its own end.
        end = i;
        char32_t before = 0;
        for (qsizetype j = pos; j < i;) {
          int ignored = 0;
          j += step(j, ignored, before);
        }
        while (end < to && m_text[end] != u' ') {
          int ignored = 0;
          char32_t code = 0;
          const qsizetype units = step(end, ignored, code);
          if (code && before && breaksBetween(before, code))
            break;
          if (code)
            before = code;
          end += units;
        }
        breakNext = skipBlanks(end, to);
      }
      qsizetype trimmed = end;
      while (trimmed > pos && m_text[trimmed - 1] == u' ')
        --trimmed;
      // The blanks at a break count in the line's width, as the system measures it;
      // not after a word that could not be broken.
      const qsizetype next = std::max(breakNext, end);
      lines.push_back({pos, trimmed - pos, width(pos, unbroken ? trimmed : next)});
      pos = next;
    } while (pos < to);
  }

private:
  const QString &m_text;
  const GdiTextFlags &m_flags;
  const AdvanceOf &m_advance;
  int m_tab;
};

} // namespace

bool breaksBetween(char32_t before, char32_t after) {
  if (!isEastAsian(before) && !isEastAsian(after))
    return false;
  return !closes(after) && !opens(before);
}

std::vector<GdiLine> gdiLines(const QString &text, const GdiTextFlags &flags,
                              const AdvanceOf &advance, int tabStop) {
  std::vector<GdiLine> lines;
  const Walker walker(text, flags, advance, tabStop);
  if (flags.singleLine) {
    lines.push_back({0, text.size(), walker.width(0, text.size())});
    return lines;
  }
  qsizetype start = 0;
  const qsizetype size = text.size();
  while (start <= size) {
    qsizetype end = start;
    while (end < size && !isBreak(text[end]))
      ++end;
    // A text ending in a line break has no empty line after it.
    if (end == size && start == size && !lines.empty())
      break;
    if (flags.wrap && end > start)
      walker.wrap(start, end, lines);
    else
      lines.push_back({start, end - start, walker.width(start, end)});
    if (end == size)
      break;
    start = end + ((text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n') ? 2 : 1);
  }
  return lines;
}

QSize gdiExtent(const std::vector<GdiLine> &lines, int lineHeight) {
  int widest = 0;
  for (const GdiLine &line : lines)
    widest = std::max(widest, line.width);
  return QSize(widest, int(std::max<size_t>(1, lines.size())) * lineHeight);
}

QString gdiDrawnText(QStringView line, bool prefix) {
  if (!prefix)
    return line.toString();
  QString out;
  out.reserve(line.size());
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == u'&') {
      if (i + 1 < line.size() && line[i + 1] == u'&')
        out += u'&', ++i;
      continue;
    }
    out += line[i];
  }
  return out;
}

} // namespace tarvelo

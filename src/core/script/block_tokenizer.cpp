// BlockTokenizer, which reads a block's verbatim text in memory, and the quoting of literal texts.
#include "script/block_tokenizer.h"

#include "script/keywords.h"

namespace tarvelo {

QString literalText(QStringView text) {
  // A line feed after a backslash continues the string on the next line, as scripts
  // write long texts: it stays.
  const auto continued = [&](qsizetype i) { return i > 0 && text[i - 1] == u'\\'; };
  bool plain = true;
  for (qsizetype i = 0; i < text.size() && plain; ++i) {
    const char16_t u = text[i].unicode();
    plain = u != u'"' && (u >= 0x20 || u == u'\t' || (u == u'\n' && continued(i))) && u != 0x7F;
  }
  if (plain)
    return text.toString();
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const char16_t u = c.unicode();
    if (u == u'"') {
      out += QLatin1String("\"\"");
    } else if (u == u'\n' && continued(i)) {
      out += c;
    } else if (u == u'\n') {
      out += QLatin1String("\\n");
    } else if (u == u'\r') {
      out += QLatin1String("\\r");
    } else if ((u < 0x20 && u != u'\t') || u == 0x7F) {
      // Other control characters as octal escapes, which the compiler reads back.
      out += u'\\';
      for (int shift = 6; shift >= 0; shift -= 3)
        out += QChar(u'0' + ((u >> shift) & 7));
    } else {
      out += c;
    }
  }
  return out;
}

QString undoubleQuotes(QStringView text) {
  QString out(text.size(), Qt::Uninitialized);
  QChar *d = out.data();
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    *d++ = text[i];
    if (text[i] == u'"' && i + 1 < size && text[i + 1] == u'"')
      ++i;
  }
  out.truncate(d - out.constData());
  return out;
}

QString doubleQuotes(const QString &text) {
  return text.contains(u'"') ? doubleQuotes(QStringView(text)) : text;
}

QString doubleQuotes(QStringView text) {
  const qsizetype quotes = text.count(u'"');
  if (quotes == 0)
    return text.toString();
  QString out(text.size() + quotes, Qt::Uninitialized);
  QChar *d = out.data();
  for (const QChar c : text) {
    *d++ = c;
    if (c == u'"')
      *d++ = c;
  }
  return out;
}

qsizetype BlockTokenizer::wordEnd(qsizetype from) const {
  LineCursor cursor(m_text, from);
  cursor.skipWordToComment(LineCursor::Words::Block);
  return cursor.pos();
}

void BlockTokenizer::skipBlanksAndComments() {
  LineCursor cursor(m_text, m_pos);
  for (cursor.skipBlanks(); cursor.atComment(); cursor.skipBlanks()) {
    if (!cursor.skipComment())
      cursor.setPos(cursor.size()); // a block comment left open ends the text
  }
  m_pos = cursor.pos();
}

qsizetype BlockTokenizer::blankEnd(qsizetype from) const {
  LineCursor cursor(m_text, from);
  cursor.skipBlanks();
  return cursor.pos();
}

qsizetype BlockTokenizer::commaAfterBlanks(qsizetype from) const {
  from = blankEnd(from);
  return from < m_text.size() && m_text[from] == u',' ? from : -1;
}

bool BlockTokenizer::takeNumberBeforeComma(int &value) {
  if (m_peeked)
    return false;
  const QChar *text = m_text.constData();
  const qsizetype size = m_text.size();
  qsizetype i = blankEnd(m_pos);
  const bool negative = i < size && text[i] == u'-';
  if (negative)
    ++i;
  // Up to nine digits, without the leading zero of an octal number.
  const qsizetype digits = i;
  int result = 0;
  for (; i < size && i - digits < 9 && text[i] >= u'0' && text[i] <= u'9'; ++i)
    result = result * 10 + (text[i].unicode() - u'0');
  if (i == digits || (text[digits] == u'0' && i - digits > 1) || commaAfterBlanks(i) < 0)
    return false;
  m_pos = i;
  value = negative ? -result : result;
  return true;
}

bool BlockTokenizer::takeComma() {
  if (m_peeked)
    return false;
  const qsizetype comma = commaAfterBlanks(m_pos);
  if (comma < 0)
    return false;
  m_pos = comma + 1;
  return true;
}

const BlockToken &BlockTokenizer::peek() {
  if (!m_peeked) {
    const qsizetype here = m_pos;
    m_peek = read();
    m_afterPeek = m_pos;
    m_pos = here;
    m_peeked = true;
  }
  return m_peek;
}

BlockToken BlockTokenizer::next() {
  if (m_peeked) {
    m_peeked = false;
    m_pos = m_afterPeek;
    return std::move(m_peek);
  }
  return read();
}

BlockToken BlockTokenizer::read() {
  BlockToken token;
  skipBlanksAndComments();
  token.start = m_pos;
  if (m_pos >= m_text.size()) {
    token.end = m_pos;
    return token;
  }
  const QStringView text(m_text);
  // A wide string starts at its quote, so that edits between the quotes keep the L.
  if ((m_text[m_pos] == u'L' || m_text[m_pos] == u'l') && at(m_pos + 1) == u'"')
    token.start = ++m_pos;
  const QChar c = m_text[m_pos++];
  switch (c.unicode()) {
  case u',':
    token.kind = TokenKind::Comma;
    token.m_view = text.mid(token.start, 1);
    break;
  case u'|':
    token.kind = TokenKind::Bar;
    token.m_view = text.mid(token.start, 1);
    break;
  case u'{':
    token.kind = TokenKind::Word;
    token.m_owned = QStringLiteral("BEGIN");
    break;
  case u'}':
    token.kind = TokenKind::Word;
    token.m_owned = QStringLiteral("END");
    break;
  case u'"': {
    // Every character the string reader takes belongs to the text, so the text is
    // what stands between the quotes; only its end has to be found.
    const qsizetype close = quotedStringEnd(text, m_pos);
    token.kind = close < 0 ? TokenKind::EndOfFile : TokenKind::String;
    m_pos = close < 0 ? m_text.size() : close + 1;
    token.m_view = text.mid(token.start + 1, std::max<qsizetype>(0, m_pos - token.start - 2));
    break;
  }
  default: {
    const bool negative = c == u'-' && at(m_pos).isDigit() && at(m_pos).unicode() < 0x80;
    if ((c >= u'0' && c <= u'9') || negative) {
      token.kind = TokenKind::Number;
      const bool zero = c == u'0';
      const qsizetype end = wordEnd(m_pos);
      while (m_pos < end) {
        const QChar d = m_text[m_pos++];
        if (zero && m_pos - token.start == 2 && d == u'x' && token.kind == TokenKind::Number)
          token.kind = TokenKind::HexNumber;
        else if (d < u'0' || d > u'9')
          token.kind = TokenKind::Word;
      }
      token.m_view = text.mid(token.start, m_pos - token.start);
      break;
    }
    token.kind = TokenKind::Word;
    m_pos = wordEnd(m_pos);
    token.m_view = text.mid(token.start, m_pos - token.start);
    token.m_owned = upperKeyword(token.m_view);
    if (token.text() == QLatin1String("NOT")) {
      skipBlanksAndComments();
      const qsizetype wordStart = m_pos;
      m_pos = wordEnd(m_pos);
      token.m_owned = QStringLiteral("NOT ") + text.mid(wordStart, m_pos - wordStart).toString();
    }
    break;
  }
  }
  token.end = m_pos;
  return token;
}

} // namespace tarvelo

#include "script/block_tokenizer.h"

#include "script/keywords.h"

namespace tarvelo {

namespace {

bool isBlockDelimiter(QChar c) {
  return c.isNull() || isBlank(c) || c == u',' || c == u'|';
}

// Character source over the block text for the string reader.
struct TextSource {
  const QString &text;
  qsizetype &pos;
  QChar next() { return pos < text.size() ? text[pos++] : QChar(); }
  QChar peek() const { return pos < text.size() ? text[pos] : QChar(); }
  // Only the string's end is wanted here: runs are skipped, not collected.
  qsizetype takeRun(QString &out) {
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u'"' && text[pos] != u'\\')
      ++pos;
    if (pos > start) {
      out.resize(1);
      out[0] = text[pos - 1];
    }
    return pos - start;
  }
};

} // namespace

QString undoubleQuotes(QStringView text) {
  QString out;
  out.reserve(text.size());
  qsizetype from = 0;
  for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', from)) {
    out.append(text.mid(from, quote + 1 - from));
    from = quote + 1;
    if (from < text.size() && text[from] == u'"')
      ++from;
  }
  out.append(text.mid(from));
  return out;
}

QString doubleQuotes(QStringView text) {
  if (!text.contains(u'"'))
    return text.toString();
  QString out;
  out.reserve(text.size() + 4);
  qsizetype from = 0;
  for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', from)) {
    out.append(text.mid(from, quote + 1 - from));
    out.append(u'"');
    from = quote + 1;
  }
  out.append(text.mid(from));
  return out;
}

qsizetype BlockTokenizer::wordEnd(qsizetype from) const {
  while (!isBlockDelimiter(at(from)) && !opensComment(from))
    ++from;
  return from;
}

void BlockTokenizer::skipBlanksAndComments() {
  const qsizetype size = m_text.size();
  for (;;) {
    while (m_pos < size && isBlank(m_text[m_pos]))
      ++m_pos;
    if (!opensComment(m_pos))
      return;
    if (m_text[m_pos + 1] == u'/') {
      const qsizetype end = m_text.indexOf(u'\n', m_pos);
      m_pos = end < 0 ? size : end;
    } else {
      const qsizetype end = m_text.indexOf(QLatin1String("*/"), m_pos + 2);
      m_pos = end < 0 ? size : end + 2;
    }
  }
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
    TextSource source{m_text, m_pos};
    QString scratch;
    token.kind = readQuotedString(source, scratch) ? TokenKind::String : TokenKind::EndOfFile;
    token.m_view = text.mid(token.start + 1, std::max<qsizetype>(0, m_pos - token.start - 2));
    break;
  }
  default: {
    const bool negative = c == u'-' && at(m_pos).isDigit() && at(m_pos).unicode() < 0x80;
    if ((c >= u'0' && c <= u'9') || negative) {
      token.kind = TokenKind::Number;
      const bool zero = c == u'0';
      while (!isBlockDelimiter(at(m_pos)) && !opensComment(m_pos)) {
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

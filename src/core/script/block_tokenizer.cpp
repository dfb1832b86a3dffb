#include "script/block_tokenizer.h"

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
};

} // namespace

QString undoubleQuotes(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    out.append(text[i]);
    if (text[i] == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
      ++i;
  }
  return out;
}

QString doubleQuotes(QStringView text) {
  QString out;
  out.reserve(text.size() + 4);
  for (QChar c : text) {
    out.append(c);
    if (c == u'"')
      out.append(c);
  }
  return out;
}

void BlockTokenizer::readWord(BlockToken &token) {
  while (!isBlockDelimiter(at(m_pos)))
    token.text.append(m_text[m_pos++]);
}

BlockToken BlockTokenizer::peek() const {
  BlockTokenizer copy(m_text, m_pos);
  return copy.next();
}

BlockToken BlockTokenizer::next() {
  BlockToken token;
  while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
    ++m_pos;
  token.start = m_pos;
  if (m_pos >= m_text.size()) {
    token.end = m_pos;
    return token;
  }
  const QChar c = m_text[m_pos++];
  switch (c.unicode()) {
  case u',':
    token.kind = TokenKind::Comma;
    token.text = c;
    break;
  case u'|':
    token.kind = TokenKind::Bar;
    token.text = c;
    break;
  case u'{':
    token.kind = TokenKind::Word;
    token.text = QStringLiteral("BEGIN");
    break;
  case u'}':
    token.kind = TokenKind::Word;
    token.text = QStringLiteral("END");
    break;
  case u'"': {
    TextSource source{m_text, m_pos};
    token.kind = readQuotedString(source, token.text) ? TokenKind::String : TokenKind::EndOfFile;
    break;
  }
  default: {
    const bool negative = c == u'-' && at(m_pos).isDigit() && at(m_pos).unicode() < 0x80;
    if ((c >= u'0' && c <= u'9') || negative) {
      token.text.append(c);
      token.kind = TokenKind::Number;
      const bool zero = c == u'0';
      while (!isBlockDelimiter(at(m_pos))) {
        const QChar d = m_text[m_pos++];
        if (zero && token.text.size() == 1 && d == u'x' && token.kind == TokenKind::Number)
          token.kind = TokenKind::HexNumber;
        else if (d < u'0' || d > u'9')
          token.kind = TokenKind::Word;
        token.text.append(d);
      }
      break;
    }
    token.kind = TokenKind::Word;
    token.text.append(c);
    readWord(token);
    if (token.text == QLatin1String("NOT")) {
      while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
      token.text.append(u' ');
      readWord(token);
    }
    break;
  }
  }
  token.end = m_pos;
  return token;
}

} // namespace tarvelo

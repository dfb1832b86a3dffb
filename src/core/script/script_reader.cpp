#include "script/script_reader.h"

#include "script/block_tokenizer.h"
#include "script/keywords.h"

namespace tarvelo {

namespace {

bool isWordDelimiter(char16_t c) {
  return c == 0 || c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == u',' || c == u'|' ||
         c == u'(' || c == u')';
}

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Character source over the reader for the string reader: no comments inside quotes.
struct ReaderSource {
  ScriptReader &reader;
  QChar next() { return QChar(reader.nextChar(false)); }
  QChar peek() const { return QChar(reader.peek(true)); }
  qsizetype takeRun(QString &text) { return reader.takeStringRun(text); }
};

} // namespace

void ScriptReader::restart() {
  m_file.rewind();
  m_line.clear();
  m_position = -1;
  m_lineNumber = 0;
  m_atEnd = false;
  m_pending = Pending();
}

bool ScriptReader::readNextLine() {
  if (m_echo && !m_line.isEmpty() && m_output) {
    m_output->writeLine(m_line, m_codePage);
    ++m_linesWritten;
  }
  if (m_echoFromNextLine) {
    m_echo = true;
    m_echoFromNextLine = false;
  }
  if (m_atEnd || !m_file.readLineWithFeed(m_line, m_codePage)) {
    m_line.clear();
    m_atEnd = true;
    return false;
  }
  ++m_lineNumber;
  lineRead();
  return true;
}

char16_t ScriptReader::nextChar(bool recogniseComments) {
  if (m_position == -1 && !readNextLine())
    return 0;
  ++m_position;
  const char16_t c = m_line[m_position].unicode();
  if (m_position == m_line.size() - 1) {
    m_position = -1;
    return c;
  }
  if (recogniseComments && c == u'/') {
    const char16_t following = m_line[m_position + 1].unicode();
    if (following == u'/') {
      m_position = -1;
      return u'\n';
    }
    if (following == u'*') {
      ++m_position; // stands on the star, so "/*/" does not close
      for (;;) {
        const char16_t d = nextChar(false);
        if (d == 0)
          return 0;
        if (d == u'*' && peek(true) == u'/') {
          nextChar(false);
          return u' ';
        }
      }
    }
  }
  return c;
}

// The next character read is the one handed out last; from a used-up line that is
// its line feed.
void ScriptReader::pushBack() {
  if (m_position == -1) {
    if (!m_line.isEmpty())
      m_position = int(m_line.size()) - 2;
  } else {
    --m_position;
  }
}

char16_t ScriptReader::peek(bool forward) const {
  if (m_position == -1)
    return forward || m_line.size() < 2 ? 0 : m_line[m_line.size() - 2].unicode();
  const int i = forward ? m_position + 1 : m_position - 1;
  return i >= 0 && i < m_line.size() ? m_line[i].unicode() : 0;
}

int ScriptReader::skipLine() {
  if (m_pending.valid) {
    // A token read ahead from a later line: the rest of this line was empty.
    if (m_pending.crossedLine)
      return 1;
    m_pending = Pending();
  }
  if (m_position == -1)
    return m_atEnd ? 0 : 1;
  // Most lines hold neither a comment nor a string on their rest.
  const QStringView rest = QStringView(m_line).mid(m_position + 1);
  if (!rest.contains(u'/') && !rest.contains(u'"')) {
    m_position = -1;
    return 1;
  }
  for (;;) {
    const char16_t c = nextChar(true);
    if (c == 0)
      return 0;
    if (m_position == -1 && c == u'\n')
      return 1;
    if (c == u'"') {
      // A string's text is never a comment.
      ReaderSource source{*this};
      QString scratch;
      if (!readQuotedString(source, scratch))
        return 0;
      if (m_position == -1)
        return 1;
    }
  }
}

bool ScriptReader::restOfLineStartsString() const {
  if (m_position < 0)
    return false;
  const qsizetype size = m_line.size();
  for (qsizetype i = m_position + 1; i < size; ++i) {
    const QChar c = m_line[i];
    if (c == u'"')
      return true;
    if (c == u'/' && i + 1 < size && m_line[i + 1] == u'/')
      return false;
    if (c == u'/' && i + 1 < size && m_line[i + 1] == u'*') {
      const qsizetype close = m_line.indexOf(QLatin1String("*/"), i + 2);
      if (close < 0)
        return false;
      i = close + 1;
      continue;
    }
    // A block that begins on the line is not a file name.
    if (c == u'{')
      return false;
  }
  return false;
}

QString ScriptReader::textAtToken() const {
  if (m_atEnd)
    return QStringLiteral("the end of the file");
  QStringView line(m_line);
  if (m_tokenLine == m_lineNumber && m_tokenColumn >= 0 && m_tokenColumn < line.size())
    line = line.mid(m_tokenColumn);
  return line.trimmed().left(60).toString();
}

int ScriptReader::skipDirectiveLine() {
  for (;;) {
    qsizetype end = m_line.size() - 1; // the line feed
    while (end > 0 &&
           (m_line[end - 1] == u' ' || m_line[end - 1] == u'\t' || m_line[end - 1] == u'\r'))
      --end;
    const bool continued = end > 0 && m_line[end - 1] == u'\\';
    if (skipLine() == 0)
      return 0;
    if (!continued)
      return 1;
    if (!readNextLine())
      return 0;
    m_position = -1;
  }
}

// The characters of the current line from the next one on that neither end a word
// nor may start a comment, appended at once; never the line's last character.
void ScriptReader::takeWordRun(QString &text) {
  if (m_position < 0)
    return;
  const int start = m_position + 1;
  const int last = int(m_line.size()) - 1;
  int i = start;
  while (i < last) {
    const char16_t c = m_line[i].unicode();
    if (isWordDelimiter(c) || c == u'/')
      break;
    ++i;
  }
  if (i > start) {
    text.append(QStringView(m_line).mid(start, i - start));
    m_position = i - 1;
  }
}

qsizetype ScriptReader::takeStringRun(QString &text) {
  if (m_position < 0)
    return 0;
  const int start = m_position + 1;
  const int last = int(m_line.size()) - 1;
  int i = start;
  while (i < last) {
    const char16_t c = m_line[i].unicode();
    if (c == u'"' || c == u'\\')
      break;
    ++i;
  }
  if (i > start) {
    text.append(QStringView(m_line).mid(start, i - start));
    m_position = i - 1;
  }
  return i - start;
}

void ScriptReader::readWordRest(QString &text) {
  for (;;) {
    takeWordRun(text);
    const char16_t c = nextChar(true);
    if (isWordDelimiter(c)) {
      if (c == u',' || c == u'|' || c == u'(' || c == u')')
        pushBack();
      return;
    }
    text.append(QChar(c));
  }
}

TokenKind ScriptReader::readNumber(QString &text, char16_t first) {
  TokenKind kind = TokenKind::Number;
  text.append(QChar(first));
  for (;;) {
    if (first != u'0' || text.size() > 1) {
      const qsizetype before = text.size();
      takeWordRun(text);
      for (qsizetype i = before; i < text.size() && kind != TokenKind::Word; ++i)
        if (!isDigit(text[i].unicode()))
          kind = TokenKind::Word;
    }
    const char16_t c = nextChar(true);
    if (isWordDelimiter(c)) {
      if (c == u',' || c == u'|' || c == u'(' || c == u')')
        pushBack();
      return kind;
    }
    if (first == u'0' && text.size() == 1 && c == u'x')
      kind = TokenKind::HexNumber;
    else if (!isDigit(c))
      kind = TokenKind::Word;
    text.append(QChar(c));
  }
}

TokenKind ScriptReader::peekToken(QString &text, bool skipDirectives) {
  if (m_pending.valid) {
    text = m_pending.text;
    return m_pending.kind;
  }
  const int line = m_lineNumber;
  const bool lineUsed = m_position == -1;
  const TokenKind kind = nextToken(text, skipDirectives);
  m_pending.valid = true;
  m_pending.crossedLine = m_lineNumber != line || (lineUsed && kind != TokenKind::EndOfFile);
  m_pending.kind = kind;
  m_pending.text = text;
  return kind;
}

TokenKind ScriptReader::nextToken(QString &text, bool skipDirectives) {
  if (m_pending.valid) {
    m_pending.valid = false;
    text = std::move(m_pending.text);
    return m_pending.kind;
  }
  for (;;) {
    text.truncate(0);
    char16_t c;
    do {
      c = nextChar(true);
    } while (c == u' ' || c == u'\n' || c == u'\r' || c == u'\t');
    m_tokenLine = m_lineNumber;
    m_tokenColumn = m_position == -1 ? int(m_line.size()) - 1 : m_position;
    switch (c) {
    case 0:
      return TokenKind::EndOfFile;
    case u'(':
      text = QChar(c);
      return TokenKind::OpenParen;
    case u')':
      text = QChar(c);
      return TokenKind::CloseParen;
    case u',':
      text = QChar(c);
      return TokenKind::Comma;
    case u'|':
      text = QChar(c);
      return TokenKind::Bar;
    case u'{':
      text = QStringLiteral("BEGIN");
      return TokenKind::Word;
    case u'}':
      text = QStringLiteral("END");
      return TokenKind::Word;
    case u'"': {
      ReaderSource source{*this};
      return readQuotedString(source, text) ? TokenKind::String : TokenKind::EndOfFile;
    }
    default:
      break;
    }
    if (isDigit(c))
      return readNumber(text, c);
    // A wide string: L"text".
    if ((c == u'L' || c == u'l') && peek(true) == u'"') {
      nextChar(false);
      ReaderSource source{*this};
      return readQuotedString(source, text) ? TokenKind::String : TokenKind::EndOfFile;
    }
    text.append(QChar(c));
    readWordRest(text);
    normalizeKeyword(text);
    if (text == QLatin1String("NOT")) {
      char16_t d;
      do {
        d = nextChar(true);
      } while (d == u' ' || d == u'\n' || d == u'\r' || d == u'\t');
      text.append(u' ');
      if (!isWordDelimiter(d)) {
        text.append(QChar(d));
        readWordRest(text);
      } else if (d != 0) {
        pushBack();
      }
      return TokenKind::Word;
    }
    if (skipDirectives && text.startsWith(u'#')) {
      if (skipDirectiveLine() == 0)
        return TokenKind::EndOfFile;
      continue;
    }
    return TokenKind::Word;
  }
}

} // namespace tarvelo

#include "script/script_reader.h"

#include "script/block_tokenizer.h"
#include "script/keywords.h"

#include <cstring>

namespace tarvelo {

namespace {

bool isWordDelimiter(char16_t c) {
  return c == 0 || c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == u',' || c == u'|' ||
         c == u'(' || c == u')';
}

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// A byte-order mark inside the text (a file saved with two) is a blank as well.
bool isBlankChar(char16_t c) {
  return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == 0xFEFF;
}

// Sets text to what view shows, reusing text's storage.
void setText(QString &text, QStringView view) {
  text.resize(view.size());
  std::memcpy(static_cast<void *>(text.data()), view.data(), size_t(view.size()) * sizeof(QChar));
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
  m_pending.valid = false;
}

bool ScriptReader::readNextLine() {
  if (m_echo && !m_line.isEmpty()) {
    if (m_merged && m_keepOrigins && !m_lineChanged)
      m_merged->addOldLine(m_line, m_lineOrigin);
    else if (m_merged)
      m_merged->addNew(m_line);
    else if (m_output)
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
  if (m_merged) {
    m_lineOrigin = {m_file.lastLineStart(), m_file.readPosition(), m_codePage};
    m_lineChanged = false;
  }
  ++m_lineNumber;
  if (m_lineListener)
    m_lineListener();
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
    m_pending.valid = false;
  }
  if (m_position == -1)
    return m_atEnd ? 0 : 1;
  // Most rests of lines hold strings that end on them, and no comment or one to the
  // line's end: they are passed over where they stand. A string that goes on past the
  // line, or a block comment, is read character by character from where it starts.
  const QStringView line(m_line);
  const qsizetype last = line.size() - 1; // the line feed
  qsizetype i = m_position + 1;
  for (;;) {
    while (i < last && line[i] != u'"' && line[i] != u'/')
      ++i;
    if (i >= last || (line[i] == u'/' && line[i + 1] == u'/')) {
      m_position = -1;
      return 1;
    }
    if (line[i] == u'"') {
      const qsizetype close = quotedStringEnd(line, i + 1);
      if (close < 0 || close >= last)
        break;
      i = close + 1;
    } else if (line[i + 1] == u'*') {
      break;
    } else {
      ++i;
    }
  }
  m_position = int(i) - 1;
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

namespace {

bool isKeywordWord(QStringView word, QLatin1String keyword) {
  return word.size() == keyword.size() && word.compare(keyword, Qt::CaseInsensitive) == 0;
}

} // namespace

int ScriptReader::skipBlockRest(int depth) {
  // A word read ahead counts first.
  if (m_pending.valid) {
    m_pending.valid = false;
    if (m_pending.kind == TokenKind::EndOfFile)
      return 0;
    if (m_pending.kind == TokenKind::Word && m_pending.text == QLatin1String("BEGIN"))
      ++depth;
    else if (m_pending.kind == TokenKind::Word && m_pending.text == QLatin1String("END") &&
             --depth == 0)
      return 1;
  }
  for (;;) {
    if (m_position < 0) {
      if (!readNextLine())
        return 0;
      m_position = -1;
    }
    const QStringView line(m_line);
    const int last = int(line.size()) - 1; // the line feed
    int i = m_position + 1;
    bool moved = false; // reading went on to another line
    while (i < last && !moved) {
      const char16_t c = line[i].unicode();
      const unsigned char type = charclass::of(c);
      if (type & charclass::WordDelimiter) {
        ++i;
        continue;
      }
      const char16_t following = line[i + 1].unicode();
      if (c == u'"' || ((c == u'L' || c == u'l') && following == u'"')) {
        const int open = c == u'"' ? i : i + 1;
        const qsizetype close = quotedStringEnd(line, open + 1);
        if (close >= 0 && close < last) {
          i = int(close) + 1;
          continue;
        }
        // A string that goes on past the line.
        m_position = open;
        ReaderSource source{*this};
        QString scratch;
        if (!readQuotedString(source, scratch))
          return 0;
        moved = true;
        continue;
      }
      if (c == u'/' && following == u'/')
        break;
      if (c == u'/' && following == u'*') {
        const qsizetype close = line.indexOf(QLatin1String("*/"), i + 2);
        if (close >= 0) {
          i = int(close) + 2;
          continue;
        }
        // A comment that goes on past the line ends on a later one.
        qsizetype end = -1;
        while (end < 0) {
          if (!readNextLine())
            return 0;
          end = m_line.indexOf(QLatin1String("*/"));
        }
        m_position = int(end) + 1;
        moved = true;
        continue;
      }
      if (c == u'{' || c == u'}') {
        depth += c == u'{' ? 1 : -1;
        if (depth == 0) {
          m_position = i;
          return 1;
        }
        ++i;
        continue;
      }
      // A word, which a slash not opening a comment does not end.
      int end = i + 1;
      while (end < last) {
        const char16_t d = line[end].unicode();
        const unsigned char dType = charclass::of(d);
        if (dType & charclass::WordDelimiter)
          break;
        if ((dType & charclass::Slash) && (line[end + 1] == u'/' || line[end + 1] == u'*'))
          break;
        ++end;
      }
      const QStringView word = line.mid(i, end - i);
      if (c == u'#') {
        // A directive line among the statements is passed over whole.
        m_position = end - 1;
        if (skipDirectiveLine() == 0)
          return 0;
        moved = true;
        continue;
      }
      if (isKeywordWord(word, QLatin1String("BEGIN"))) {
        ++depth;
      } else if (isKeywordWord(word, QLatin1String("END")) && --depth == 0) {
        m_position = end - 1;
        return 1;
      }
      i = end;
    }
    if (!moved)
      m_position = -1; // the line is used up
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

// The NOT pair: the blanks after NOT are skipped and the next word read with it.
TokenKind ScriptReader::readNotPair(QString &text) {
  char16_t d;
  do {
    d = nextChar(true);
  } while (isBlankChar(d));
  text.append(u' ');
  if (!isWordDelimiter(d)) {
    text.append(QChar(d));
    readWordRest(text);
  } else if (d != 0) {
    pushBack();
  }
  return TokenKind::Word;
}

// A token that starts with c (just handed out, not at the line's end) and ends on the
// line, read at once: a word, a number or a string. EndOfFile when the token is none
// of these or goes on past the line, comments included: the caller reads it then.
TokenKind ScriptReader::tokenOnLine(QString &text, char16_t c) {
  const QStringView line(m_line);
  const int start = m_position;
  const int last = int(line.size()) - 1; // the line feed
  if (c == u'"' || ((c == u'L' || c == u'l') && line[start + 1] == u'"')) {
    const int open = c == u'"' ? start : start + 1;
    const qsizetype close = quotedStringEnd(line, open + 1);
    if (close < 0 || close >= last)
      return TokenKind::EndOfFile;
    setText(text, line.mid(open + 1, close - open - 1));
    m_position = int(close);
    return TokenKind::String;
  }
  if (isWordDelimiter(c) || c == u'{' || c == u'}' || c == u'/' || c == u'-')
    return TokenKind::EndOfFile;
  int end = start + 1;
  while (end < last &&
         !(charclass::of(line[end].unicode()) & (charclass::WordDelimiter | charclass::Slash)))
    ++end;
  if (line[end] == u'/')
    return TokenKind::EndOfFile;
  setText(text, line.mid(start, end - start));
  // The delimiter is consumed, except one that is a token of its own.
  const char16_t delimiter = line[end].unicode();
  if (end == last)
    m_position = -1;
  else if (delimiter == u',' || delimiter == u'|' || delimiter == u'(' || delimiter == u')')
    m_position = end - 1;
  else
    m_position = end;
  if (isDigit(c)) {
    TokenKind kind = TokenKind::Number;
    for (qsizetype i = 1; i < text.size(); ++i) {
      const char16_t d = text[i].unicode();
      if (c == u'0' && i == 1 && d == u'x')
        kind = TokenKind::HexNumber;
      else if (!isDigit(d))
        return TokenKind::Word;
    }
    return kind;
  }
  normalizeKeyword(text);
  return TokenKind::Word;
}

TokenKind ScriptReader::peekToken(bool skipDirectives) {
  if (m_pending.valid)
    return m_pending.kind;
  const int line = m_lineNumber;
  const bool lineUsed = m_position == -1;
  const TokenKind kind = nextToken(m_pending.text, skipDirectives);
  m_pending.valid = true;
  m_pending.crossedLine = m_lineNumber != line || (lineUsed && kind != TokenKind::EndOfFile);
  m_pending.kind = kind;
  return kind;
}

TokenKind ScriptReader::nextToken(QString &text, bool skipDirectives) {
  if (m_pending.valid) {
    // The caller's storage is kept for the next token read ahead.
    m_pending.valid = false;
    text.swap(m_pending.text);
    return m_pending.kind;
  }
  for (;;) {
    // Blanks on the current line are passed over at once.
    if (m_position >= 0) {
      const int last = int(m_line.size()) - 1;
      int i = m_position + 1;
      while (i < last && isBlankChar(m_line[i].unicode()))
        ++i;
      m_position = i - 1;
    }
    char16_t c;
    do {
      c = nextChar(true);
    } while (isBlankChar(c));
    m_tokenLine = m_lineNumber;
    m_tokenColumn = m_position == -1 ? int(m_line.size()) - 1 : m_position;
    // Most tokens end on their line and are taken from it at once.
    const TokenKind onLine =
        c != 0 && m_position >= 0 ? tokenOnLine(text, c) : TokenKind::EndOfFile;
    if (onLine == TokenKind::String || onLine == TokenKind::Number ||
        onLine == TokenKind::HexNumber)
      return onLine;
    if (onLine != TokenKind::Word) {
      text.truncate(0);
      switch (c) {
      case 0:
        return TokenKind::EndOfFile;
      case u'(':
      case u')':
      case u',':
      case u'|':
        text.append(QChar(c));
        return c == u'('   ? TokenKind::OpenParen
               : c == u')' ? TokenKind::CloseParen
               : c == u',' ? TokenKind::Comma
                           : TokenKind::Bar;
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
    }
    if (text == QLatin1String("NOT"))
      return readNotPair(text);
    if (skipDirectives && text.startsWith(u'#')) {
      if (skipDirectiveLine() == 0)
        return TokenKind::EndOfFile;
      continue;
    }
    return TokenKind::Word;
  }
}

} // namespace tarvelo

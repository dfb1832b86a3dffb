// ScriptReader: lines of a script read and echoed, and the characters and tokens on them.
#include "script/script_reader.h"

#include "script/block_tokenizer.h"
#include "script/keywords.h"
#include "script/line_cursor.h"

#include <algorithm>
#include <cstring>

namespace tarvelo {

namespace {

// Read character by character, a word goes on over a byte-order mark, which ends it
// where it is taken from the line at once.
bool endsWordRead(char16_t c) {
  return c != 0xFEFF && LineCursor::endsWord(c);
}

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
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
    const LineCursor cursor(lineBody(), m_position);
    if (cursor.atLineComment()) {
      m_position = -1;
      return u'\n';
    }
    if (cursor.atComment())
      return skipBlockComment(true) ? u' ' : 0;
  }
  return c;
}

// The current line without its line feed, which ends every line read.
QStringView ScriptReader::lineBody() const {
  return QStringView(m_line).first(std::max<qsizetype>(0, m_line.size() - 1));
}

// Passes over the block comment that opens at the current position, onto later lines
// if need be, and stands on its closing slash; false at the end of the file. Read as
// characters, a null character in the comment is taken for the end of the file and
// reading stops on it.
bool ScriptReader::skipBlockComment(bool nullEndsFile) {
  qsizetype from = m_position + 2; // past the star, so that "/*/" does not close
  for (;;) {
    const QStringView body = lineBody();
    LineCursor cursor(body, from);
    const bool closed = cursor.skipCommentRest();
    const qsizetype null = nullEndsFile ? body.indexOf(QChar(0), from) : -1;
    if (null >= 0 && (!closed || null < cursor.pos())) {
      m_position = int(null);
      return false;
    }
    if (closed) {
      m_position = int(cursor.pos()) - 1;
      return true;
    }
    if (!readNextLine()) {
      m_position = -1;
      return false;
    }
    from = 0;
  }
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

bool ScriptReader::skipLine() {
  if (m_pending.valid) {
    // A token read ahead from a later line: the rest of this line was empty.
    if (m_pending.crossedLine)
      return true;
    m_pending.valid = false;
  }
  if (m_position == -1)
    return !m_atEnd;
  // Most rests of lines hold strings that end on them, and no comment or one to the
  // line's end: they are passed over where they stand. A string that goes on past the
  // line, or a block comment, is read character by character from where it starts.
  LineCursor cursor(lineBody(), m_position + 1);
  for (;;) {
    cursor.skipUntil<u'"', u'/'>();
    if (cursor.atEnd() || cursor.atLineComment()) {
      m_position = -1;
      return true;
    }
    if (cursor.current() == u'"') {
      if (!cursor.skipString())
        break;
    } else if (cursor.atComment()) {
      break;
    } else {
      cursor.advance();
    }
  }
  m_position = int(cursor.pos()) - 1;
  for (;;) {
    const char16_t c = nextChar(true);
    if (c == 0)
      return false;
    if (m_position == -1 && c == u'\n')
      return true;
    if (c == u'"') {
      // A string's text is never a comment.
      ReaderSource source{*this};
      QString scratch;
      if (!readQuotedString(source, scratch))
        return false;
      if (m_position == -1)
        return true;
    }
  }
}

bool ScriptReader::restOfLineStartsString() const {
  if (m_position < 0)
    return false;
  LineCursor cursor(lineBody(), m_position + 1);
  for (;;) {
    cursor.skipUntil<u'"', u'/', u'{'>();
    // A block that begins on the line is not a file name.
    if (cursor.atEnd() || cursor.current() == u'{' || cursor.atLineComment())
      return false;
    if (cursor.current() == u'"')
      return true;
    if (!cursor.atComment())
      cursor.advance();
    else if (!cursor.skipComment())
      return false;
  }
}

QString ScriptReader::textAtToken() const {
  if (m_atEnd)
    return QStringLiteral("the end of the file");
  QStringView line(m_line);
  if (m_tokenLine == m_lineNumber && m_tokenColumn >= 0 && m_tokenColumn < line.size())
    line = line.mid(m_tokenColumn);
  return line.trimmed().left(60).toString();
}

bool ScriptReader::skipDirectiveLine() {
  for (;;) {
    qsizetype end = m_line.size() - 1; // the line feed
    while (end > 0 &&
           (m_line[end - 1] == u' ' || m_line[end - 1] == u'\t' || m_line[end - 1] == u'\r'))
      --end;
    const bool continued = end > 0 && m_line[end - 1] == u'\\';
    if (!skipLine())
      return false;
    if (!continued)
      return true;
    if (!readNextLine())
      return false;
    m_position = -1;
  }
}

namespace {

bool isKeywordWord(QStringView word, QLatin1String keyword) {
  return word.size() == keyword.size() && word.compare(keyword, Qt::CaseInsensitive) == 0;
}

} // namespace

bool ScriptReader::skipBlockRest(int depth) {
  // A word read ahead counts first.
  if (m_pending.valid) {
    m_pending.valid = false;
    if (m_pending.kind == TokenKind::EndOfFile)
      return false;
    if (m_pending.kind == TokenKind::Word && m_pending.text == QLatin1String("BEGIN"))
      ++depth;
    else if (m_pending.kind == TokenKind::Word && m_pending.text == QLatin1String("END") &&
             --depth == 0)
      return true;
  }
  for (;;) {
    if (m_position < 0) {
      if (!readNextLine())
        return false;
      m_position = -1;
    }
    const QStringView line = lineBody();
    LineCursor cursor(line, m_position + 1);
    bool moved = false; // reading went on to another line
    while (!moved) {
      cursor.skipDelimiters();
      if (cursor.atEnd() || cursor.atLineComment())
        break;
      const char16_t c = cursor.current();
      if (c == u'"' || ((c == u'L' || c == u'l') && cursor.at(cursor.pos() + 1) == u'"')) {
        if (c != u'"')
          cursor.advance();
        const int open = int(cursor.pos());
        if (cursor.skipString())
          continue;
        // A string that goes on past the line.
        m_position = open;
        ReaderSource source{*this};
        QString scratch;
        if (!readQuotedString(source, scratch))
          return false;
        moved = true;
      } else if (cursor.atComment()) {
        if (cursor.skipComment())
          continue;
        // A comment that goes on past the line ends on a later one.
        m_position = int(cursor.pos());
        if (!skipBlockComment(false))
          return false;
        moved = true;
      } else if (c == u'{' || c == u'}') {
        depth += c == u'{' ? 1 : -1;
        if (depth == 0) {
          m_position = int(cursor.pos());
          return true;
        }
        cursor.advance();
      } else {
        // A word, which a slash not opening a comment does not end.
        const qsizetype start = cursor.pos();
        cursor.skipWordToComment();
        if (c == u'#') {
          // A directive line among the statements is passed over whole.
          m_position = int(cursor.pos()) - 1;
          if (!skipDirectiveLine())
            return false;
          moved = true;
        } else if (isKeywordWord(line.mid(start, cursor.pos() - start), QLatin1String("BEGIN"))) {
          ++depth;
        } else if (isKeywordWord(line.mid(start, cursor.pos() - start), QLatin1String("END")) &&
                   --depth == 0) {
          m_position = int(cursor.pos()) - 1;
          return true;
        }
      }
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
  LineCursor cursor(lineBody(), start);
  for (cursor.skipWord(); cursor.current() == 0xFEFF; cursor.skipWord())
    cursor.advance(); // see endsWordRead
  if (cursor.pos() > start) {
    text.append(lineBody().mid(start, cursor.pos() - start));
    m_position = int(cursor.pos()) - 1;
  }
}

qsizetype ScriptReader::takeStringRun(QString &text) {
  if (m_position < 0)
    return 0;
  const int start = m_position + 1;
  LineCursor cursor(lineBody(), start);
  cursor.skipUntil<u'"', u'\\'>();
  if (cursor.pos() > start) {
    text.append(lineBody().mid(start, cursor.pos() - start));
    m_position = int(cursor.pos()) - 1;
  }
  return cursor.pos() - start;
}

void ScriptReader::readWordRest(QString &text) {
  for (;;) {
    takeWordRun(text);
    const char16_t c = nextChar(true);
    if (endsWordRead(c)) {
      if (LineCursor::isOwnToken(c))
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
    if (endsWordRead(c)) {
      if (LineCursor::isOwnToken(c))
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
  } while (LineCursor::isBlank(d));
  text.append(u' ');
  if (!endsWordRead(d)) {
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
  const QStringView line = lineBody();
  const int start = m_position;
  LineCursor cursor(line, start);
  if (c == u'"' || ((c == u'L' || c == u'l') && cursor.at(start + 1) == u'"')) {
    if (c != u'"')
      cursor.advance();
    const qsizetype open = cursor.pos();
    if (!cursor.skipString())
      return TokenKind::EndOfFile;
    setText(text, line.mid(open + 1, cursor.pos() - open - 2));
    m_position = int(cursor.pos()) - 1;
    return TokenKind::String;
  }
  if (LineCursor::endsWord(c) || c == u'{' || c == u'}' || c == u'/' || c == u'-')
    return TokenKind::EndOfFile;
  cursor.skipWord();
  if (cursor.current() == u'/')
    return TokenKind::EndOfFile;
  const int end = int(cursor.pos());
  setText(text, line.mid(start, end - start));
  // The delimiter is consumed, except one that is a token of its own.
  if (cursor.atEnd())
    m_position = -1;
  else if (LineCursor::isOwnToken(cursor.current()))
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
  m_pending.stringPosition = m_stringPosition;
  return kind;
}

int ScriptReader::columnAfterLast() const {
  return (m_position < 0 ? int(lineBody().size()) : m_position + 1) + 1;
}

TokenKind ScriptReader::nextToken(QString &text, bool skipDirectives) {
  if (m_pending.valid) {
    // The caller's storage is kept for the next token read ahead.
    m_pending.valid = false;
    text.swap(m_pending.text);
    m_stringPosition = m_pending.stringPosition;
    return m_pending.kind;
  }
  const TokenKind kind = readToken(text, skipDirectives);
  if (kind == TokenKind::String) {
    // Recorded as the literal is read, in columns of the decoded line; a wide string's
    // token starts at its L, one before the quote.
    m_stringPosition = {m_tokenLine, m_tokenColumn + (m_tokenWide ? 2 : 1), m_lineNumber,
                        columnAfterLast(), false};
  }
  return kind;
}

TokenKind ScriptReader::readToken(QString &text, bool skipDirectives) {
  for (;;) {
    // Blanks on the current line are passed over at once.
    if (m_position >= 0) {
      LineCursor cursor(lineBody(), m_position + 1);
      cursor.skipBlanks();
      m_position = int(cursor.pos()) - 1;
    }
    char16_t c;
    do {
      c = nextChar(true);
    } while (LineCursor::isBlank(c));
    m_tokenLine = m_lineNumber;
    m_tokenColumn = m_position == -1 ? int(m_line.size()) - 1 : m_position;
    m_tokenWide = c != u'"';
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
      if (!skipDirectiveLine())
        return TokenKind::EndOfFile;
      continue;
    }
    return TokenKind::Word;
  }
}

} // namespace tarvelo

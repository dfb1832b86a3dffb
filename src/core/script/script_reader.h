// ScriptReader: the line and token layer of the resource-script reader, with echo of read lines.
#pragma once

#include "script/merged_lines.h"
#include "script/raw_block.h"
#include "script/script_file.h"
#include "script/text_position.h"
#include "script/token.h"

#include <QString>
#include <functional>

namespace tarvelo {

// The reading layer of a resource script: the current line and a position in it,
// characters with comments recognised, and tokens. With echo on, every consumed
// line is copied to an output file.
class ScriptReader {
public:
  ScriptFile &file() { return m_file; }
  int lineNumber() const { return m_lineNumber; }
  int codePage() const { return m_codePage; }
  void setCodePage(int codePage) { m_codePage = codePage; }
  const QString &currentLine() const { return m_line; }
  // Index of the last character handed out; -1 when the line is used up.
  int position() const { return m_position; }
  // Changes the current line before it is echoed (the rest of it is not read again).
  void setCurrentLine(const QString &line) {
    m_line = line.endsWith(u'\n') ? line : line + u'\n';
    m_position = -1;
    m_lineChanged = true;
  }

  // Starts reading the file from its first line.
  void restart();

  char16_t nextChar(bool recogniseComments);
  void pushBack();
  char16_t peek(bool forward) const;
  // Consumes the rest of the current line: true when it ended, false at the end of the
  // file. A block comment opened on it is consumed to its end, so that what it holds is
  // never read as statements.
  bool skipLine();
  // Skips the rest of a directive line and the lines it continues onto (a line
  // ending with a backslash continues on the next one).
  bool skipDirectiveLine();
  TokenKind nextToken(QString &text, bool skipDirectives);
  // The next token, left to be returned by the next call of nextToken; its text is
  // peekedText().
  TokenKind peekToken(bool skipDirectives);
  const QString &peekedText() const { return m_pending.text; }
  // Whether the rest of the current line, comments aside, begins with a quote.
  bool restOfLineStartsString() const;
  // Where the token read last starts (line, 0-based index in it).
  int tokenLine() const { return m_tokenLine; }
  int tokenColumn() const { return m_tokenColumn; }
  // Where the string literal read last stands, quotes included (1-based columns).
  const TextPosition &stringPosition() const { return m_stringPosition; }
  // The 1-based column past the character handed out last.
  int columnAfterLast() const;
  // The text of the line the token read last stands on, from that token on.
  QString textAtToken() const;
  // Passes over the rest of a block whose BEGIN has been read, depth levels deep, to
  // its END, without reading tokens: false at the end of the file.
  bool skipBlockRest(int depth);
  // Appends the run of ordinary string characters that follows; the run's length.
  qsizetype takeStringRun(QString &text);

  // Echo and collecting, switched by the document and the writer.
  void setEcho(bool on) { m_echo = on; }
  bool echo() const { return m_echo; }
  void setEchoFromNextLine() { m_echoFromNextLine = true; }
  void setOutput(ScriptFile *output) { m_output = output; }
  // Echoed lines go to merged lines instead, as the file's own lines when keepOrigins.
  void setMergedOutput(MergedLines *merged, bool keepOrigins) {
    m_merged = merged;
    m_keepOrigins = keepOrigins;
  }
  int linesWritten() const { return m_linesWritten; }
  void setLinesWritten(int count) { m_linesWritten = count; }

  // Called after each line has been read.
  void setLineListener(std::function<void()> listener) { m_lineListener = std::move(listener); }

private:
  bool readNextLine();
  QStringView lineBody() const;
  bool skipBlockComment(bool nullEndsFile);
  void readWordRest(QString &text);
  TokenKind tokenOnLine(QString &text, char16_t first);
  TokenKind readNotPair(QString &text);
  void takeWordRun(QString &text);
  TokenKind readNumber(QString &text, char16_t first);
  TokenKind readToken(QString &text, bool skipDirectives);

  ScriptFile m_file;
  int m_codePage = 0;
  std::function<void()> m_lineListener;
  QString m_line;
  int m_position = -1;
  int m_tokenLine = 0;
  int m_tokenColumn = 0;
  bool m_tokenWide = false; // the token read last starts before its quote
  TextPosition m_stringPosition;
  // A token read ahead by peekToken; crossedLine tells that reading it moved to a
  // later line (the rest of the peeking line held nothing).
  struct Pending {
    bool valid = false;
    bool crossedLine = false;
    TokenKind kind = TokenKind::EndOfFile;
    QString text;
    TextPosition stringPosition;
  };
  Pending m_pending;
  int m_lineNumber = 0;
  bool m_atEnd = false;
  bool m_echo = false;
  bool m_echoFromNextLine = false;
  ScriptFile *m_output = nullptr;
  MergedLines *m_merged = nullptr;
  bool m_keepOrigins = false;
  MergedLines::Origin m_lineOrigin; // where the current line stands in the file
  bool m_lineChanged = false;
  int m_linesWritten = 0;
};

} // namespace tarvelo

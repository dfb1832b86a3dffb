// Reading DLGINIT resources: the strings of combo boxes among the records.
#include "script/keywords.h"
#include "script/statement_reader.h"
#include "text/code_page.h"

#include <algorithm>

namespace tarvelo {

namespace {

// The value of a number as written ("0x6f4e", "1027", "0"); -1 for anything else.
long long valueOf(const QString &text, TokenKind kind) {
  long long value = 0;
  if (kind != TokenKind::Word && kind != TokenKind::HexNumber && kind != TokenKind::Number)
    return -1;
  return numberValue(text, value) ? value : -1;
}

// The next value: commas only separate the values.
TokenKind nextValue(ScriptReader &lines, QString &text) {
  TokenKind kind;
  do {
    kind = lines.nextToken(text, true);
  } while (kind == TokenKind::Comma);
  return kind;
}

} // namespace

// DLGINIT: records of control identifier, message, byte length, a reserved 0 and the
// data as 16-bit words. The strings of combo boxes (message 0x403) become entries.
ScriptResult StatementReader::readDlgInit(const QString &identifier) {
  if (skipToBegin() != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  addEntry(QStringLiteral("DLGINIT"), identifier, QString());
  // Writing needs only the resource's first text: its block is written whole.
  if (m_rules.wholeBlocks)
    return skipBlockBody();
  bool ended = false;
  while (!ended)
    if (readDlgInitRecord(ended) != ScriptResult::Ok)
      return ScriptResult::SyntaxError;
  return ScriptResult::Ok;
}

// One record, the terminator, or the block's END (ended).
ScriptResult StatementReader::readDlgInitRecord(bool &ended) {
  QString control;
  const TokenKind kind = nextValue(m_lines, control);
  if (kind == TokenKind::EndOfFile)
    return ScriptResult::SyntaxError;
  if (kind == TokenKind::Word && control == QLatin1String("END")) {
    ended = true;
    return ScriptResult::Ok;
  }
  if (valueOf(control, kind) == 0)
    return ScriptResult::Ok; // the terminator
  // The string has no literal: the record from its control on stands for it.
  const TextPosition recordStart = {m_lines.tokenLine(), m_lines.tokenColumn() + 1, 0, 0, false};
  QString message, length, reserved, token;
  const TokenKind messageKind = nextValue(m_lines, message);
  const TokenKind lengthKind = nextValue(m_lines, length);
  const long long byteCount = valueOf(length, lengthKind);
  if (messageKind == TokenKind::EndOfFile || byteCount < 0 || byteCount > 0xffff ||
      nextValue(m_lines, reserved) == TokenKind::EndOfFile)
    return ScriptResult::SyntaxError;
  const int words = int(byteCount + 1) / 2;
  // Each word gives its low byte, then its high byte, a zero byte ending the word.
  // The record's bytes are decoded at once, so that a character whose bytes span
  // two words stays whole.
  QByteArray bytes;
  for (int i = 0; i < words; ++i) {
    const TokenKind wordKind = nextValue(m_lines, token);
    if (wordKind == TokenKind::EndOfFile ||
        (wordKind == TokenKind::Word && token == QLatin1String("END")))
      return ScriptResult::SyntaxError;
    const unsigned word = unsigned(std::max(0LL, valueOf(token, wordKind)));
    if ((word & 0xFF) == 0)
      continue;
    bytes.append(char(word & 0xFF));
    if ((word >> 8) & 0xFF)
      bytes.append(char((word >> 8) & 0xFF));
  }
  m_textPosition = recordStart;
  m_textPosition.endLine = m_lines.lineNumber();
  m_textPosition.endColumn = m_lines.columnAfterLast();
  if (valueOf(message, messageKind) == 0x403)
    addEntry(QStringLiteral("DLGINIT"), control, CodePage::toUtf16(bytes, m_lines.codePage()));
  return ScriptResult::Ok;
}

} // namespace tarvelo

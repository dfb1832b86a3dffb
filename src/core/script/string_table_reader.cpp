// Reading STRINGTABLE resources.
#include "script/statement_reader.h"

namespace tarvelo {

// STRINGTABLE: an identifier (a value or an expression), an optional comma and a
// text of one or more adjacent literals.
ScriptResult StatementReader::readStringTable() {
  if (skipToBegin() != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  QString token, text;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, true);
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptResult::Ok;
    if (!readExpression(kind, token))
      return ScriptResult::SyntaxError;
    TokenKind next = m_lines.nextToken(text, true);
    if (next == TokenKind::Comma)
      next = m_lines.nextToken(text, true);
    if (next != TokenKind::String)
      return ScriptResult::SyntaxError;
    readTextRest(text);
    addEntry(QStringLiteral("STRINGTABLE"), token, text);
  }
}

} // namespace tarvelo

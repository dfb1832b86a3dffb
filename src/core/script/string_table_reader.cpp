#include "script/resource_script.h"

namespace tarvelo {

// STRINGTABLE: an identifier (a value or an expression), an optional comma and a
// text of one or more adjacent literals.
int ResourceScript::readStringTable() {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  QString token, text;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptOk;
    if (!readExpression(kind, token))
      return ScriptSyntaxError;
    TokenKind next = nextToken(text, true);
    if (next == TokenKind::Comma)
      next = nextToken(text, true);
    if (next != TokenKind::String)
      return ScriptSyntaxError;
    readTextRest(text);
    addEntry(QStringLiteral("STRINGTABLE"), token, text);
  }
}

} // namespace tarvelo

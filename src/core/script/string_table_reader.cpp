#include "script/resource_script.h"

namespace tarvelo {

// STRINGTABLE: identifier, an optional comma and one string per line.
int ResourceScript::readStringTable() {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  QString token, text;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptOk;
    if (kind != TokenKind::Word && kind != TokenKind::Number && kind != TokenKind::HexNumber)
      return ScriptSyntaxError;
    TokenKind next = nextToken(text, true);
    if (next == TokenKind::Comma)
      next = nextToken(text, true);
    if (next != TokenKind::String)
      return ScriptSyntaxError;
    addEntry(QStringLiteral("STRINGTABLE"), token, text);
  }
}

} // namespace tarvelo

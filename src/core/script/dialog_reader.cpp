#include "script/dialog_layout.h"
#include "script/resource_script.h"

namespace tarvelo {

int ResourceScript::readDialog(const QString &identifier) {
  QString token, caption;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("BEGIN"))
      break;
    if (token == QLatin1String("LANGUAGE")) {
      if (readLanguage(false) != ScriptOk)
        return ScriptSyntaxError;
    } else if (token == QLatin1String("CAPTION")) {
      if (nextToken(caption, true) != TokenKind::String)
        return ScriptSyntaxError;
      if (skipToBegin() != ScriptOk)
        return ScriptSyntaxError;
      break;
    }
  }
  addEntry(QStringLiteral("DIALOG"), identifier, caption);

  QString text, identifierToken;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptOk;
    if (kind == TokenKind::Word && isTextFirstKeyword(token)) {
      const TokenKind textKind = nextToken(text, true);
      if (textKind == TokenKind::EndOfFile)
        return ScriptSyntaxError;
      if (textKind == TokenKind::String) {
        if (nextToken(identifierToken, true) != TokenKind::Comma)
          return ScriptSyntaxError;
        const TokenKind idKind = nextToken(identifierToken, true);
        if (idKind == TokenKind::String || idKind == TokenKind::EndOfFile)
          return ScriptSyntaxError;
        addEntry(QStringLiteral("DIALOG"), identifierToken, text);
      }
    }
    skipLine();
  }
}

} // namespace tarvelo

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
      readTextRest(caption);
      if (skipToBegin() != ScriptOk)
        return ScriptSyntaxError;
      break;
    }
  }
  addEntry(QStringLiteral("DIALOG"), identifier, caption);
  // Writing needs only the resource's first text: its block is written whole.
  if (m_mode == Mode::Saving)
    return skipBlockBody();

  QString text, identifierToken;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptOk;
    if (kind == TokenKind::Word && isTextFirstKeyword(token)) {
      TokenKind textKind = nextToken(text, true);
      // A comma may follow the keyword, as the compiler allows.
      if (textKind == TokenKind::Comma)
        textKind = nextToken(text, true);
      if (textKind == TokenKind::EndOfFile)
        return ScriptSyntaxError;
      if (textKind == TokenKind::String) {
        readTextRest(text);
        if (!readOptionalCommaAndIdentifier(identifierToken))
          return ScriptSyntaxError;
        addEntry(QStringLiteral("DIALOG"), identifierToken, text);
      }
    }
    skipLine();
  }
}

} // namespace tarvelo

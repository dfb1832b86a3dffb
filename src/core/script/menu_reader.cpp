#include "script/resource_script.h"

namespace tarvelo {

int ResourceScript::readMenu(const QString &identifier) {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  addEntry(QStringLiteral("MENU"), identifier, QString());
  // Writing needs only the resource's first text: its block is written whole.
  if (m_mode == Mode::Saving)
    return skipBlockBody();
  bool sawEnd = false;
  return readMenuItems(sawEnd);
}

// The items of one BEGIN ... END level; a POPUP reads its own level recursively.
int ResourceScript::readMenuItems(bool &sawEnd) {
  QString token, text;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("END")) {
      sawEnd = true;
      return ScriptOk;
    }
    if (token == QLatin1String("POPUP")) {
      if (nextToken(text, true) != TokenKind::String)
        return ScriptSyntaxError;
      readTextRest(text);
      addEntry(QStringLiteral("MENU"), QStringLiteral("POPUP"), text);
      bool popupEnded = false;
      if (readMenuItems(popupEnded) != ScriptOk)
        return ScriptSyntaxError;
      continue;
    }
    if (token == QLatin1String("MENUITEM")) {
      const TokenKind textKind = nextToken(text, true);
      if (textKind == TokenKind::EndOfFile)
        return ScriptSyntaxError;
      if (textKind == TokenKind::String) {
        readTextRest(text);
        QString identifier;
        if (!readOptionalCommaAndIdentifier(identifier))
          return ScriptSyntaxError;
        addEntry(QStringLiteral("MENU"), identifier, text);
      }
      skipLine();
    }
  }
}

} // namespace tarvelo

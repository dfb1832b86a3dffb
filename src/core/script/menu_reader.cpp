// Reading MENU resources: the items and popups of every level.
#include "script/statement_reader.h"

namespace tarvelo {

ScriptResult StatementReader::readMenu(const QString &identifier) {
  if (skipToBegin() != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  addEntry(QStringLiteral("MENU"), identifier, QString());
  // Writing needs only the resource's first text: its block is written whole.
  if (m_rules.wholeBlocks)
    return skipBlockBody();
  return readMenuItems();
}

// The items of one BEGIN ... END level; a POPUP reads its own level recursively.
ScriptResult StatementReader::readMenuItems() {
  QString token, text;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptResult::SyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("END"))
      return ScriptResult::Ok;
    if (token == QLatin1String("POPUP")) {
      if (m_lines.nextToken(text, true) != TokenKind::String)
        return ScriptResult::SyntaxError;
      readTextRest(text);
      addEntry(QStringLiteral("MENU"), QStringLiteral("POPUP"), text);
      if (readMenuItems() != ScriptResult::Ok)
        return ScriptResult::SyntaxError;
      continue;
    }
    if (token == QLatin1String("MENUITEM")) {
      const TokenKind textKind = m_lines.nextToken(text, true);
      if (textKind == TokenKind::EndOfFile)
        return ScriptResult::SyntaxError;
      if (textKind == TokenKind::String) {
        readTextRest(text);
        QString identifier;
        if (!readOptionalCommaAndIdentifier(identifier))
          return ScriptResult::SyntaxError;
        addEntry(QStringLiteral("MENU"), identifier, text);
      }
      m_lines.skipLine();
    }
  }
}

} // namespace tarvelo

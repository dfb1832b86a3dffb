// Reading DIALOG and DIALOGEX resources: the caption and the texts of the controls.
#include "script/dialog_layout.h"
#include "script/statement_reader.h"

namespace tarvelo {

// The header up to BEGIN: LANGUAGE statements of the resource and its caption.
ScriptResult StatementReader::readDialogHeader(QString &caption) {
  QString token;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptResult::SyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("BEGIN"))
      return ScriptResult::Ok;
    if (token == QLatin1String("LANGUAGE")) {
      if (readLanguage(false) != ScriptResult::Ok)
        return ScriptResult::SyntaxError;
    } else if (token == QLatin1String("CAPTION")) {
      if (m_lines.nextToken(caption, true) != TokenKind::String)
        return ScriptResult::SyntaxError;
      readTextRest(caption);
      return skipToBegin();
    }
  }
}

ScriptResult StatementReader::readDialog(const QString &identifier) {
  QString caption;
  if (readDialogHeader(caption) != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  addEntry(QStringLiteral("DIALOG"), identifier, caption);
  // Writing needs only the resource's first text: its block is written whole.
  if (m_rules.wholeBlocks)
    return skipBlockBody();

  QString token, text, identifierToken;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptResult::SyntaxError;
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptResult::Ok;
    if (kind == TokenKind::Word && isTextFirstKeyword(token)) {
      TokenKind textKind = m_lines.nextToken(text, true);
      // A comma may follow the keyword, as the compiler allows.
      if (textKind == TokenKind::Comma)
        textKind = m_lines.nextToken(text, true);
      if (textKind == TokenKind::EndOfFile)
        return ScriptResult::SyntaxError;
      if (textKind == TokenKind::String) {
        readTextRest(text);
        if (!readOptionalCommaAndIdentifier(identifierToken))
          return ScriptResult::SyntaxError;
        addEntry(QStringLiteral("DIALOG"), identifierToken, text);
      }
    }
    m_lines.skipLine();
  }
}

} // namespace tarvelo

#include "script/resource_script.h"
#include "text/code_page.h"

namespace tarvelo {

namespace {

// The value of a data word as written ("0x6f4e", "0x0065"); other tokens count 0.
unsigned wordValue(const QString &text, TokenKind kind) {
  if (kind != TokenKind::Word && kind != TokenKind::HexNumber && kind != TokenKind::Number)
    return 0;
  bool ok = false;
  const unsigned value = text.toUInt(&ok, 0);
  return ok ? value : 0;
}

} // namespace

// DLGINIT: records of control identifier, message, byte length, a reserved 0 and the
// data as 16-bit words. The strings of combo boxes (message 0x403) become entries.
int ResourceScript::readDlgInit(const QString &identifier) {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  addEntry(QStringLiteral("DLGINIT"), identifier, QString());
  QString token;
  // Commas only separate the values.
  const auto value = [&](QString &text) {
    TokenKind kind;
    do {
      kind = nextToken(text, true);
    } while (kind == TokenKind::Comma);
    return kind;
  };
  for (;;) {
    QString control;
    const TokenKind kind = value(control);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind == TokenKind::Word && control == QLatin1String("END"))
      return ScriptOk;
    if (kind == TokenKind::Number && control == QLatin1String("0"))
      continue; // the terminator
    QString message, length, reserved;
    if (value(message) == TokenKind::EndOfFile || value(length) != TokenKind::Number ||
        value(reserved) == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    const int words = (length.toInt() + 1) / 2;
    // Each word gives its low byte, then its high byte, a zero byte ending the word.
    // The record's bytes are decoded at once, so that a character whose bytes span
    // two words stays whole.
    QByteArray bytes;
    for (int i = 0; i < words; ++i) {
      const TokenKind wordKind = value(token);
      if (wordKind == TokenKind::EndOfFile ||
          (wordKind == TokenKind::Word && token == QLatin1String("END")))
        return ScriptSyntaxError;
      const unsigned word = wordValue(token, wordKind);
      if ((word & 0xFF) == 0)
        continue;
      bytes.append(char(word & 0xFF));
      if ((word >> 8) & 0xFF)
        bytes.append(char((word >> 8) & 0xFF));
    }
    if (message == QLatin1String("0x403"))
      addEntry(QStringLiteral("DLGINIT"), control, CodePage::toUtf16(bytes, m_codePage));
  }
}

} // namespace tarvelo

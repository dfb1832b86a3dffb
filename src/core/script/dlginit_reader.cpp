#include "script/keywords.h"
#include "script/resource_script.h"
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

} // namespace

// DLGINIT: records of control identifier, message, byte length, a reserved 0 and the
// data as 16-bit words. The strings of combo boxes (message 0x403) become entries.
int ResourceScript::readDlgInit(const QString &identifier) {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  addEntry(QStringLiteral("DLGINIT"), identifier, QString());
  // Writing needs only the resource's first text: its block is written whole.
  if (m_mode == Mode::Saving)
    return skipBlockBody();
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
    if (valueOf(control, kind) == 0)
      continue; // the terminator
    QString message, length, reserved;
    const TokenKind messageKind = value(message);
    const TokenKind lengthKind = value(length);
    const long long byteCount = valueOf(length, lengthKind);
    if (messageKind == TokenKind::EndOfFile || byteCount < 0 || byteCount > 0xffff ||
        value(reserved) == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    const int words = int(byteCount + 1) / 2;
    // Each word gives its low byte, then its high byte, a zero byte ending the word.
    // The record's bytes are decoded at once, so that a character whose bytes span
    // two words stays whole.
    QByteArray bytes;
    for (int i = 0; i < words; ++i) {
      const TokenKind wordKind = value(token);
      if (wordKind == TokenKind::EndOfFile ||
          (wordKind == TokenKind::Word && token == QLatin1String("END")))
        return ScriptSyntaxError;
      const unsigned word = unsigned(std::max(0LL, valueOf(token, wordKind)));
      if ((word & 0xFF) == 0)
        continue;
      bytes.append(char(word & 0xFF));
      if ((word >> 8) & 0xFF)
        bytes.append(char((word >> 8) & 0xFF));
    }
    if (valueOf(message, messageKind) == 0x403)
      addEntry(QStringLiteral("DLGINIT"), control, CodePage::toUtf16(bytes, m_codePage));
  }
}

} // namespace tarvelo

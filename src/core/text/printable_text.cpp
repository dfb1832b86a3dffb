// Text from outside made safe to print.

#include "text/printable_text.h"

namespace tarvelo {

namespace {

bool unsafe(char16_t c) {
  if (c == u'\t' || c == u'\n')
    return false;
  // C0, DEL and C1; the embeddings, overrides and isolates that reorder what follows.
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString printableText(const QString &text) {
  QString out = text;
  for (QChar &c : out)
    if (unsafe(c.unicode()))
      c = QChar(QChar::ReplacementCharacter);
  return out;
}

QString serverText(const QString &text, qsizetype maxLength) {
  const QString shown = printableText(text.trimmed());
  return shown.size() > maxLength ? shown.left(maxLength) + QStringLiteral("...") : shown;
}

QString xmlSafeText(const QString &text) {
  QString out = text;
  for (QChar &c : out) {
    const char16_t u = c.unicode();
    if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
      c = QChar(0xFFFD);
  }
  return out;
}

} // namespace tarvelo

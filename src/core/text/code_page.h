// Conversion between the bytes of a Windows code page and UTF-16.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tarvelo {

// Conversion between the bytes of a Windows code page and UTF-16. Code page 0 is
// the system ANSI code page. Bytes that the code page does not define decode to
// U+FFFD (single-byte pages keep the byte's own value, as Windows does); characters
// the code page lacks encode to its default character "?".
namespace CodePage {

QString toUtf16(const char *bytes, qsizetype size, int codePage);
inline QString toUtf16(const QByteArray &bytes, int codePage) {
  return toUtf16(bytes.constData(), bytes.size(), codePage);
}
QByteArray fromUtf16(QStringView text, int codePage);
// Decodes the bytes into out, replacing what it held and reusing its storage; a
// suffix that is not null is added after them.
void toUtf16Into(QString &out, const char *bytes, qsizetype size, int codePage,
                 QChar suffix = QChar());

// Whether the code page can be converted here.
bool isSupported(int codePage);

// The code page that 0 stands for: 1252 unless TARVELO_ANSI_CODEPAGE names another.
int systemAnsiCodePage();

} // namespace CodePage

} // namespace tarvelo

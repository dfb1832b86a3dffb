// Text from outside made safe to print or to write as XML: control characters replaced.
#pragma once

// Text that came from outside (a server's answer, a file, a database's message) made
// safe to print: a terminal takes control characters as commands.

#include <QString>

namespace tarvelo {

// The text with every control character (C0 but tab and line feed, DEL, C1) and every
// bidirectional override replaced by U+FFFD.
QString printableText(const QString &text);

// The text as XML 1.0 can carry it: the control characters it cannot hold even as
// references (C0 but tab, line feed and carriage return, U+FFFE, U+FFFF) replaced by
// U+FFFD.
QString xmlSafeText(const QString &text);

// What a server said, for a message: printable and at most maxLength characters.
QString serverText(const QString &text, qsizetype maxLength = 500);

} // namespace tarvelo

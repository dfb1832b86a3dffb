// The strings of a PO catalog: a held text (script escapes as written) as the inside of
// a PO string, and back.
#pragma once

#include <QString>
#include <QStringView>

namespace tarvelo {

// A held text as the inside of a PO string: double quotes and backslashes that start no
// escape are escaped, the escapes the text holds stay as they are.
QString poEscaped(QStringView text);
// The comment before a record that the program marked fuzzy only because its translation
// begins or ends with a newline where its source does not (or the other way round): the
// import takes such a record all the same.
inline constexpr char kKeptComment[] = "# Tarvelo: the line ends of the translation differ";

// The inside of a PO string as held: only escaped double quotes are undone.
QString poUnescaped(QStringView text);

// Whether a held text needs writing as held: a backslash that starts no escape, a
// numeric escape (a character in a script, a byte in a catalog), or a control character
// (which the tools write as an escape) would come back otherwise as something else.
bool heldNeedsLiteral(QStringView text);
// A held text as the inside of a PO string whose value is that text itself: every
// backslash, double quote and control character escaped.
QString poLiteral(QStringView text);
// The value of the inside of a PO string, every escape decoded.
QString poDecoded(QStringView text);
// The comment before a record whose texts are written as held (poLiteral).
inline constexpr char kLiteralComment[] = "# Tarvelo: the texts are written as held";

} // namespace tarvelo

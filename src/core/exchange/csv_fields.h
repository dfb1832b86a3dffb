#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tarvelo {

// The delimiters of a glossary, by bit of "ImportFlag".
enum Delimiter { DelimiterTab = 1, DelimiterSemicolon = 2, DelimiterComma = 4 };

// The characters the bits stand for, in the order Tab, ";", ",".
QString delimiterCharacters(int bits);

// The first `wanted` fields of a glossary line (fewer when the line has fewer). A field
// runs over delimiters while it holds an odd number of double quotes; its quotes are
// then undone and the spaces around it trimmed.
QStringList readCsvFields(QStringView line, int delimiterBits, int wanted);

// A text as a glossary field: between double quotes, with its own double quotes doubled.
QString quotedCsvField(const QString &text);

} // namespace tarvelo

// The fields of a glossary line: delimiters, quoting and records split over lines.
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

// The records of a glossary whose fields are all quoted, as the program writes them: a
// line end inside a field's quotes belongs to the field, so that a text holding line
// feeds or carriage returns comes back whole. The CR of a record's CR LF is dropped.
QStringList splitQuotedRecords(const QString &text);

} // namespace tarvelo

// Messages that name a file and the cause of a failure to read it, or to read it as a
// resource script.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelo {

// Why the file cannot be opened for reading, as the end of a sentence: the folder that
// is missing, that it is a folder, or the system's reason ("Permission denied").
QString readFailureReason(const QString &path);

// "It is not possible open file '%1': %2." with the reason found, or the one given.
QString cannotOpenMessage(const QString &path);
QString cannotOpenMessage(const QString &path, const QString &reason);

// Where a script's statement that failed begins: the line's number and its text (ASCII;
// other characters are left out, they name no keyword). data is the whole file as read,
// start the offset of the statement's first line in it.
struct StatementStart {
  int line = 0;
  QString text;
};
StatementStart statementStartAt(const QByteArray &data, qsizetype start, bool utf16);

// The message of a syntax error: the line and the file, what was found there and what
// was expected, from the kind of statement that failed. found is the text at the token
// read last, or "the end of the file".
QString syntaxErrorMessage(const QString &path, int line, const QString &found,
                           const StatementStart &statement);

} // namespace tarvelo

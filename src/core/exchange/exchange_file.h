#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvelo {

// Reads a whole regular file; false when it is missing, not a regular file or unreadable.
bool readExchangeFile(const QString &path, QByteArray &bytes);

// Writes a file atomically: a complete new file replaces the old one, or nothing changes.
bool writeExchangeFile(const QString &path, const QByteArray &bytes);

// The lines of a text (LF or CR LF ended); a last line without an end counts, an empty
// one after the last end does not.
QStringList splitLines(const QString &text);

} // namespace tarvelo

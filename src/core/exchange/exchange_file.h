// Reading an import's whole file within a size limit, and what to say when it is not read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvelo {

// The largest file an import reads: reading holds a few times its size in memory.
inline constexpr qint64 kMaxExchangeFileBytes = 100 * 1024 * 1024;

enum class FileRead { Read, NotRead, TooLarge };

// Reads a whole regular file: NotRead when it is missing, not a regular file or
// unreadable, TooLarge (and nothing read) when it is larger than limit.
FileRead readExchangeFile(const QString &path, QByteArray &bytes,
                          qint64 limit = kMaxExchangeFileBytes);

// The message for a file larger than an import reads.
QString tooLargeMessage(const QString &path, qint64 limit = kMaxExchangeFileBytes);

// Whether an import's file was read; else its result (a status with NotRead and
// Malformed, and an error) says why not.
template <typename Result> bool fileRead(FileRead read, const QString &path, Result &result) {
  if (read == FileRead::TooLarge) {
    result.status = Result::Status::Malformed;
    result.error = tooLargeMessage(path);
  } else if (read == FileRead::NotRead) {
    result.status = Result::Status::NotRead;
  }
  return read == FileRead::Read;
}

// The lines of a text (LF or CR LF ended); a last line without an end counts, an empty
// one after the last end does not.
QStringList splitLines(const QString &text);

} // namespace tarvelo

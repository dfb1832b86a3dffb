// Reading an import's file within a size limit, and splitting its lines.
#include "exchange/exchange_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvelo {

FileRead readExchangeFile(const QString &path, QByteArray &bytes, qint64 limit) {
  const QFileInfo info(path);
  if (!info.isFile())
    return FileRead::NotRead;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return FileRead::NotRead;
  // The size is asked of the open file: the name may have changed hands meanwhile. One
  // byte more than it shows tells a file that grew past the limit since.
  const qint64 size = file.size();
  if (size > limit)
    return FileRead::TooLarge;
  bytes = file.read(size + 1);
  if (bytes.size() > limit)
    return FileRead::TooLarge;
  return file.error() == QFileDevice::NoError ? FileRead::Read : FileRead::NotRead;
}

QString tooLargeMessage(const QString &path, qint64 limit) {
  return QCoreApplication::translate("Exchange",
                                     "The file '%1' is larger than %2 MB, the most that is read.")
      .arg(QDir::toNativeSeparators(path), QString::number(limit / (1024 * 1024)));
}

QStringList splitLines(const QString &text) {
  QStringList lines;
  qsizetype from = 0;
  while (from < text.size()) {
    qsizetype end = text.indexOf(u'\n', from);
    const qsizetype next = end < 0 ? text.size() : end + 1;
    if (end < 0)
      end = text.size();
    if (end > from && text[end - 1] == u'\r')
      --end;
    lines.append(text.mid(from, end - from));
    from = next;
  }
  return lines;
}

} // namespace tarvelo

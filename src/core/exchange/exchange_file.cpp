#include "exchange/exchange_file.h"

#include "script/script_file.h"

#include <QFile>
#include <QFileInfo>

namespace tarvelo {

bool readExchangeFile(const QString &path, QByteArray &bytes) {
  const QFileInfo info(path);
  if (!info.isFile())
    return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError;
}

bool writeExchangeFile(const QString &path, const QByteArray &bytes) {
  return ScriptFile::saveBytes(path, bytes);
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

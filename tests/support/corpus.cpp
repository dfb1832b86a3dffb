// Finding the corpus of real scripts and reading its tables.
#include "support/corpus.h"

#include <QDir>
#include <QFile>

namespace tarvelo::test {

QString corpusDir() {
  const QString given = qEnvironmentVariable("TARVELO_CORPUS");
  if (!given.isEmpty())
    return given;
  for (QString start : {QStringLiteral(TARVELO_SOURCE_DIR), QDir::currentPath()}) {
    for (QDir dir(start);;) {
      if (QFile::exists(dir.filePath(QStringLiteral("shared/corpus/MANIFEST.tsv"))))
        return dir.filePath(QStringLiteral("shared/corpus"));
      if (!dir.cdUp())
        break;
    }
  }
  return {};
}

QList<QStringList> corpusTable(const QString &name) {
  QList<QStringList> rows;
  QFile file(corpusDir() + u'/' + name);
  if (!file.open(QIODevice::ReadOnly))
    return rows;
  const QList<QByteArray> lines = file.readAll().split('\n');
  for (qsizetype i = 1; i < lines.size(); ++i)
    if (!lines[i].trimmed().isEmpty())
      rows.append(QString::fromUtf8(lines[i]).split(u'\t'));
  return rows;
}

} // namespace tarvelo::test

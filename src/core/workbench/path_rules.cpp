// Script extensions, absolute paths and whether two paths name one file.
#include "workbench/path_rules.h"

#include <QFileInfo>

namespace tarvelo {

QString withScriptExtension(const QString &path, const QString &extension) {
  const qsizetype dot = path.lastIndexOf(u'.');
  const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  if (dot > slash) {
    const QString current = path.mid(dot + 1);
    if (current.compare(QLatin1String("rc"), Qt::CaseInsensitive) == 0 ||
        current.compare(QLatin1String("rc2"), Qt::CaseInsensitive) == 0)
      return path;
  }
  return path.endsWith(u'.') ? path + extension : path + u'.' + extension;
}

QString absolutePath(const QString &path) {
  return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

bool sameFile(const QString &a, const QString &b) {
  if (a.isEmpty() || b.isEmpty())
    return false;
  const QFileInfo first(a), second(b);
  const QString realFirst = first.canonicalFilePath(), realSecond = second.canonicalFilePath();
  if (!realFirst.isEmpty() && !realSecond.isEmpty())
    return realFirst == realSecond;
  return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace tarvelo

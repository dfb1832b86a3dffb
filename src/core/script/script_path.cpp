// Resolving file names written in scripts.
#include "script/script_path.h"

#include <QDir>
#include <QFileInfo>

namespace tarvelo {

namespace {

// The entry of folder whose name equals name without regard to case, if exactly one.
QString matchCase(const QString &folder, const QString &name) {
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  QString found;
  for (const QString &entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) {
      if (!found.isEmpty())
        return {};
      found = entry;
    }
  }
  return found;
}

} // namespace

QString resolveWindowsPath(const QString &baseFolder, const QString &name) {
  QString normal = name;
  normal.replace(QLatin1String("\\\\"), QLatin1String("/"));
  normal.replace(u'\\', u'/');
  const bool absolute = normal.startsWith(u'/') || (normal.size() > 1 && normal[1] == u':');
  QString path = absolute ? normal : QDir(baseFolder).filePath(normal);
  path = QDir::cleanPath(path);
  if (QFileInfo::exists(path))
    return path;
  // Walk the components, fixing the case of each one that does not exist.
  const QStringList parts = path.split(u'/');
  QString built = path.startsWith(u'/') ? QStringLiteral("/") : QString();
  for (int i = 0; i < parts.size(); ++i) {
    const QString &part = parts[i];
    if (part.isEmpty())
      continue;
    QString candidate =
        built.isEmpty() || built.endsWith(u'/') ? built + part : built + u'/' + part;
    if (!QFileInfo::exists(candidate)) {
      const QString fixed = matchCase(built.isEmpty() ? QStringLiteral(".") : built, part);
      if (fixed.isEmpty())
        return path;
      candidate = built.isEmpty() || built.endsWith(u'/') ? built + fixed : built + u'/' + fixed;
    }
    built = candidate;
  }
  return built;
}

QString fileNameOf(const QString &path) {
  const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return path.mid(slash + 1);
}

} // namespace tarvelo

// Project paths written relative to the project folder, and resolved from it.
#include "project/project_paths.h"

#include <QDir>
#include <QFileInfo>

namespace tarvelo {

namespace {

bool isSeparator(QChar c) {
  return c == u'/' || c == u'\\';
}

bool hasDrive(const QString &path) {
  return path.size() > 1 && path[1] == u':' && path[0].isLetter();
}

qsizetype lastSeparator(const QString &path) {
  return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

qsizetype nextSeparator(const QString &text, qsizetype from) {
  for (qsizetype i = from; i < text.size(); ++i)
    if (isSeparator(text[i]))
      return i;
  return -1;
}

// The folder and the relative path joined step by step: "." and empty steps (a doubled
// "\\") stay, ".." goes up one folder (never above the root), in the order written.
QString joinInOrder(const QString &folder, const QString &relative) {
  QStringList steps = QString(folder).replace(u'\\', u'/').split(u'/');
  const bool rooted = folder.startsWith(u'/') || folder.startsWith(u'\\');
  steps.removeAll(QString());
  for (const QString &step : QString(relative).replace(u'\\', u'/').split(u'/')) {
    if (step.isEmpty() || step == QLatin1String("."))
      continue;
    if (step == QLatin1String("..")) {
      // A drive ("C:") is a root too.
      if (!steps.isEmpty() && !(steps.size() == 1 && hasDrive(steps.front())))
        steps.removeLast();
      continue;
    }
    steps.append(step);
  }
  return (rooted ? QStringLiteral("/") : QString()) + steps.join(u'/');
}

} // namespace

QString projectFolderOf(const QString &projectPath) {
  const qsizetype slash = lastSeparator(projectPath);
  return slash < 0 ? QString() : projectPath.left(slash);
}

QString relativeToProject(const QString &projectFolder, const QString &path) {
  if (path.isEmpty() || projectFolder.isEmpty())
    return QDir::toNativeSeparators(path);
  // Another drive: nothing in common to express.
  if ((hasDrive(path) || hasDrive(projectFolder)) &&
      path.left(2).compare(projectFolder.left(2), Qt::CaseInsensitive) != 0)
    return QDir::toNativeSeparators(path);
  const QString folder = projectFolder + u'/';
  // Whole folders in common, compared without regard to case as Windows does.
  qsizetype common = 0;
  for (;;) {
    const qsizetype inFolder = nextSeparator(folder, common);
    const qsizetype inPath = nextSeparator(path, common);
    if (inFolder < 0 || inPath < 0 || inFolder != inPath ||
        QStringView(folder)
                .mid(common, inFolder - common)
                .compare(QStringView(path).mid(common, inPath - common), Qt::CaseInsensitive) != 0)
      break;
    common = inFolder + 1;
  }
  if (common == 0)
    return QDir::toNativeSeparators(path);
  const QString rest = path.mid(common);
  const QString folderRest = folder.mid(common);
  const QChar separator = QDir::separator();
  if (folderRest.isEmpty())
    return u'.' + QString(separator) + QDir::toNativeSeparators(rest);
  QString up;
  for (const QChar c : folderRest)
    if (isSeparator(c))
      up += QStringLiteral("..") + separator;
  return up + QDir::toNativeSeparators(rest);
}

QString resolveFromProject(const QString &projectFolder, const QString &stored) {
  return ProjectPathResolver(projectFolder).resolve(stored);
}

QString ProjectPathResolver::resolve(const QString &stored) {
  if (stored.isEmpty())
    return stored;
  // A Windows path on another system stays as written, to be reported when it is used.
  if (hasDrive(stored) && QDir::separator() == u'/')
    return stored;
  const QString normal = QString(stored).replace(u'\\', u'/');
  if (hasDrive(normal))
    return matchingCase(joinInOrder(normal.left(2), normal.mid(2)));
  if (normal.startsWith(QLatin1String("//")))
    return matchingCase(QDir::cleanPath(normal)); // a network share
  if (normal.startsWith(u'/'))
    return matchingCase(joinInOrder(QStringLiteral("/"), normal));
  if (m_folder.isEmpty())
    return QDir::toNativeSeparators(QDir::cleanPath(normal));
  return matchingCase(joinInOrder(m_folder, normal));
}

QString ProjectPathResolver::matchingCase(const QString &path) {
  if (QFileInfo::exists(path))
    return path;
  const QStringList parts = path.split(u'/');
  QString built = path.startsWith(u'/') ? QStringLiteral("/") : QString();
  for (const QString &part : parts) {
    if (part.isEmpty())
      continue;
    const QString name = entryOf(built.isEmpty() ? QStringLiteral(".") : built, part);
    if (name.isEmpty())
      return path;
    built = built.isEmpty() || built.endsWith(u'/') ? built + name : built + u'/' + name;
  }
  return built;
}

QString ProjectPathResolver::entryOf(const QString &folder, const QString &name) {
  auto listing = m_listings.find(folder);
  if (listing == m_listings.end()) {
    QHash<QString, QString> names;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
      const QString folded = entry.toCaseFolded();
      names.insert(folded, names.contains(folded) ? QString() : entry);
    }
    listing = m_listings.insert(folder, names);
  }
  const auto exact = listing->find(name.toCaseFolded());
  return exact == listing->end() ? QString() : *exact;
}

} // namespace tarvelo

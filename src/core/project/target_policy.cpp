// Where the targets named by a project file may be written.

#include "project/target_policy.h"

#include "project/scratch_script.h"
#include "project/script_search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarvelo {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

bool hasDrive(const QString &path) {
  return path.size() > 1 && path[1] == u':' && path[0].isLetter();
}

// The path with the links of its existing part followed; the part that does not
// exist yet is appended as written.
QString realPath(const QString &path) {
  QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  QString rest;
  while (!QFileInfo::exists(existing)) {
    const qsizetype slash = existing.lastIndexOf(u'/');
    if (slash <= 0)
      return QDir::cleanPath(existing + rest);
    rest.prepend(existing.mid(slash));
    existing.truncate(slash);
  }
  return QFileInfo(existing).canonicalFilePath() + rest;
}

bool insideFolder(const QString &folder, const QString &path) {
  const QString realFolder = QFileInfo(folder).canonicalFilePath();
  if (realFolder.isEmpty())
    return false;
  const QString real = realPath(path);
  return real.startsWith(realFolder.endsWith(u'/') ? realFolder : realFolder + u'/', kPathCase);
}

bool parsesAsScript(const QString &path) {
  ScratchScript scratch;
  ResourceScript &script = scratch.script();
  return script.open(path) &&
         script.read(true, script.firstLanguage(), scratch.task()) == ScriptResult::Ok;
}

// The reason is marked with QT_TRANSLATE_NOOP, so that it is translated here.
TargetVerdict refused(const QString &path, const char *reason) {
  return {TargetPlace::Refused, path, QCoreApplication::translate("Prompter", reason)};
}

} // namespace

TargetVerdict judgeProjectTarget(const QString &projectFolder, const QString &target) {
  if (hasDrive(target) && QDir::separator() == u'/')
    return refused(target,
                   QT_TRANSLATE_NOOP("Prompter", "it is a Windows path, which names no file here"));
  const QFileInfo info(target);
  if (info.fileName().startsWith(u'.'))
    return refused(target, QT_TRANSLATE_NOOP("Prompter", "its name begins with a dot"));
  if (!hasScriptExtension(info.fileName()))
    return refused(target,
                   QT_TRANSLATE_NOOP("Prompter", "it is not a resource script (.rc, .rc2)"));
  if (info.exists() || info.isSymLink()) {
    if (!info.isFile())
      return refused(target, QT_TRANSLATE_NOOP("Prompter", "it is not a file"));
    if (!parsesAsScript(target))
      return refused(
          target,
          QT_TRANSLATE_NOOP("Prompter", "it exists and is not a resource script that can be read"));
  }
  const TargetPlace place =
      insideFolder(projectFolder, target) ? TargetPlace::Inside : TargetPlace::Outside;
  return {place, target, QString()};
}

QString outsideTargetQuestion(const QString &path) {
  return QCoreApplication::translate("Prompter",
                                     "The project names '%1' as a target, outside the project's "
                                     "folder. Write translations to it?")
      .arg(QDir::toNativeSeparators(path));
}

QString refusedTargetMessage(const TargetVerdict &verdict) {
  return QCoreApplication::translate("Prompter", "The project's target '%1' is not written: %2.")
      .arg(QDir::toNativeSeparators(verdict.path), verdict.reason);
}

} // namespace tarvelo

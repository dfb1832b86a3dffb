// Whether a file named as a target can be one.
#include "workbench/target_check.h"

#include "compiled/compiled_source.h"
#include "files/file_messages.h"
#include "project/scratch_script.h"
#include "project/script_search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvelo {

namespace {

// How much of a file is looked at for the bytes of binary data.
constexpr qint64 kSniffedBytes = 64 * 1024;

// A text file of a code page or UTF-8 holds no NUL byte; UTF-16 begins with its mark.
bool holdsBinaryData(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray head = file.read(kSniffedBytes);
  return !head.startsWith("\xff\xfe") && head.contains('\0');
}

// A compiled file is a target when its resources can be read.
QString compiledFailureReason(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return readFailureReason(path);
  QList<CompiledResource> resources;
  QString failure;
  if (readCompiledResources(file.readAll(), resources, failure))
    return QString();
  return QCoreApplication::translate("Prompter", "its compiled resources cannot be read: %1")
      .arg(failure);
}

} // namespace

QString notAScriptReason(const QString &path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists() || hasScriptExtension(info.fileName()))
    return QString();
  if (!info.isFile())
    return readFailureReason(path);
  if (isCompiledFile(path))
    return compiledFailureReason(path);
  if (holdsBinaryData(path))
    return QCoreApplication::translate("Prompter", "it holds binary data, not text");
  ScratchScript scratch;
  ResourceScript &script = scratch.script();
  if (!script.open(path))
    return readFailureReason(path);
  if (script.read(true, script.firstLanguage(), scratch.task()) == ScriptResult::SyntaxError)
    return QCoreApplication::translate("Prompter", "its line %1 is no statement of a script")
        .arg(script.errorLine());
  return QString();
}

QString notAScriptMessage(const QString &path, const QString &reason) {
  return QCoreApplication::translate("Prompter",
                                     "'%1' cannot be the target, it is not a resource script: %2. "
                                     "Choose a script (.rc, .rc2) or a new file.")
      .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace tarvelo

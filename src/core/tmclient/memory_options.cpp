// Reading and writing the memory options, and the default memory folder.
#include "tmclient/memory_options.h"

#include "files/install_layout.h"
#include "tmclient/memory_location.h"

#include "seam/settings.h"
#include "seam/settings_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace tarvelo {

MemoryOptions MemoryOptions::read(const Settings &settings) {
  MemoryOptions options;
  options.initTm = settings.integer(QStringLiteral("InitTM")) != 0;
  options.autoComplete = settings.integer(QStringLiteral("AutoComplete")) != 0;
  options.tmPath = settings.text(QStringLiteral("TMPath"));
  options.saveTm = settings.integer(QStringLiteral("SaveTM"));
  options.fuzzyFill = settings.integer(QStringLiteral("FuzzyFill")) != 0;
  options.fuzzyScore =
      std::clamp(settings.integer(QStringLiteral("FuzzyScore")), kLeastFuzzyScore, kMostFuzzyScore);
  const int sameText = settings.integer(QStringLiteral("SameText"));
  options.sameText =
      sameText >= AskSameText && sameText <= NeverSaveSameText ? sameText : AskSameText;
  return options;
}

void MemoryOptions::write(Settings &settings) const {
  settings.setInteger(QStringLiteral("InitTM"), initTm ? 1 : 0);
  settings.setInteger(QStringLiteral("AutoComplete"), autoComplete ? 1 : 0);
  settings.setText(QStringLiteral("TMPath"), tmPath);
  settings.setInteger(QStringLiteral("SaveTM"), saveTm);
  settings.setInteger(QStringLiteral("FuzzyFill"), fuzzyFill ? 1 : 0);
  settings.setInteger(QStringLiteral("FuzzyScore"), fuzzyScore);
  settings.setInteger(QStringLiteral("SameText"), sameText);
}

QString defaultTmPath(const QString &programFolder, const QString &userDataFolder, bool installed) {
  const QFileInfo folder(programFolder);
  if (!installed && !programFolder.isEmpty() && folder.isDir() && folder.isWritable())
    return QDir(programFolder).filePath(QStringLiteral("TM"));
  return QDir(userDataFolder).filePath(QStringLiteral("TM"));
}

void installDefaultTmPath() {
  const QString programFolder =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  const QString path = defaultTmPath(programFolder, userData, isInstalledProgram(programFolder));
  // A failure shows when the memory is first used, with the folder named.
  if (!userData.isEmpty() && path.startsWith(userData))
    QDir().mkpath(userData);
  setDefaultTmPath(path);
}

bool sameTmPath(const QString &a, const QString &b) {
  // A server's URI is compared as written: its database names are case-sensitive.
  if (isServerLocation(a) || isServerLocation(b))
    return a == b;
    // Names that differ only in case are one folder only where the file system says so;
    // elsewhere treating them as one would keep the old memory under the new name.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
  const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
  return QString::compare(QDir::cleanPath(a), QDir::cleanPath(b), sensitivity) == 0;
}

} // namespace tarvelo

// The per-user settings in QSettings, in a file only its owner may read.
#include "seam/qt_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvelo {

namespace {

const QString kGroup = QStringLiteral("Options");

QString pathOf(const QString &key) {
  return kGroup + u'/' + key;
}

#ifdef Q_OS_WIN
constexpr QSettings::Format kUserFormat = QSettings::NativeFormat;
#else
// One INI file, on a Mac too, whose native format would be a property list elsewhere.
constexpr QSettings::Format kUserFormat = QSettings::IniFormat;
#endif

} // namespace

// A settings file holds the machine-translation key: it is created its owner's alone, for
// a file once readable by others may stay open in another user's hands. Rewriting keeps
// the permissions of the file it replaces.
void QtSettings::secureFile() {
  if (m_secured || m_settings.format() != QSettings::IniFormat)
    return;
  m_secured = true;
  const QString path = m_settings.fileName();
  const QFile::Permissions ownersAlone = QFile::ReadOwner | QFile::WriteOwner;
  if (QFileInfo::exists(path)) {
    QFile::setPermissions(path, ownersAlone);
    return;
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownersAlone);
}

QString QtSettings::userLocation() {
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarvelo");
#else
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Tarvelo.conf"));
#endif
}

// Named by path rather than by organisation and application: Qt puts an organisation
// without an application under "OrganizationDefaults" in the registry, and an
// application without an organisation under "Unknown Organization".
QtSettings::QtSettings() : m_settings(userLocation(), kUserFormat) {}

QtSettings::QtSettings(const QString &iniPath) : m_settings(iniPath, QSettings::IniFormat) {}

QVariant QtSettings::stored(const QString &key) const {
  return m_settings.value(pathOf(key));
}

void QtSettings::store(const QString &key, const QVariant &value) {
  secureFile();
  // Integers stay integers (a DWORD in the registry); everything else is text.
  if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt ||
      value.typeId() == QMetaType::LongLong)
    m_settings.setValue(pathOf(key), value.toInt());
  else
    m_settings.setValue(pathOf(key), value.toString());
  // Written at once, as the registry would be, so that another run sees it.
  m_settings.sync();
}

void QtSettings::clear() {
  secureFile();
  m_settings.remove(kGroup);
  m_settings.sync();
}

} // namespace tarvelo

// The per-user settings: values kept, the key path, and a file only its owner reads.
#include "support/qt_printers.h"

#include "seam/qt_settings.h"
#include "seam/settings_keys.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tarvelo {
namespace {

TEST(QtSettingsTest, ValuesOutliveTheObjectAndRemovingTheGroupRestoresTheDefaults) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Tarvelo.ini");
  const QStringList texts = {"2?;0 ;",      " leading and trailing ", "a, b", "1033",
                             "C:\\x\\y.rc", "\u00c4nderung"};
  {
    QtSettings settings(path);
    settings.setInteger("AutoInspect", 0);
    settings.setInteger("FilterFlags", 255);
    settings.setInteger("SourceLanguage", -1);
    for (int i = 0; i < texts.size(); ++i)
      settings.setText(QStringLiteral("FilterText%1").arg(i), texts[i]);
    settings.setText("UserText", "");
  }
  EXPECT_TRUE(QFile::exists(path));
  {
    QtSettings settings(path);
    EXPECT_EQ(settings.integer("AutoInspect"), 0);
    EXPECT_EQ(settings.integer("FilterFlags"), 255);
    EXPECT_EQ(settings.integer("SourceLanguage"), -1);
    for (int i = 0; i < texts.size(); ++i)
      EXPECT_EQ(settings.text(QStringLiteral("FilterText%1").arg(i)), texts[i]);
    EXPECT_EQ(settings.text("UserText"), ""); // stored empty, not the default
    settings.clear();
  }
  QtSettings settings(path);
  int count = 0;
  const SettingKey *keys = settingKeys(&count);
  for (int i = 0; i < count; ++i) {
    const QString key = QString::fromLatin1(keys[i].name);
    EXPECT_FALSE(settings.stored(key).isValid()) << keys[i].name;
    if (keys[i].isText)
      EXPECT_EQ(settings.text(key), settingDefault(key).toString()) << keys[i].name;
    else
      EXPECT_EQ(settings.integer(key), settingDefault(key).toInt()) << keys[i].name;
  }
  EXPECT_EQ(settings.integer("AutoInspect"), 1);
  EXPECT_EQ(settings.integer("FilterFlags"), 7);
  EXPECT_EQ(settings.text("UserText"), "--untranslated--");
}

TEST(QtSettingsTest, TheUsersSettingsAreNamedForTheProgramAlone) {
  const QString location = QtSettings().location();
#ifdef Q_OS_WIN
  EXPECT_TRUE(location.endsWith("\\Software\\Tarvelo")) << location.toStdString();
#else
  EXPECT_EQ(QFileInfo(location).fileName(), "Tarvelo.conf") << location.toStdString();
#endif
}

// A value written through the user's settings is found under the key path of the
// design: HKEY_CURRENT_USER\Software\Tarvelo\Options on Windows, the group
// "Options" of Tarvelo.conf in the configuration folder elsewhere.
TEST(QtSettingsTest, ValuesLandUnderTheKeyPathOfTheDesign) {
#ifdef Q_OS_WIN
  const QString location = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarvelo");
  const QSettings::Format format = QSettings::NativeFormat;
#else
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  const QString location = config.filePath("Tarvelo.conf");
  const QSettings::Format format = QSettings::IniFormat;
#endif
  EXPECT_EQ(QtSettings::userLocation(), location);
  const QString key = QStringLiteral("KeyPathProbe");
  {
    QtSettings settings;
    EXPECT_EQ(settings.location(), location);
    settings.setInteger(key, 4711);
  }
  QSettings raw(location, format);
  EXPECT_EQ(raw.value(QStringLiteral("Options/") + key).toInt(), 4711);
  EXPECT_EQ(raw.childGroups(), QStringList{"Options"});
  raw.remove(QStringLiteral("Options/") + key);
#ifndef Q_OS_WIN
  if (saved.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", saved);
#endif
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

#ifndef Q_OS_WIN
// The settings file is its owner's alone before the machine-translation key comes, and
// later writes keep it so.
TEST(QtSettingsTest, TheFileHoldingTheServiceKeyIsReadableByItsOwnerAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Tarvelo.ini");
  QtSettings settings(path);
  settings.setInteger("AutoInspect", 0);
  EXPECT_FALSE(QFileInfo(path).permissions() & QFile::ReadOther);
  settings.setText("MTKey", "secret:fx");
  const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
  const QFile::Permissions others =
      QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
  EXPECT_EQ(QFileInfo(path).permissions() & (owner | others), owner);
  settings.setText("MTURL", "http://localhost:5000");
  EXPECT_EQ(QFileInfo(path).permissions() & (owner | others), owner);
  EXPECT_EQ(QtSettings(path).text("MTKey"), "secret:fx");
}
#endif

#ifdef Q_OS_UNIX
// The settings hold the machine-translation key: the file is its owner's alone from its
// first write, whatever the umask, and an older file readable by others is closed first.
TEST(QtSettingsTest, TheFileIsItsOwnersAloneFromItsFirstWrite) {
  QTemporaryDir dir;
  const QString path = dir.filePath("config/Tarvelo.conf");
  const QFile::Permissions ownersAlone = QFile::ReadOwner | QFile::WriteOwner;
  // Owner, group and others, without Qt's flags for the user running the test.
  const auto modeOf = [](const QString &file) {
    return QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
  };
  const mode_t previous = umask(0);
  {
    QtSettings settings(path);
    EXPECT_FALSE(QFile::exists(path)); // reading alone writes nothing
    settings.setInteger("AutoInspect", 0);
    EXPECT_EQ(modeOf(path), ownersAlone);
    settings.setText("MTKey", "secret-key");
    EXPECT_EQ(modeOf(path), ownersAlone);
  }
  const QString old = dir.filePath("old.conf");
  QFile file(old);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Options]\nMTKey=older-key\n");
  file.close();
  QFile::setPermissions(old, ownersAlone | QFile::ReadGroup | QFile::ReadOther);
  {
    QtSettings settings(old);
    settings.setText("MTURL", "https://translate.example");
    EXPECT_EQ(modeOf(old), ownersAlone);
    EXPECT_EQ(settings.text("MTKey"), "older-key");
  }
  umask(previous);
}
#endif

} // namespace
} // namespace tarvelo

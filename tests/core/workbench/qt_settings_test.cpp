#include "support/qt_printers.h"

#include "seam/qt_settings.h"
#include "seam/settings_keys.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
} // namespace tarvelo

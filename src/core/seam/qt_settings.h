// The per-user settings of the program, kept by QSettings.
#pragma once

#include "seam/settings.h"

#include <QSettings>

namespace tarvelo {

// The per-user settings of the program: the group "Options" under "Tarvelo" (the
// registry's Software\Tarvelo on Windows, ~/.config/Tarvelo.conf here).
class QtSettings final : public Settings {
public:
  // The user's settings, at userLocation().
  QtSettings();
  // HKEY_CURRENT_USER\Software\Tarvelo on Windows; elsewhere Tarvelo.conf in the
  // user's configuration folder (~/.config).
  static QString userLocation();
  // An INI file at the path, so that tests never touch the user's settings.
  explicit QtSettings(const QString &iniPath);

  QVariant stored(const QString &key) const override;
  void store(const QString &key, const QVariant &value) override;
  void clear() override;

  // Where the values live: a file, or a registry key on Windows.
  QString location() const { return m_settings.fileName(); }

private:
  // Before the first write: the file exists and only its owner may read it.
  void secureFile();

  QSettings m_settings;
  bool m_secured = false;
};

} // namespace tarvelo

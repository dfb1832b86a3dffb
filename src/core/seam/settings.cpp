// Reading settings as integers and texts, falling back to the key table's defaults.
#include "seam/settings.h"

#include "seam/settings_keys.h"

namespace tarvelo {

int Settings::integer(const QString &key) const {
  const QVariant value = stored(key);
  if (value.isValid()) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
      return number;
  }
  return settingDefault(key).toInt();
}

QString Settings::text(const QString &key) const {
  const QVariant value = stored(key);
  if (value.isValid())
    return value.toString();
  return settingDefault(key).toString();
}

} // namespace tarvelo

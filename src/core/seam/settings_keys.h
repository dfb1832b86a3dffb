// The table of every settings key, their defaults, and the machine's default hooks.
#pragma once

#include <QString>
#include <QVariant>

namespace tarvelo {

// The one table of every settings key with its type and default.
struct SettingKey {
  const char *name;
  bool isText;
};

// Every key of the section, in the order of the table.
const SettingKey *settingKeys(int *count);

// The default of a key; an invalid QVariant for a key the table does not know.
QVariant settingDefault(const QString &key);

// Hooks for the defaults that depend on the machine; set by the program at start-up.
void setDefaultSourceLanguage(int languageId);
void setDefaultTmPath(const QString &path);
void setDefaultSearchPath(const QString &path);

} // namespace tarvelo

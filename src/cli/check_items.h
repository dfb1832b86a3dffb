// The options of check for the item checks: limits, equal texts, levels from settings.
#pragma once

#include <QString>

namespace tarvelo {
class ItemChecks;
class MemorySettings;
} // namespace tarvelo

namespace tarvelo::cli {

class CliArguments;

struct ItemCheckOptions {
  QString limits; // --limits FILE
  bool sameAsSource = false;
  QString settingsFile; // --settings FILE: the levels the window stored there
};

// The option names check adds for these checks.
inline const char *const kItemCheckValues[] = {"limits", "settings"};
inline const char *const kItemCheckFlags[] = {"same-as-source"};

ItemCheckOptions readItemCheckOptions(const CliArguments &read);

// Copies "CheckLevels" of the settings file the window wrote into the command's
// settings; false after saying why on stderr. An empty name reads nothing.
bool readCheckLevels(const QString &settingsFile, MemorySettings &settings);

// Copies the levels of the settings file into the command's settings (before the
// inspector reads them) and sets up the checks; false after saying why on stderr.
bool prepareItemChecks(const ItemCheckOptions &options, MemorySettings &settings,
                       ItemChecks &checks);

} // namespace tarvelo::cli

// Setting up the item checks of check from its options and a settings file.
#include "cli/check_items.h"

#include "cli/cli_arguments.h"
#include "seam/qt_settings.h"
#include "seam/settings.h"
#include "workbench/item_checks.h"

#include <QFileInfo>

#include <cstdio>

namespace tarvelo::cli {

ItemCheckOptions readItemCheckOptions(const CliArguments &read) {
  ItemCheckOptions options;
  options.limits = read.value(QStringLiteral("limits"));
  options.sameAsSource = read.has(QStringLiteral("same-as-source"));
  options.settingsFile = read.value(QStringLiteral("settings"));
  return options;
}

bool readCheckLevels(const QString &settingsFile, MemorySettings &settings) {
  if (settingsFile.isEmpty())
    return true;
  // QSettings makes a file it cannot find: a wrong name would silently check by the
  // defaults.
  const QFileInfo file(settingsFile);
  if (!file.isFile() || !file.isReadable()) {
    std::fprintf(stderr, "error: %s: the settings file cannot be read\n",
                 settingsFile.toUtf8().constData());
    return false;
  }
  const QtSettings stored(settingsFile);
  settings.setText(QStringLiteral("CheckLevels"), stored.text(QStringLiteral("CheckLevels")));
  return true;
}

bool prepareItemChecks(const ItemCheckOptions &options, MemorySettings &settings,
                       ItemChecks &checks) {
  if (!readCheckLevels(options.settingsFile, settings))
    return false;
  checks.setLevels(settings);
  checks.setSameAsSource(options.sameAsSource);
  if (options.limits.isEmpty())
    return true;
  LengthLimits limits;
  QString error;
  if (!limits.load(options.limits, &error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return false;
  }
  checks.setLimits(std::move(limits));
  return true;
}

} // namespace tarvelo::cli

// The defaults of the settings that depend on the user and the machine.
#include "app/user_defaults.h"

#include "seam/settings_keys.h"
#include "text/locale_table.h"
#include "tmclient/memory_options.h"

namespace tarvelo::gui {

void installUserDefaults(const QLocale &locale) {
  setDefaultSourceLanguage(languageIdForLocale(locale));
  installDefaultTmPath();
}

} // namespace tarvelo::gui

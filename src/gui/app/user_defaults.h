// The defaults of the settings that depend on the user and the machine.
#pragma once

#include <QLocale>

namespace tarvelo::gui {

// The defaults of the settings that depend on the user and the machine: the source
// language is the language of the user's locale, the memory folder "TM" beside the
// program (in the user's data folder for an installed program). Installed at start-up,
// before any setting is read.
void installUserDefaults(const QLocale &locale = QLocale());

} // namespace tarvelo::gui

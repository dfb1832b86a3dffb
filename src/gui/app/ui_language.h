// The user-interface language: the program's translations and Qt's own.
#pragma once

#include <QString>

class QTranslator;

namespace tarvelo::gui {

// The user-interface language: "tarvelo_NNNN.qm" in the folder (the program's own),
// NNNN the language number in four digits, and Qt's own texts in that language when
// they are installed. False, and nothing installed, when there is no such file: the
// built-in English texts stay.
bool installUserInterfaceLanguage(int language, const QString &folder, QTranslator &own,
                                  QTranslator &qt);

} // namespace tarvelo::gui

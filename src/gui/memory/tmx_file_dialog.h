// The file dialog of "Import TMX..." and "Export TMX...": a TMX file and its two languages.
#pragma once

#include "memory/language_file_dialog.h"

namespace tarvelo::gui {

class TmxFileDialog : public LanguageFileDialog {
  Q_OBJECT
public:
  enum class Mode { Import, Export };

  TmxFileDialog(Mode mode, int sourceLanguage, int targetLanguage, QWidget *parent = nullptr);
};

} // namespace tarvelo::gui

// The open dialog of "Import glossary...": the file, its languages and delimiters.
#pragma once

#include "memory/language_file_dialog.h"

class QCheckBox;

namespace tarvelo::gui {

// The open dialog of "Import glossary...": a glossary file with the languages of its
// texts and its delimiters. OK stays in the dialog until both languages and at least one
// delimiter are chosen.
class GlossaryImportDialog : public LanguageFileDialog {
  Q_OBJECT
public:
  // The source preselects English, the target the task's target language.
  GlossaryImportDialog(int targetLanguage, int delimiterBits, QWidget *parent = nullptr);

  int delimiterBits() const;

protected:
  bool ready() const override { return delimiterBits() != 0; }

private:
  QCheckBox *m_delimiters[3] = {};
};

} // namespace tarvelo::gui

#pragma once

#include <QFileDialog>

class QCheckBox;

namespace tarvelo::gui {

class LanguageCombo;

// The open dialog of "Import glossary...": a glossary file with the languages of its
// texts and its delimiters. OK stays in the dialog until both languages and at least one
// delimiter are chosen.
class GlossaryImportDialog : public QFileDialog {
  Q_OBJECT
public:
  // The source preselects English, the target the task's target language.
  GlossaryImportDialog(int targetLanguage, int delimiterBits, QWidget *parent = nullptr);

  int sourceLanguage() const;
  int targetLanguage() const;
  int delimiterBits() const;
  QString chosenPath() const;

  LanguageCombo *sourceCombo() const { return m_source; }
  LanguageCombo *targetCombo() const { return m_target; }

  void accept() override;

private:
  LanguageCombo *m_source = nullptr;
  LanguageCombo *m_target = nullptr;
  QCheckBox *m_delimiters[3] = {};
};

} // namespace tarvelo::gui

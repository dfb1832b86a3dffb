// "Directives #import": a target script and language for every script a source includes.
#pragma once

#include "seam/prompter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvelo::gui {

class LanguageCombo;

// "Directives #import": every script a source includes gets a target script and a
// target language; an empty target is specified later.
class DirectivesImportDialog : public QDialog {
  Q_OBJECT
public:
  DirectivesImportDialog(ScriptPairingRequest &request, QWidget *parent = nullptr);

  QLineEdit *targetPath(int pair) const { return m_rows[pair].path; }
  LanguageCombo *targetLanguage(int pair) const { return m_rows[pair].language; }

  void accept() override;

  QPushButton *okButton() const { return m_ok; }
  // Says why OK is not available, when it is not.
  QLabel *problem() const { return m_problem; }

private:
  // OK is refused while a row names its own included script as its target.
  void check();

  struct Row {
    QLineEdit *path;
    LanguageCombo *language;
  };
  ScriptPairingRequest &m_request;
  QList<Row> m_rows;
  QPushButton *m_ok = nullptr;
  QLabel *m_problem = nullptr;
};

} // namespace tarvelo::gui

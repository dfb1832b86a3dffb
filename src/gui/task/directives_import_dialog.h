#pragma once

#include "seam/prompter.h"

#include <QDialog>

class QLineEdit;

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

private:
  struct Row {
    QLineEdit *path;
    LanguageCombo *language;
  };
  ScriptPairingRequest &m_request;
  QList<Row> m_rows;
};

} // namespace tarvelo::gui

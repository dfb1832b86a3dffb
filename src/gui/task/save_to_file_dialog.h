// The save dialog of a target, with its form, write language and resources.
#pragma once

#include "seam/prompter.h"

#include <QDialog>

class QFileDialog;

namespace tarvelo::gui {

class LanguageCombo;
class ResourceChoiceTree;

// The save dialog of a target script: a file dialog beside the write language
// ("Target language:") and the resources to write ("Resources for save:").
class SaveToFileDialog : public QDialog {
  Q_OBJECT
public:
  SaveToFileDialog(SaveFileRequest &request, QWidget *parent = nullptr);

  QFileDialog *fileDialog() const { return m_files; }
  LanguageCombo *language() const { return m_language; }
  ResourceChoiceTree *resources() const { return m_resources; }

private:
  void setUpKinds();
  TargetKind kindOfFilter(const QString &filter) const;
  void fileDialogFinished(int result);

  SaveFileRequest &m_request;
  QFileDialog *m_files;
  LanguageCombo *m_language;
  ResourceChoiceTree *m_resources;
  QString m_programSuffix = QStringLiteral("exe");
};

} // namespace tarvelo::gui

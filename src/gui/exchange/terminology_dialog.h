// "Import Microsoft Terminology": the columns that hold the source and target texts.
#pragma once

#include <QDialog>

class QComboBox;

namespace tarvelo {
struct TerminologyRequest;
}

namespace tarvelo::gui {

// "Import Microsoft Terminology": the columns of a terminology file that hold the
// source and the target texts.
class TerminologyDialog : public QDialog {
  Q_OBJECT
public:
  explicit TerminologyDialog(const TerminologyRequest &request, QWidget *parent = nullptr);
  // The chosen fields go back into the request.
  void take(TerminologyRequest &request) const;

private:
  QComboBox *m_source = nullptr;
  QComboBox *m_target = nullptr;
};

// Runs the dialog; false when it was cancelled.
bool execTerminologyDialog(QWidget *parent, TerminologyRequest &request);

} // namespace tarvelo::gui

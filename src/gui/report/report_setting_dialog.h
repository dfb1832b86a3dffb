// "Report Setting": a check box per check of the dialogs report.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tarvelo::gui {

// "Report Setting": a check box per check of the dialogs report.
class ReportSettingDialog : public QDialog {
  Q_OBJECT
public:
  explicit ReportSettingDialog(int setting, QWidget *parent = nullptr);

  // The bits of the boxes checked.
  int setting() const;
  QCheckBox *box(int bit) const;

private:
  QList<std::pair<int, QCheckBox *>> m_boxes;
};

} // namespace tarvelo::gui

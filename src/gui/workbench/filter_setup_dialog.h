// "Filter setup": which items the filtered list shows.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tarvelo {
class FilterSetupModel;
}

namespace tarvelo::gui {

// "Filter setup": which items the filtered list shows.
class FilterSetupDialog : public QDialog {
  Q_OBJECT
public:
  explicit FilterSetupDialog(FilterSetupModel &model, QWidget *parent = nullptr);
  void accept() override;

private:
  FilterSetupModel &m_model;
  QCheckBox *m_boxes[9] = {};
  QLineEdit *m_text;
  QComboBox *m_in;
};

} // namespace tarvelo::gui

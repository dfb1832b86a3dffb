// The automatic-inspection group of the options: its rules and check boxes.
#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tarvelo {
class InspectionRulesModel;
}

namespace tarvelo::gui {

// The automatic-inspection group of the options: the rules list with its text box,
// position combo and "Remove", and the two check boxes. The state lives in the model;
// this group shows it and forwards the user's actions.
class InspectionGroup : public QGroupBox {
  Q_OBJECT
public:
  explicit InspectionGroup(InspectionRulesModel &model, QWidget *parent = nullptr);

  QCheckBox *enable() const { return m_enable; }
  QLineEdit *ruleText() const { return m_text; }
  QComboBox *position() const { return m_position; }
  QTableView *rules() const { return m_rules; }
  QPushButton *remove() const { return m_remove; }
  QCheckBox *formatOrder() const { return m_formatOrder; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void showEditor();

  InspectionRulesModel &m_model;
  QCheckBox *m_enable;
  QLineEdit *m_text;
  QComboBox *m_position;
  QTableView *m_rules;
  QPushButton *m_remove;
  QCheckBox *m_formatOrder;
  bool m_showing = false;
};

} // namespace tarvelo::gui

// The modeless find dialog of the item list.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelo::gui {

// The modeless find dialog of the item list: the text, match case and the direction.
class FindDialog : public QDialog {
  Q_OBJECT
public:
  explicit FindDialog(QWidget *parent = nullptr);

  QString text() const;
  bool matchCase() const;
  bool down() const;
  void setText(const QString &text);

Q_SIGNALS:
  void findNext();

private:
  QLineEdit *m_text;
  QCheckBox *m_matchCase;
  QRadioButton *m_up;
  QRadioButton *m_down;
  QPushButton *m_find;
};

} // namespace tarvelo::gui

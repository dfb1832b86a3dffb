// The dialog of "Copy Translation Memory...": the memory to copy and where to.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarvelo::gui {

// Each memory is a folder (chosen with "...") or the URI of a team memory on a server
// (typed). OK is offered once both are given and differ.
class MemoryCopyDialog : public QDialog {
  Q_OBJECT
public:
  MemoryCopyDialog(const QString &from, QWidget *parent = nullptr);

  QString from() const;
  QString to() const;
  QLineEdit *fromBox() const { return m_from; }
  QLineEdit *toBox() const { return m_to; }
  QPushButton *okButton() const { return m_ok; }

private:
  QLineEdit *locationBox(const QString &text);
  QToolButton *browseButton(QLineEdit *box);
  void updateOk();

  QLineEdit *m_from = nullptr;
  QLineEdit *m_to = nullptr;
  QPushButton *m_ok = nullptr;
};

} // namespace tarvelo::gui

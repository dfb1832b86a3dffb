// "Translation Memory": learn a pair whose source and target texts are the same?
#pragma once

#include "seam/prompter.h"

#include <QDialog>

class QPushButton;

namespace tarvelo::gui {

// "Translation Memory": learn a pair whose source and target texts are the same?
class SameTextDialog : public QDialog {
  Q_OBJECT
public:
  explicit SameTextDialog(const QString &sourceText, QWidget *parent = nullptr);

  QPushButton *button(Prompter::Answer answer) const;
  // The button pressed; No when the dialog was closed otherwise.
  Prompter::Answer answer() const { return m_answer; }

private:
  Prompter::Answer m_answer = Prompter::Answer::No;
  QList<std::pair<Prompter::Answer, QPushButton *>> m_buttons;
};

} // namespace tarvelo::gui

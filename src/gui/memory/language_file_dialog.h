// A file dialog of the memory that also asks for the languages of the file's pairs.
#pragma once

#include <QFileDialog>

class QGridLayout;

namespace tarvelo::gui {

class LanguageCombo;

// "Source language:" and "Target language:" under the dialog's own widgets; OK stays in
// the dialog until both are chosen and ready() agrees.
class LanguageFileDialog : public QFileDialog {
  Q_OBJECT
public:
  LanguageFileDialog(int sourceLanguage, int targetLanguage, QWidget *parent = nullptr);

  int sourceLanguage() const;
  int targetLanguage() const;
  QString chosenPath() const;
  LanguageCombo *sourceCombo() const { return m_source; }
  LanguageCombo *targetCombo() const { return m_target; }

  void accept() override;

protected:
  // Labels in column 0, choosers in column 1; room for more beside them.
  QGridLayout *panel() const { return m_panel; }
  // What else a file dialog needs chosen before OK.
  virtual bool ready() const { return true; }

private:
  LanguageCombo *m_source = nullptr;
  LanguageCombo *m_target = nullptr;
  QGridLayout *m_panel = nullptr;
};

} // namespace tarvelo::gui

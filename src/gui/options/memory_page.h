// The "Translation Memory" page of the options.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tarvelo {
class MemoryClient;
struct MemoryOptions;
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

// The "Translation Memory" page of the options.
class MemoryPage : public QWidget {
  Q_OBJECT
public:
  MemoryPage(MemoryClient &memory, const Settings &settings, QWidget *parent = nullptr);

  QLineEdit *path() const { return m_path; }
  QCheckBox *fillWhenOpening() const { return m_initTm; }
  QCheckBox *autoComplete() const { return m_autoComplete; }
  QComboBox *saveWhen() const { return m_saveTm; }
  QCheckBox *fuzzyFill() const { return m_fuzzyFill; }
  QSpinBox *fuzzyScore() const { return m_fuzzyScore; }
  // Ask, Always or Never: the standing answer to "save identical texts?".
  QComboBox *sameText() const { return m_sameText; }

  // What keeps OK from taking the location, as a message for the user: a server that
  // cannot be reached (and why), a folder that cannot be made, or a password in a
  // server's address, which the settings would keep in clear text. Empty when OK may go
  // on; an unchanged location is not checked again.
  QString problem() const;

  // OK: a new folder takes effect at once; the options are kept and written.
  void apply();

private:
  QHBoxLayout *addPathRow(const MemoryOptions &options, QLabel *&hint);
  void addFillBoxes(const MemoryOptions &options);
  QGridLayout *addSaveChoices(const MemoryOptions &options);
  QString location() const;

  MemoryClient &m_memory;
  QLineEdit *m_path;
  QCheckBox *m_initTm, *m_autoComplete;
  QComboBox *m_saveTm;
  QComboBox *m_sameText;
  QCheckBox *m_fuzzyFill;
  QSpinBox *m_fuzzyScore;
};

} // namespace tarvelo::gui

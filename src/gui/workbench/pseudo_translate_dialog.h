// "Pseudo-Translation": how much the texts grow, and its run over the task.
#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace tarvelo {
class Session;
class Settings;
struct PseudoOptions;
} // namespace tarvelo

namespace tarvelo::gui {

// "Pseudo-Translation": how much the texts grow and whether the pseudo-language is
// written right to left; OK stores both in the settings.
class PseudoTranslateDialog : public QDialog {
  Q_OBJECT
public:
  explicit PseudoTranslateDialog(Settings &settings, QWidget *parent = nullptr);

  // The options the settings hold ("PseudoExpansion", "PseudoRightToLeft").
  static PseudoOptions storedOptions(const Settings &settings);

  QSpinBox *expansionBox() const { return m_expansion; }
  QCheckBox *rightToLeftBox() const { return m_rightToLeft; }

  void accept() override;

private:
  Settings &m_settings;
  QSpinBox *m_expansion;
  QCheckBox *m_rightToLeft;
};

// The "Pseudo-Translate..." command: asks for the options, then gives every
// translatable item its pseudo-translation as one undo step. False when nothing changed.
bool runPseudoTranslation(Session &session, QWidget *parent);

} // namespace tarvelo::gui

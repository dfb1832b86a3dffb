// The "Checks" page of the options: a level per check, the limits file, equal texts.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace tarvelo {
class Settings;
}

namespace tarvelo::gui {

// The "Checks" page: every rule of the findings with a level (Error, Warning, Note,
// Off), the file of maximum lengths and whether translations equal to their source
// are reported. Nothing is stored before apply().
class ChecksPage : public QWidget {
  Q_OBJECT
public:
  explicit ChecksPage(Settings &settings, QWidget *parent = nullptr);

  QTableWidget *levels() const { return m_levels; }
  // The level combo of a rule's row, in the order of findingRules().
  QComboBox *levelBox(int row) const;
  QLineEdit *limitsFile() const { return m_limits; }
  QCheckBox *sameAsSource() const { return m_sameAsSource; }

  // OK: "CheckLevels", "LimitsFile" and "SameAsSource".
  void apply();

private:
  void browseLimits();

  Settings &m_settings;
  QTableWidget *m_levels;
  QLineEdit *m_limits;
  QCheckBox *m_sameAsSource;
};

} // namespace tarvelo::gui

// "Machine Translation": what to translate and which service does it.
#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tarvelo {
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

// "Machine Translation" (dialog 199): what to translate ("All items", "Filtered items",
// "Current Item", kept in "TranslateWhat") and which service does it. Apply stores the
// choice and closes with Accepted; the caller runs the translation.
class MachineTranslationDialog : public QDialog {
  Q_OBJECT
public:
  // service: the provider and its address, as shown to the user.
  MachineTranslationDialog(Settings &settings, const QString &service, QWidget *parent = nullptr);

  // "Filtered items" shows the filter (true), "All items" hides it (false); the button
  // beside the choice opens the filter setup.
  void setFilterHooks(std::function<void(bool)> show, std::function<void()> setup);

  QComboBox *selection() const { return m_selection; }
  QPushButton *filterButton() const { return m_filterButton; }
  QPushButton *applyButton() const { return m_apply; }
  // The "TranslateWhat" value chosen.
  int scope() const;

  void accept() override;

private:
  Settings &m_settings;
  QComboBox *m_selection;
  QPushButton *m_filterButton;
  QPushButton *m_apply;
  std::function<void(bool)> m_showFilter;
  std::function<void()> m_setupFilter;
};

} // namespace tarvelo::gui

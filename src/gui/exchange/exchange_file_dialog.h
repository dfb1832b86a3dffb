// The file dialog of Export and Import with its panel of items and delimiters.
#pragma once

#include "exchange/task_exchange.h"

#include <QFileDialog>
#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace tarvelo {
class Settings;
}

namespace tarvelo::gui {

// The Save or Open dialog of Export and Import with its extra panel: which items
// ("Selection:"), and for an import the delimiters of a glossary. It reads and stores
// "ImportWhat", "ImportFlag" and "ImportFormat".
class ExchangeFileDialog : public QFileDialog {
  Q_OBJECT
public:
  enum class Mode { Export, Import };
  ExchangeFileDialog(Mode mode, Settings &settings, QWidget *parent = nullptr);

  // "Filtered items" shows the filter (true) and "All items" hides it again (false);
  // the filter button opens the filter's setup.
  void setFilterHooks(std::function<void(bool)> show, std::function<void()> setup);

  ExchangeFormat format() const;
  // The chosen file, with the extension of its format appended unless it has it.
  QString chosenPath() const;
  bool filteredItems() const;
  int delimiterBits() const;

  void accept() override;
  void done(int result) override;

private:
  void updateOk();

  Mode m_mode;
  Settings &m_settings;
  QRadioButton *m_all = nullptr;
  QRadioButton *m_filtered = nullptr;
  QPushButton *m_filterButton = nullptr;
  QCheckBox *m_delimiters[3] = {};
  std::function<void(bool)> m_showFilter;
  std::function<void()> m_setupFilter;
};

} // namespace tarvelo::gui

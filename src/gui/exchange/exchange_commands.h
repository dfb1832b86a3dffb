// Export and Import of the task's translations through their file dialogs.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvelo {
class Filter;
class Session;
} // namespace tarvelo

namespace tarvelo::gui {

// What Export and Import need besides the session: the filter for "Filtered items",
// and the frame's filter board shown while the dialog offers it.
struct ExchangeHooks {
  Filter *filter = nullptr;
  std::function<void(bool)> showFilter;
  std::function<void()> setupFilter;
  // Runs a file dialog; tests put their own choice in its place.
  std::function<bool(QWidget *dialog)> run;
};

// Export (32871): the save dialog, then the file; "Export finished successfuly".
void exportTranslations(QWidget *parent, Session &session, const ExchangeHooks &hooks);
// Import (32892): the open dialog, then the records as undo steps.
void importTranslations(QWidget *parent, Session &session, const ExchangeHooks &hooks);

} // namespace tarvelo::gui

// "Tarvelo - Dialogs Report": the report of the open tasks' dialogs in its own window.
#pragma once

#include "dialogs/dialog_report.h"
#include "measure/qt_text_measure.h"

#include <QMainWindow>

class QLabel;

namespace tarvelo {
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

class ReportView;

// "Tarvelo - Dialogs Report": the report of the open tasks' dialogs in a window of its
// own, with the count of reported dialogs in its status bar.
class ReportFrame : public QMainWindow {
  Q_OBJECT
public:
  explicit ReportFrame(Session &session, QWidget *parent = nullptr);
  ~ReportFrame() override;

  // Makes the report again from the session's dialogs and the "ReportSetting".
  void rebuild();
  // The "Report Setting" dialog; OK stores the setting.
  void editSetting();
  // Stores the setting and makes the report again when it changed.
  void applySetting(int setting);

  ReportView *view() const { return m_view; }
  QString statusText() const;
  const DialogsReport &report() const { return m_report; }

Q_SIGNALS:
  // A dialog's link was clicked: the main window shows it.
  void dialogChosen(TextEntry *dialog);

private:
  void alignColumns();

  Session &m_session;
  QtTextMeasure m_measure;
  DialogsReport m_report;
  ReportView *m_view = nullptr;
  QLabel *m_status = nullptr;
};

} // namespace tarvelo::gui

// The program's one progress window: a text line, a bar and "Cancel".
#pragma once

#include "seam/progress.h"

#include <QElapsedTimer>
#include <QPointer>

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

namespace tarvelo::gui {

// The one progress window of the program: a text line, a bar and "Cancel". While it
// shows, its owner is disabled; callers serve the event queue between steps.
class ProgressWindow final : public Progress {
public:
  explicit ProgressWindow(QWidget *owner = nullptr) : m_owner(owner) {}
  ~ProgressWindow() override;
  void setOwner(QWidget *owner) { m_owner = owner; }

  void begin(const QString &title) override;
  void setText(const QString &text) override;
  void setRange(int minimum, int maximum) override;
  void setPosition(int position) override;
  void serve() override;
  bool cancelled() const override { return m_cancelled; }
  void end() override;

private:
  QPointer<QWidget> m_owner;
  QDialog *m_dialog = nullptr;
  QLabel *m_text = nullptr;
  QProgressBar *m_bar = nullptr;
  bool m_cancelled = false;
  bool m_ownerWasEnabled = true;
  QElapsedTimer m_served; // since the events were last served
};

} // namespace tarvelo::gui

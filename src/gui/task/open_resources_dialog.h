// "Open Resources": the source and target scripts of a new task.
#pragma once

#include <QDialog>

class QPushButton;

namespace tarvelo {
class Session;
struct OpenRequest;
} // namespace tarvelo

namespace tarvelo::gui {

class TaskForm;

// "Open Resources": the source and target scripts of a new task. OK runs the open
// sequence of the session; the dialog closes only when the task was opened.
class OpenResourcesDialog : public QDialog {
  Q_OBJECT
public:
  OpenResourcesDialog(Session &session, bool memoryBound, QWidget *parent = nullptr);

  TaskForm *form() const { return m_form; }
  QPushButton *okButton() const { return m_ok; }
  // What OK would open.
  OpenRequest request() const;

  void accept() override;

private:
  void updateEnabled();

  Session &m_session;
  TaskForm *m_form;
  QPushButton *m_ok;
};

// The enabling rule of OK: an existing source file, and a target path unless the
// target is specified later.
bool canOpenTask(const QString &sourcePath, bool specifyLater, const QString &targetPath);

} // namespace tarvelo::gui

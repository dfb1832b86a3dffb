// "Task Properties": one task or several edited at once.
#pragma once

#include <QDialog>
#include <QList>

class QPushButton;

namespace tarvelo {
class Session;
struct Task;
} // namespace tarvelo

namespace tarvelo::gui {

class TaskForm;

// "Task Properties": edits one task or several at once. A field whose value differs
// between the tasks shows "<Different values>" and is written back only when changed.
class TaskPropertiesDialog : public QDialog {
  Q_OBJECT
public:
  // The result code when "Open" opened the task.
  static constexpr int Opened = 2;

  // Without a session there is no "Open" button.
  TaskPropertiesDialog(const QList<Task *> &tasks, Session *session, bool memoryBound,
                       QWidget *parent = nullptr);

  TaskForm *form() const { return m_form; }
  QPushButton *okButton() const { return m_ok; }
  QPushButton *openButton() const { return m_open; }

  // Writes the changed fields into the tasks.
  void store();
  void accept() override;

private:
  void updateEnabled();
  void openTask();
  bool pathsUsable() const;

  QList<Task *> m_tasks;
  Session *m_session;
  TaskForm *m_form;
  QPushButton *m_ok;
  QPushButton *m_open = nullptr;
  // The values shown at the start, to tell what the user changed.
  QString m_initialName, m_initialSource, m_initialTarget, m_initialHeader;
  int m_initialSourceIndex = 0, m_initialTargetIndex = 0;
  Qt::CheckState m_initialSpecifyLater = Qt::Unchecked;
};

} // namespace tarvelo::gui

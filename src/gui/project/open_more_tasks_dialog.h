// "Open More Tasks": the language pair of the project whose tasks open together.
#pragma once

#include "script/task.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace tarvelo::gui {

// "Open More Tasks": chooses a language pair of the project; every task of that pair
// is then opened together as one.
class OpenMoreTasksDialog : public QDialog {
  Q_OBJECT
public:
  // preset: the task whose languages are chosen first (the selected or the first one).
  OpenMoreTasksDialog(const QList<Task> &tasks, const Task &preset, QWidget *parent = nullptr);

  int sourceLanguage() const;
  int targetLanguage() const;
  QComboBox *sourceCombo() const { return m_source; }
  QComboBox *targetCombo() const { return m_target; }

private:
  void fillTargets(int preset);

  QList<Task> m_tasks;
  QComboBox *m_source;
  QComboBox *m_target;
};

} // namespace tarvelo::gui

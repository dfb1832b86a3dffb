// The project pane: the tasks of one project as a tree, with the project commands.
#pragma once

#include "project/project_file.h"

#include <QList>
#include <QTreeWidget>

class QMenu;

namespace tarvelo {
class Session;
} // namespace tarvelo

namespace tarvelo::gui {

// The project pane: the tasks of one project as a tree (the root, a task item per
// task, its source and target lines below it), with the project commands.
class ProjectPane : public QTreeWidget {
  Q_OBJECT
public:
  explicit ProjectPane(Session &session, QWidget *parent = nullptr);
  // Remembers the open project in "ProjectPath"; a modified project is not saved.
  ~ProjectPane() override;

  const Project &project() const { return m_project; }
  // Opens the project named by "ProjectPath", if any.
  void reopenLast();

  void newProject();
  // Opens the file; false, with the project unchanged, when it cannot be read.
  bool openProject(const QString &path);
  void openProjectDialog();
  // Writes the project to its path, or asks for one; false when it was not written.
  bool saveProject();
  // Asks for a path and writes the project there.
  bool saveProjectAs();
  void addToProject();
  void addOpenedTask();
  void editTasks();
  void removeTasks();
  // Opens the selected tasks together as one.
  bool openTasks();
  // Puts the dragged tasks after the task at dropIndex (-1: the root), moved or
  // copied, and selects them.
  void dropSelectedTasks(int dropIndex, bool copy);
  // "Open More Tasks": every task of the chosen language pair, together as one.
  bool openMoreTasks();

  // The indexes of the selected tasks (a line stands for its task), in list order.
  QList<int> selectedTasks() const;
  void selectTasks(const QList<int> &indexes);

Q_SIGNALS:
  // Tasks of the project were opened in the session.
  void tasksOpened();

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dragMoveEvent(QDragMoveEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  Qt::DropActions supportedDropActions() const override;

private:
  bool openTogether(const QList<Task> &tasks);
  bool saveProjectTo(bool confirmOverwrite);
  // The menu of the root and of the pane's empty room: what a project is built with.
  void addProjectCommands(QMenu &menu);
  void addTaskCommands(QMenu &menu);
  void rebuild();
  void refreshRootText();
  void setModified(bool modified);
  QString lineText(const QString &path, int language) const;
  QTreeWidgetItem *taskItem(int index) const;
  // A line stands for its task, and the root is selected only alone.
  void normalizeSelection();

  // The dragged tasks in the order they were selected.
  QList<int> m_selectionOrder;
  bool m_normalizing = false;

  Session &m_session;
  Project m_project;
  QTreeWidgetItem *m_root = nullptr;
};

} // namespace tarvelo::gui

// The project pane: the tasks of one project as a tree, with the project commands.
#include "project/project_pane.h"

#include "project/combined_task.h"
#include "project/open_more_tasks_dialog.h"
#include "project/project_edits.h"
#include "project/project_paths.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "task/task_properties_dialog.h"
#include "text/locale_table.h"
#include "workbench/session.h"

#include "options/help.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyle>

namespace tarvelo::gui {

namespace {

constexpr int TaskIndexRole = Qt::UserRole + 1;

QString projectFilter() {
  return ProjectPane::tr("Tarvelo Project (*.tvx)");
}

} // namespace

ProjectPane::ProjectPane(Session &session, QWidget *parent)
    : QTreeWidget(parent), m_session(session) {
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setRootIsDecorated(true);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setAutoScroll(true); // holding the pointer at an edge while dragging scrolls
  connect(this, &QTreeWidget::itemSelectionChanged, this, &ProjectPane::normalizeSelection);
  // A collapsed task keeps no selected lines.
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
    for (int i = 0; i < item->childCount(); ++i)
      item->child(i)->setSelected(false);
  });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
    if (item != m_root)
      editTasks();
  });
  rebuild();
}

ProjectPane::~ProjectPane() {
  m_session.settings().setText(QStringLiteral("ProjectPath"), m_project.path);
}

void ProjectPane::reopenLast() {
  const QString path = m_session.settings().text(QStringLiteral("ProjectPath"));
  if (!path.isEmpty())
    openProject(path);
}

QString ProjectPane::lineText(const QString &path, int language) const {
  return QStringLiteral("\"%1\" [%2]").arg(path, localizedLanguageName(language).left(30));
}

void ProjectPane::rebuild() {
  setUpdatesEnabled(false);
  clear();
  m_root = new QTreeWidgetItem(this);
  m_root->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
  refreshRootText();
  for (int i = 0; i < m_project.tasks.size(); ++i) {
    const Task &task = m_project.tasks[i];
    auto *item = new QTreeWidgetItem(m_root, {task.name});
    item->setData(0, TaskIndexRole, i);
    item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    auto *source = new QTreeWidgetItem(item, {lineText(task.sourcePath, task.sourceLanguage)});
    auto *target = new QTreeWidgetItem(item, {lineText(task.targetPath, task.targetLanguage)});
    source->setData(0, TaskIndexRole, i);
    target->setData(0, TaskIndexRole, i);
    source->setIcon(0, style()->standardIcon(QStyle::SP_ArrowRight));
    target->setIcon(0, style()->standardIcon(QStyle::SP_ArrowLeft));
  }
  m_root->setExpanded(true);
  setUpdatesEnabled(true);
}

void ProjectPane::refreshRootText() {
  if (m_root)
    m_root->setText(0, projectRootText(m_project));
}

void ProjectPane::setModified(bool modified) {
  m_project.modified = modified;
  refreshRootText();
}

QTreeWidgetItem *ProjectPane::taskItem(int index) const {
  return m_root && index >= 0 && index < m_root->childCount() ? m_root->child(index) : nullptr;
}

QList<int> ProjectPane::selectedTasks() const {
  QList<int> indexes;
  for (const QTreeWidgetItem *item : selectedItems()) {
    if (item == m_root)
      continue;
    const int index = item->data(0, TaskIndexRole).toInt();
    if (!indexes.contains(index))
      indexes.append(index);
  }
  std::sort(indexes.begin(), indexes.end());
  return indexes;
}

void ProjectPane::selectTasks(const QList<int> &indexes) {
  clearSelection();
  for (const int index : indexes)
    if (QTreeWidgetItem *item = taskItem(index)) {
      item->setSelected(true);
      scrollToItem(item);
      setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
}

void ProjectPane::newProject() {
  if (!m_project.tasks.isEmpty() &&
      !m_session.prompter().askYesNo(tr("Do you want to copy current tasks to the new project?"))) {
    m_project.tasks.clear();
    m_project.modified = false;
  } else {
    m_project.modified = true;
  }
  m_project.path.clear();
  rebuild();
}

bool ProjectPane::openProject(const QString &path) {
  Project read;
  if (!readProject(path, read))
    return false;
  m_project = read;
  rebuild();
  return true;
}

void ProjectPane::openProjectDialog() {
  const QString path = QFileDialog::getOpenFileName(
      this, QString(), m_project.path, projectFilter(), nullptr, QFileDialog::ReadOnly);
  if (!path.isEmpty())
    openProject(path);
}

bool ProjectPane::saveProject() {
  const bool relative = m_session.settings().integer(QStringLiteral("RelativePath")) != 0;
  if (!m_project.path.isEmpty() && writeProject(m_project, relative)) {
    refreshRootText();
    return true;
  }
  return saveProjectTo(false);
}

bool ProjectPane::saveProjectAs() {
  return saveProjectTo(true);
}

// Save falls back to this without asking before it replaces a file; Save As asks.
bool ProjectPane::saveProjectTo(bool confirmOverwrite) {
  const bool relative = m_session.settings().integer(QStringLiteral("RelativePath")) != 0;
  QFileDialog dialog(this, tr("Save Project As"), m_project.path, projectFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("tvx"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return false;
  const QString previous = m_project.path;
  m_project.path = dialog.selectedFiles().front();
  if (!writeProject(m_project, relative)) {
    // The file the translator chose could not be written: said, not passed over.
    m_session.prompter().error(
        QCoreApplication::translate("Prompter", "It is not possible open file '%1'.")
            .arg(m_project.path));
    m_project.path = previous;
    return false;
  }
  refreshRootText();
  return true;
}

void ProjectPane::addToProject() {
  Task task = taskFromSettings(m_session.settings());
  TaskPropertiesDialog dialog({&task}, nullptr, false, this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  m_project.tasks.append(task);
  m_project.modified = true;
  rebuild();
  selectTasks({int(m_project.tasks.size()) - 1});
}

void ProjectPane::addOpenedTask() {
  const Task *open = m_session.tasks().head();
  if (!open)
    return;
  Task task;
  task.name = QCoreApplication::translate("Project", "Task");
  task.sourcePath = open->sourcePath;
  task.sourceLanguage = open->sourceLanguage;
  task.targetPath = open->targetPath;
  task.targetLanguage = open->targetLanguage;
  m_project.tasks.append(task);
  m_project.modified = true;
  rebuild();
  selectTasks({int(m_project.tasks.size()) - 1});
}

void ProjectPane::editTasks() {
  const QList<int> indexes = selectedTasks();
  if (indexes.isEmpty())
    return;
  const QList<Task> before = m_project.tasks;
  QList<Task *> tasks;
  for (const int index : indexes)
    tasks.append(&m_project.tasks[index]);
  TaskPropertiesDialog dialog(tasks, nullptr, false, this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  bool changed = false;
  for (const int index : indexes) {
    const Task &was = before[index];
    const Task &now = m_project.tasks[index];
    changed = changed || was.name != now.name ||
              was.sourcePath.compare(now.sourcePath, Qt::CaseInsensitive) != 0 ||
              was.targetPath.compare(now.targetPath, Qt::CaseInsensitive) != 0 ||
              was.sourceLanguage != now.sourceLanguage || was.targetLanguage != now.targetLanguage;
  }
  if (changed)
    m_project.modified = true;
  rebuild();
  selectTasks(indexes);
}

void ProjectPane::removeTasks() {
  const QList<int> indexes = selectedTasks();
  if (indexes.isEmpty())
    return;
  for (auto it = indexes.crbegin(); it != indexes.crend(); ++it)
    m_project.tasks.removeAt(*it);
  m_project.modified = true;
  rebuild();
}

bool ProjectPane::openTasks() {
  QList<Task> tasks;
  for (const int index : selectedTasks())
    tasks.append(m_project.tasks[index]);
  return openTogether(tasks);
}

bool ProjectPane::openMoreTasks() {
  if (m_project.tasks.isEmpty())
    return false;
  const QList<int> selected = selectedTasks();
  OpenMoreTasksDialog dialog(m_project.tasks,
                             m_project.tasks[selected.isEmpty() ? 0 : selected.front()], this);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  return openTogether(
      tasksOfPair(m_project.tasks, dialog.sourceLanguage(), dialog.targetLanguage()));
}

bool ProjectPane::openTogether(const QList<Task> &tasks) {
  if (tasks.isEmpty())
    return false;
  setCursor(Qt::WaitCursor);
  // Tasks of a project file may write only where the project's folder allows.
  const bool opened = m_session.openTogether(
      tasks, m_project.path.isEmpty() ? QString() : projectFolderOf(m_project.path));
  unsetCursor();
  if (opened)
    Q_EMIT tasksOpened();
  return opened;
}

void ProjectPane::normalizeSelection() {
  if (m_normalizing)
    return;
  m_normalizing = true;
  const QList<QTreeWidgetItem *> selected = selectedItems();
  if (m_root && m_root->isSelected() && selected.size() > 1) {
    // The root cannot share the selection: the newest choice wins.
    QTreeWidgetItem *current = currentItem();
    const bool keepRoot = current == m_root;
    for (QTreeWidgetItem *item : selected)
      item->setSelected(keepRoot ? item == m_root : item != m_root);
  }
  for (QTreeWidgetItem *item : selectedItems())
    if (item != m_root && item->parent() != m_root) {
      item->setSelected(false);
      item->parent()->setSelected(true);
    }
  // Selection order, for dragging: tasks keep their place, new ones go last.
  const QList<int> now = selectedTasks();
  QList<int> order;
  for (const int index : std::as_const(m_selectionOrder))
    if (now.contains(index))
      order.append(index);
  for (const int index : now)
    if (!order.contains(index))
      order.append(index);
  m_selectionOrder = order;
  m_normalizing = false;
}

void ProjectPane::mousePressEvent(QMouseEvent *event) {
  QTreeWidgetItem *item = itemAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && item &&
      (item == m_root || (m_root && m_root->isSelected()))) {
    // The root is selected only alone: any click that involves it is a plain one.
    QMouseEvent plain(event->type(), event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(), Qt::NoModifier,
                      event->pointingDevice());
    clearSelection();
    QTreeWidget::mousePressEvent(&plain);
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

void ProjectPane::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::HelpContents)) {
    showHelp(this, QStringLiteral("project.html"));
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

Qt::DropActions ProjectPane::supportedDropActions() const {
  return Qt::MoveAction | Qt::CopyAction;
}

void ProjectPane::dragEnterEvent(QDragEnterEvent *event) {
  if (event->source() == this && !m_selectionOrder.isEmpty()) {
    QTreeWidget::dragEnterEvent(event);
    event->accept();
  } else {
    event->ignore();
  }
}

void ProjectPane::dragMoveEvent(QDragMoveEvent *event) {
  if (event->source() != this || !itemAt(event->position().toPoint())) {
    event->ignore();
    return;
  }
  QTreeWidget::dragMoveEvent(event);
  event->setDropAction((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction
                                                                  : Qt::MoveAction);
  event->accept();
}

void ProjectPane::dropEvent(QDropEvent *event) {
  QTreeWidgetItem *item = itemAt(event->position().toPoint());
  if (event->source() != this || !item) {
    event->ignore();
    return;
  }
  const int dropIndex = item == m_root ? -1 : item->data(0, TaskIndexRole).toInt();
  const bool copy = (event->modifiers() & Qt::ControlModifier) != 0;
  // The tree is rebuilt from the list: Qt must not move its items itself.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  dropSelectedTasks(dropIndex, copy);
}

void ProjectPane::dropSelectedTasks(int dropIndex, bool copy) {
  if (m_selectionOrder.isEmpty())
    return;
  const QList<int> inserted = dropTasks(m_project.tasks, m_selectionOrder, dropIndex, copy);
  m_project.modified = true;
  rebuild();
  m_selectionOrder.clear();
  selectTasks(inserted);
  m_selectionOrder = inserted;
}

void ProjectPane::addProjectCommands(QMenu &menu) {
  menu.addAction(tr("Add to project"), this, [this] { addToProject(); });
  menu.addAction(tr("Add Opened task to project"), this, [this] { addOpenedTask(); })
      ->setEnabled(m_session.tasks().head() != nullptr);
  menu.addAction(tr("Open more tasks"), this, [this] { openMoreTasks(); })
      ->setEnabled(!m_project.tasks.isEmpty());
}

void ProjectPane::addTaskCommands(QMenu &menu) {
  QList<const Task *> chosen;
  for (const int each : selectedTasks())
    chosen.append(&m_project.tasks[each]);
  QAction *open = menu.addAction(tr("Open Tasks"), this, [this] { openTasks(); });
  open->setEnabled(sameLanguagePair(chosen));
  menu.addAction(tr("Remove Tasks"), this, [this] { removeTasks(); });
  menu.addSeparator();
  menu.addAction(tr("Edit Tasks..."), this, [this] { editTasks(); });
}

void ProjectPane::contextMenuEvent(QContextMenuEvent *event) {
  QTreeWidgetItem *item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
  QMenu menu(this);
  if (!item || item == m_root) {
    // The root and the empty room: a new project is started here.
    clearSelection();
    if (m_root)
      m_root->setSelected(item == m_root);
    addProjectCommands(menu);
    menu.addSeparator();
    menu.addAction(tr("Save Project"), this, [this] { saveProject(); });
    menu.addAction(tr("Save Project As..."), this, [this] { saveProjectAs(); });
  } else {
    const int index = item->data(0, TaskIndexRole).toInt();
    if (!selectedTasks().contains(index))
      selectTasks({index});
    addTaskCommands(menu);
    menu.addSeparator();
    addProjectCommands(menu);
  }
  menu.exec(event->globalPos());
}

} // namespace tarvelo::gui

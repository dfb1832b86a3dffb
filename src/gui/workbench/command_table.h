// The main window's commands: their texts, keys and images, the menus and the tool bar.
#pragma once

#include "workbench/command_ids.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;
class QMainWindow;
class QToolBar;

namespace tarvelo::gui {

// One command: its menu text, keys and toolbar image.
struct Command {
  CommandId id;
  QString text;
  QList<QKeySequence> keys;
  QString icon; // toolbar image name, empty when the command has none
};

// The actions of every command, and the menus and toolbar built from them. The
// handlers and the enabling are the frame's.
class CommandTable {
public:
  // Creates an action per command on the window.
  void create(QMainWindow *window);
  QAction *action(CommandId id) const { return m_actions.value(id); }
  const QHash<int, QAction *> &actions() const { return m_actions; }
  // The menu bar ("&File", "&Edit", "&Tools", "&Help") and the main toolbar.
  void buildMenus(QMainWindow *window);
  QToolBar *buildToolBar(QMainWindow *window);

  static QList<Command> commands();
  static QString statusTip(CommandId id);
  // The commands of the "Dialog" menu and of the dialog view's tool bar, in order;
  // 0 separates groups.
  static QList<int> dialogCommands();
  // The same as actions for a tool bar, with separators owned by the owner.
  QList<QAction *> dialogToolBarActions(QObject *owner) const;

private:
  QHash<int, QAction *> m_actions;
};

} // namespace tarvelo::gui

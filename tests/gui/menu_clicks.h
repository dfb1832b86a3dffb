// Menus and modal windows driven as the user drives them: clicks on the menu bar and in
// the popups, context menus asked for at a point, and a modal window handled once it
// shows.
#pragma once
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace tarvelo::gui {

// The action of the menu whose text, without "&", is the text.
inline QAction *actionNamed(const QWidget *menu, const QString &text) {
  for (QAction *action : menu->actions())
    if (QString(action->text()).remove(u'&') == QString(text).remove(u'&'))
      return action;
  return nullptr;
}

// The texts of a menu's actions without "&", separators as "-", disabled ones in
// brackets.
inline QStringList menuTexts(const QMenu *menu) {
  QStringList texts;
  for (const QAction *action : menu->actions()) {
    if (action->isSeparator()) {
      texts.append(QStringLiteral("-"));
      continue;
    }
    const QString text = QString(action->text()).remove(u'&');
    texts.append(action->isEnabled() ? text : u'[' + text + u']');
  }
  return texts;
}

// Clicks the menu bar's menu, then each item of the path in the popups that open; the
// last one is triggered. False when an item was not found or not enabled.
inline bool clickMenuPath(QMainWindow &window, const QStringList &path) {
  QMenuBar *bar = window.menuBar();
  QAction *action = actionNamed(bar, path.value(0));
  if (!action || !action->menu())
    return false;
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
  QMenu *menu = action->menu();
  for (qsizetype i = 1; i < path.size(); ++i) {
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
      return false;
    action = actionNamed(menu, path[i]);
    if (!action || !action->isEnabled())
      return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    menu = action->menu();
    if (!menu)
      return i + 1 == path.size();
  }
  return false;
}

// Runs the step once a window of the type is the active modal window (or, with
// popup, the active popup), from inside the event loop that the next call starts.
template <typename Window> void whenShown(std::function<void(Window *)> step, bool popup = false) {
  auto *timer = new QTimer;
  timer->setInterval(10);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, step, popup, tries] {
    QWidget *shown = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    auto *window = qobject_cast<Window *>(shown);
    // A window that never comes lets the test fail on what did not happen.
    if (++*tries > 1000) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (!window || !window->isVisible())
      return;
    timer->stop();
    timer->deleteLater();
    step(window);
  });
  timer->start();
}

// Asks the widget for its context menu at the point (in its own coordinates), and
// clicks the item named `choice` in it; `seen` receives the menu's texts. An empty
// choice closes the menu with Esc.
inline void contextMenuAt(QWidget *widget, const QPoint &at, const QString &choice,
                          QStringList *seen = nullptr) {
  whenShown<QMenu>(
      [choice, seen](QMenu *menu) {
        if (seen)
          *seen = menuTexts(menu);
        QAction *action = choice.isEmpty() ? nullptr : actionNamed(menu, choice);
        if (action && action->isEnabled())
          QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        else
          QTest::keyClick(menu, Qt::Key_Escape);
      },
      true);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
  QApplication::processEvents();
}

} // namespace tarvelo::gui

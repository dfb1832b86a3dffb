// Compiled menus: MENU and MENUEX templates read into their items.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// One item of a menu, in template order; a popup's items follow it one level deeper.
struct CompiledMenuItem {
  int depth = 0;
  bool popup = false;
  quint32 id = 0;      // none for a popup of a MENU template
  quint32 flags = 0;   // MENU: the item's option word; MENUEX: its type
  quint32 state = 0;   // MENUEX only
  quint32 helpId = 0;  // MENUEX popups only
  quint16 exFlags = 0; // MENUEX: the item's own flags (popup, last of its level)
  QString text;        // empty for a separator
};

struct CompiledMenu {
  bool extended = false; // a MENUEX template
  quint32 helpId = 0;    // MENUEX: the menu's own
  QList<CompiledMenuItem> items;
};

// Reads a MENU or MENUEX template; false with the error and its offset when the data
// ends before the template does or nests deeper than any menu does.
bool readMenuTemplate(const QByteArray &data, CompiledMenu &menu, QString &error,
                      qsizetype &errorOffset);
// The template of a menu read by readMenuTemplate, with its items' flags as they are.
QByteArray writeMenuTemplate(const CompiledMenu &menu);

} // namespace tarvelo

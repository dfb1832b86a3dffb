// The images of the item list, the resource tree and the tool bars.
#pragma once

#include <QIcon>
#include <QString>

namespace tarvelo::gui {

// The images of the item list (0-4 states, 5-9 the states failing inspection,
// 10-12 comments), of the resource tree (0 root, 1-4 text groups, 5 other) and of
// the toolbar, drawn from the program's vector icons so they stay sharp when scaled.
QIcon itemListIcon(int image);
QIcon resourceTreeIcon(int image);
QIcon toolbarIcon(const QString &name);
QIcon fuzzyIcon();
QIcon applicationIcon();

} // namespace tarvelo::gui

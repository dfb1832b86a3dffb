// Shows a topic of the program's help.
#pragma once

#include <QString>

class QWidget;

namespace tarvelo::gui {

// Shows a help topic ("start.html", ...) in the program's help window; an empty
// topic shows the contents.
void showHelp(QWidget *from, const QString &topic = QString());

} // namespace tarvelo::gui

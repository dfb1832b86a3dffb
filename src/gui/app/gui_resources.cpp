// The images and help pages compiled into the program, registered once at start.
#include "app/gui_resources.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialisers are.
static void initAll() {
  Q_INIT_RESOURCE(icons);
  Q_INIT_RESOURCE(help);
}

namespace tarvelo::gui {

void initGuiResources() {
  initAll();
}

} // namespace tarvelo::gui

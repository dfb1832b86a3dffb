// A dialog tried out as a real modal dialog.
#include "dialogs/test_display.h"

#include "dialogs/live_dialog.h"
#include "dialogs/shown_dialog.h"
#include "measure/qt_text_measure.h"

namespace tarvelo::gui {

TestDisplay::TestDisplay(const ShownDialog &dialog, const TextMeasure &measure, QWidget *parent)
    : QDialog(parent), m_live(new LiveDialog(dialog, DialogSide::Original, measure, this)) {
  setWindowTitle(m_live->caption());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(m_live->size());
  setModal(true);
}

void showOriginal(const DialogEntry &dialog, QWidget *parent) {
  const QtTextMeasure measure;
  TestDisplay display(shownDialog(dialog, DialogSide::Original), measure, parent);
  display.exec();
}

} // namespace tarvelo::gui

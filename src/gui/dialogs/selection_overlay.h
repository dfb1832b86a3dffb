// The layout editor's marks over the preview: frames and handles of the selected items.
#pragma once

#include <QWidget>

namespace tarvelo::gui {

class LayoutEditor;

// Draws the layout editor's marks over the preview: the frame of every selected item
// with the four middle handles when one item is selected (the dialog's right and
// bottom only), the rubber band, and the source's sizes when they are asked for. It
// takes no input.
class SelectionOverlay : public QWidget {
  Q_OBJECT
public:
  SelectionOverlay(const LayoutEditor &editor, QWidget *canvas);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  const LayoutEditor &m_editor;
};

} // namespace tarvelo::gui

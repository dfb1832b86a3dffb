// A dialog drawn as Windows shows it: the classic frame around the live dialog.
#pragma once

#include "dialogs/shown_dialog.h"

#include <QWidget>

class QPainter;

namespace tarvelo {
class TextMeasure;
}

namespace tarvelo::gui {

class LiveDialog;

// A dialog as the translator's program shows it: the classic window frame with the
// caption bar, and the live dialog as its client area. It takes no input: mouse and
// keys go to the view that hosts it, whose layout editor draws over it; its control
// windows stay reachable for their geometry.
class DialogPreview : public QWidget {
  Q_OBJECT
public:
  // The frame of a dialog with a modal frame: three pixels of edge all round, and a
  // caption bar of 18 pixels with one pixel below it.
  static constexpr int kBorder = 3;
  static constexpr int kCaptionHeight = 18;
  static constexpr int kCaptionGap = 1;

  DialogPreview(const ShownDialog &dialog, DialogSide side, const TextMeasure &measure,
                QWidget *parent = nullptr);

  LiveDialog *liveDialog() const { return m_live; }
  QRect captionRect() const;
  // Gives the dialog another client area; the frame follows.
  void setClientSize(const QSize &size);
  // Takes the texts from the entries again and repaints what changed.
  bool refreshTexts();

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  LiveDialog *m_live;
};

// Draws a dialog's window frame in the classic look: edges, caption bar with the
// caption and the close box, over the whole of area.
void paintDialogFrame(QPainter &painter, const QRect &area, const QString &caption);

} // namespace tarvelo::gui

// The layout editor's marks over the preview: frames and handles of the selected items.
#include "dialogs/selection_overlay.h"

#include "dialogs/layout_editor.h"

#include <QPainter>

namespace tarvelo::gui {

namespace {

const QColor kReferenceColour(0, 0, 160);
const QColor kSelectedColour(96, 96, 96);
const QColor kSourceColour(0, 140, 0);
constexpr int kHandleSize = 7;

// The 3-pixel ring of a frame, hatched as the system draws a tracker's border.
void drawFrame(QPainter &painter, const QRect &frame, const QColor &colour) {
  const QRect inner = windowOfFrame(frame);
  QRegion ring(frame);
  if (inner.width() > 0 && inner.height() > 0)
    ring = ring.subtracted(QRegion(inner));
  painter.save();
  painter.setClipRegion(ring);
  painter.fillRect(frame, QBrush(colour, Qt::BDiagPattern));
  painter.setPen(colour);
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.restore();
}

void drawHandle(QPainter &painter, const QPoint &centre, const QColor &colour) {
  const QRect box(centre.x() - kHandleSize / 2, centre.y() - kHandleSize / 2, kHandleSize,
                  kHandleSize);
  painter.fillRect(box, colour);
  painter.setPen(Qt::white);
  painter.drawRect(box.adjusted(0, 0, -1, -1));
}

} // namespace

SelectionOverlay::SelectionOverlay(const LayoutEditor &editor, QWidget *canvas)
    : QWidget(canvas), m_editor(editor) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void SelectionOverlay::paintEvent(QPaintEvent *) {
  if (!m_editor.preview())
    return;
  QPainter painter(this);
  painter.translate(m_editor.clientOrigin());
  if (m_editor.showsSourceSizes()) {
    painter.setPen(QPen(kSourceColour, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_editor.sourceClientRect().adjusted(0, 0, -1, -1));
    for (const QRect &window : m_editor.sourceWindows())
      painter.drawRect(window.adjusted(0, 0, -1, -1));
  }
  // The reference last, over the others.
  const std::vector<int> &selection = m_editor.selection();
  for (auto it = selection.rbegin(); it != selection.rend(); ++it)
    if (*it != m_editor.reference())
      drawFrame(painter, m_editor.frameOf(*it), kSelectedColour);
  const int reference = m_editor.reference();
  if (reference != LayoutEditor::kNone && m_editor.isSelected(reference)) {
    const QRect frame = m_editor.frameOf(reference);
    drawFrame(painter, frame, kReferenceColour);
    if (m_editor.offersHandles()) {
      const int midX = frame.x() + frame.width() / 2;
      const int midY = frame.y() + frame.height() / 2;
      const int inset = tracker::kFrameWidth / 2;
      if (reference != LayoutEditor::kDialog) {
        drawHandle(painter, QPoint(frame.x() + inset, midY), kReferenceColour);
        drawHandle(painter, QPoint(midX, frame.y() + inset), kReferenceColour);
      }
      drawHandle(painter, QPoint(rightOf(frame) - 1 - inset, midY), kReferenceColour);
      drawHandle(painter, QPoint(midX, bottomOf(frame) - 1 - inset), kReferenceColour);
    }
  }
  if (const auto band = m_editor.rubberBand()) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(band->adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(band->adjusted(0, 0, -1, -1));
  }
}

} // namespace tarvelo::gui

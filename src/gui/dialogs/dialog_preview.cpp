// A dialog drawn as Windows shows it: the classic frame around the live dialog.
#include "dialogs/dialog_preview.h"

#include "dialogs/classic_look.h"
#include "dialogs/live_dialog.h"
#include "measure/dialog_fonts.h"

#include <QLinearGradient>
#include <QPainter>

namespace tarvelo::gui {

namespace {

// The caption font of the classic look: Tahoma bold at 8 points.
QFont captionFont() {
  constexpr int pixels = 11;
  QString family = dialogFontFamily(QStringLiteral("Tahoma"), pixels);
  if (family.isEmpty())
    family = fallbackDialogFamily(pixels);
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// Two-colour lines along the top and left, then along the bottom and right.
void drawEdge(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  painter.setPen(bottomRight);
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

// The close box: a raised button of 16 x 14 pixels with a bold cross.
void drawCloseBox(QPainter &painter, const QRect &box) {
  painter.fillRect(box, classic::face);
  drawEdge(painter, box, classic::highlight, Qt::black);
  drawEdge(painter, box.adjusted(1, 1, -1, -1), classic::face, classic::shadow);
  const int x = box.left() + (box.width() - 8) / 2;
  const int y = box.top() + (box.height() - 7) / 2;
  for (int i = 0; i < 7; ++i) {
    painter.fillRect(x + i, y + i, 2, 1, Qt::black);
    painter.fillRect(x + 6 - i, y + i, 2, 1, Qt::black);
  }
}

} // namespace

void paintDialogFrame(QPainter &painter, const QRect &area, const QString &caption) {
  painter.fillRect(area, classic::face);
  drawEdge(painter, area, classic::face, classic::darkShadow);
  drawEdge(painter, area.adjusted(1, 1, -1, -1), classic::highlight, classic::shadow);
  const int border = DialogPreview::kBorder;
  const QRect bar(area.left() + border, area.top() + border, std::max(0, area.width() - 2 * border),
                  DialogPreview::kCaptionHeight);
  QLinearGradient gradient(bar.topLeft(), bar.topRight());
  gradient.setColorAt(0, classic::captionLeft);
  gradient.setColorAt(1, classic::captionRight);
  painter.fillRect(bar, gradient);
  const QRect close(bar.right() - 17, bar.top() + 2, 16, 14);
  if (close.left() > bar.left())
    drawCloseBox(painter, close);
  const QRect text(bar.left() + 3, bar.top(), std::max(0, close.left() - bar.left() - 5),
                   bar.height());
  if (!caption.isEmpty() && text.width() > 0) {
    painter.setFont(captionFont());
    QString shown = caption;
    shown.replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ');
    shown = painter.fontMetrics().elidedText(shown, Qt::ElideRight, text.width());
    painter.setPen(classic::captionText);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
  }
}

DialogPreview::DialogPreview(const ShownDialog &dialog, DialogSide side, const TextMeasure &measure,
                             QWidget *parent)
    : QWidget(parent), m_live(new LiveDialog(dialog, side, measure, this)) {
  setBackgroundRole(QPalette::Window);
  setForegroundRole(QPalette::WindowText);
  m_live->move(kBorder, kBorder + kCaptionHeight + kCaptionGap);
  setClientSize(m_live->size());
  // Input goes past the preview to the view under it; nothing inside takes focus.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  for (QWidget *child : findChildren<QWidget *>()) {
    child->setAttribute(Qt::WA_TransparentForMouseEvents);
    child->setFocusPolicy(Qt::NoFocus);
  }
}

void DialogPreview::setClientSize(const QSize &size) {
  m_live->resize(size);
  resize(size.width() + 2 * kBorder,
         size.height() + kBorder + kCaptionHeight + kCaptionGap + kBorder);
}

QRect DialogPreview::captionRect() const {
  return QRect(kBorder, kBorder, std::max(0, width() - 2 * kBorder), kCaptionHeight);
}

bool DialogPreview::refreshTexts() {
  const QString caption = m_live->caption();
  if (!m_live->refreshTexts())
    return false;
  if (m_live->caption() != caption)
    update(captionRect());
  return true;
}

void DialogPreview::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  paintDialogFrame(painter, rect(), m_live->caption());
}

} // namespace tarvelo::gui

// Layout editor commands as geometry: arrow keys, alignment, same size, size to content.
#include "dialogs/layout_commands.h"

#include "dialogs/control_item.h"
#include "dialogs/text_fit.h"
#include "dialogs/text_measure.h"
#include "dialogs/tracker_geometry.h"
#include "script/dialog_layout.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr quint32 kStaticSunken = 0x1000;
constexpr quint32 kExClientEdge = 0x200;
constexpr quint32 kBorder = 0x800000;
// Push buttons draw their text this far inside, left and right; top and bottom.
constexpr int kMultilineInsetX = 4, kMultilineInsetY = 2, kInset = 2;

bool isPictureStatic(quint32 type) {
  return (type >= 3 && type <= 10) || type == 14 || type == 15;
}

bool hasBoxBesideText(quint32 type) {
  return (type >= 2 && type <= 7) || type == 9;
}

// A CONTROL of a class the system does not know stands in as an empty static.
bool isStandIn(const DynControlItem &item) {
  const ControlLayout *layout = item.layout;
  return layout && layout->keyword.compare(QLatin1String("CONTROL"), Qt::CaseInsensitive) == 0 &&
         !layout->className.startsWith(QLatin1String("STATIC"), Qt::CaseInsensitive);
}

} // namespace

std::optional<QRect> controlStep(const QRect &window, ArrowKey key, bool resize,
                                 const QSize &client, BaseUnits units) {
  const QRect frame = trackerFrame(window);
  QRect r = window;
  int direction = 1;
  switch (key) {
  case ArrowKey::Left:
    direction = -1;
    if (resize) {
      if (r.width() < 2)
        return std::nullopt;
      r.setWidth(r.width() - 1);
    } else {
      if (frame.x() <= 0)
        return std::nullopt;
      r.translate(-1, 0);
    }
    break;
  case ArrowKey::Up:
    direction = -1;
    if (resize) {
      if (r.height() < 2)
        return std::nullopt;
      r.setHeight(r.height() - 1);
    } else {
      if (frame.y() <= 0)
        return std::nullopt;
      r.translate(0, -1);
    }
    break;
  case ArrowKey::Right:
    if (rightOf(frame) >= client.width())
      return std::nullopt;
    if (resize)
      r.setWidth(r.width() + 1);
    else
      r.translate(1, 0);
    break;
  case ArrowKey::Down:
    if (bottomOf(frame) >= client.height())
      return std::nullopt;
    if (resize)
      r.setHeight(r.height() + 1);
    else
      r.translate(0, 1);
    break;
  }
  const QRect snapped = snapToGrid(r, units, direction);
  if (snapped == window)
    return std::nullopt;
  return snapped;
}

std::optional<QSize> dialogStep(const QSize &client, ArrowKey key, const QPoint &extent,
                                BaseUnits units) {
  QRect r(QPoint(0, 0), client);
  int direction = 1;
  switch (key) {
  case ArrowKey::Left:
    if (client.width() <= extent.x())
      return std::nullopt;
    r.setWidth(client.width() - 1);
    direction = -1;
    break;
  case ArrowKey::Up:
    if (client.height() <= extent.y())
      return std::nullopt;
    r.setHeight(client.height() - 1);
    direction = -1;
    break;
  case ArrowKey::Right:
    r.setWidth(client.width() + 1);
    break;
  case ArrowKey::Down:
    r.setHeight(client.height() + 1);
    break;
  }
  const QRect snapped = snapToGrid(r, units, direction);
  // Snapping must not take the dialog below its controls.
  if (direction < 0 && (snapped.width() < extent.x() || snapped.height() < extent.y()))
    return std::nullopt;
  if (snapped.size() == client)
    return std::nullopt;
  return snapped.size();
}

QRect aligned(const QRect &window, const QRect &reference, AlignEdge edge) {
  QRect r = window;
  switch (edge) {
  case AlignEdge::Left:
    r.moveLeft(reference.x());
    break;
  case AlignEdge::Right:
    r.moveLeft(rightOf(reference) - r.width());
    break;
  case AlignEdge::Top:
    r.moveTop(reference.y());
    break;
  case AlignEdge::Bottom:
    r.moveTop(bottomOf(reference) - r.height());
    break;
  }
  return r;
}

QRect sameSize(const QRect &window, const QRect &reference, SameSize which) {
  QRect r = window;
  if (which != SameSize::Height)
    r.setWidth(reference.width());
  if (which != SameSize::Width)
    r.setHeight(reference.height());
  return r;
}

QRect flipped(const QRect &window, int clientWidth) {
  const int twice = 2 * (clientWidth / 2);
  return QRect(twice - rightOf(window), window.y(), window.width(), window.height());
}

QSize windowFrameSize(const DynControlItem &item) {
  int edge = 0;
  if ((item.exStyle & style::ExStaticEdge) ||
      (item.kind == KindStatic && (item.style & kStaticSunken)))
    edge += 1;
  if (item.exStyle & kExClientEdge)
    edge += 2;
  if (item.style & kBorder)
    edge += 1;
  return QSize(2 * edge, 2 * edge);
}

bool fitsToText(const DynControlItem &item) {
  if (item.text.isEmpty())
    return false;
  if (item.kind == KindStatic)
    return !isPictureStatic(item.staticType()) && !isStandIn(item);
  if (item.kind == KindButton)
    return !(item.style & (style::ButtonIcon | style::ButtonBitmap));
  return false;
}

std::optional<QRect> fittedToText(const DynControlItem &item, const QRect &window,
                                  const MeasuringFont &font, int boxIndent) {
  if (!fitsToText(item))
    return std::nullopt;
  const QSize frame = windowFrameSize(item);
  const QSize client(std::max(0, window.width() - frame.width()),
                     std::max(0, window.height() - frame.height()));
  const bool multiline = item.style & style::Multiline;
  QRect r = window;
  if (item.kind == KindStatic) {
    const QSize text = font.lineSize(item.text, drawsAccessKey(item));
    const bool lower = client.height() < text.height();
    if (text.width() != client.width() || lower) {
      r.setWidth(text.width() + frame.width());
      if (lower)
        r.setHeight(text.height() + frame.height());
    }
  } else if (hasBoxBesideText(item.buttonType())) {
    // The room the report measures in, and what the control keeps around it.
    const QRect inside = textRoom(item, QRect(QPoint(0, 0), client), boxIndent);
    const int beside = client.width() - inside.width();
    const int room = inside.width();
    const QSize text =
        multiline ? font.wrappedSize(item.text, std::max(1, room)) : font.lineSize(item.text);
    if (multiline && text.height() > client.height())
      r.setHeight(text.height() + frame.height());
    if (text.width() != room)
      r.setWidth(beside + text.width() + frame.width());
  } else if (multiline) {
    // The text stands inside the push button's frame; the width gives back what the
    // frame takes on both sides, so that the text fits as the button draws it.
    const QSize room(client.width() - 2 * kMultilineInsetX, client.height() - 2 * kMultilineInsetY);
    const QSize text = font.wrappedSize(item.text, std::max(1, room.width()));
    if (text.height() != room.height())
      r.setHeight(text.height() + frame.height() + 2 * kMultilineInsetY);
    if (text.width() != room.width())
      r.setWidth(text.width() + frame.width() + 2 * kMultilineInsetX);
  } else {
    const int room = client.width() - 2 * kInset;
    const QSize text = font.lineSize(item.text);
    if (text.width() != room)
      r.setWidth(text.width() + frame.width() + 2 * kInset);
  }
  if (r == window)
    return std::nullopt;
  return r;
}

QRect controlUnits(const QRect &window, const DynControlItem &item, int parsedHeight,
                   BaseUnits units) {
  QRect du = toDialogUnits(window, units);
  if (item.kind == KindComboBox || item.kind == KindComboBoxEx)
    du.setHeight(parsedHeight);
  return du;
}

} // namespace tarvelo

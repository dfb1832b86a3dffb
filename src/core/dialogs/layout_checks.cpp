// Overlapping controls and controls outside their dialog, in dialog units and pixels.
#include "dialogs/layout_checks.h"

#include "dialogs/control_item.h"

#include <algorithm>
#include <climits>

namespace tarvelo {

namespace {

// A drop-down combo box covers its edit field; the height written is its open list.
constexpr int kClosedComboHeight = 12;
// Pixels two rectangles must share each way before they overlap: each edge of a
// converted rectangle may be a pixel off.
constexpr qint64 kOverlapPixels = 2;

bool isEmpty(const Box &box) {
  return box.right <= box.left || box.bottom <= box.top;
}

bool overlap(const Box &a, const Box &b) {
  return std::min(a.right, b.right) - std::max(a.left, b.left) >= kOverlapPixels &&
         std::min(a.bottom, b.bottom) - std::max(a.top, b.top) >= kOverlapPixels;
}

bool contains(const Box &outer, const Box &inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool overlapIn(const PlacedControl &a, const PlacedControl &b, bool shown) {
  const Box &boxA = shown ? a.shownPixels : a.sourcePixels;
  const Box &boxB = shown ? b.shownPixels : b.sourcePixels;
  if (isEmpty(boxA) || isEmpty(boxB) || !overlap(boxA, boxB))
    return false;
  return !(a.container && contains(boxA, boxB)) && !(b.container && contains(boxB, boxA));
}

bool outside(const Box &box, int width, int height) {
  return box.left < 0 || box.top < 0 || box.right > width || box.bottom > height;
}

} // namespace

Box coveredUnits(const DynControlItem &item, int x, int y, int width, int height) {
  if ((item.kind == KindComboBox || item.kind == KindComboBoxEx) &&
      !item.styleNames.contains(QLatin1String("CBS_SIMPLE")))
    height = std::min(height, kClosedComboHeight);
  return {x, y, qint64(x) + width, qint64(y) + height};
}

Box unitsToPixels(const Box &units, BaseUnits baseUnits) {
  // Corner and size apart, as the dialog converts them.
  const auto toX = [&](qint64 v) {
    return qint64(mulDiv(int(std::clamp<qint64>(v, INT_MIN, INT_MAX)), baseUnits.x, 4));
  };
  const auto toY = [&](qint64 v) {
    return qint64(mulDiv(int(std::clamp<qint64>(v, INT_MIN, INT_MAX)), baseUnits.y, 8));
  };
  const qint64 left = toX(units.left), top = toY(units.top);
  return {left, top, left + toX(units.right - units.left), top + toY(units.bottom - units.top)};
}

bool takesRoom(const DynControlItem &item, int width, int height) {
  if (width <= 0 || height <= 0)
    return false;
  if (item.kind == KindUpDown)
    for (const char *placing : {"UDS_AUTOBUDDY", "UDS_ALIGNRIGHT", "UDS_ALIGNLEFT"})
      if (item.styleNames.contains(QLatin1String(placing)))
        return false;
  return true;
}

bool holdsOthers(const DynControlItem &item) {
  switch (item.kind) {
  case KindButton:
    return item.buttonType() == 7;
  case KindStatic: {
    const quint32 type = item.staticType();
    return (type >= 4 && type <= 9) || type == 14 || type == 15 || type == 0x12;
  }
  case KindTabControl:
    return true;
  default:
    return false;
  }
}

std::vector<std::pair<int, int>> newOverlaps(const std::vector<PlacedControl> &controls) {
  std::vector<std::pair<int, int>> found;
  for (int later = 1; later < int(controls.size()); ++later) {
    const PlacedControl &b = controls[size_t(later)];
    if (!b.placed)
      continue;
    for (int earlier = 0; earlier < later; ++earlier) {
      const PlacedControl &a = controls[size_t(earlier)];
      if (a.placed && overlapIn(a, b, true) && !overlapIn(a, b, false))
        found.emplace_back(later, earlier);
    }
  }
  return found;
}

bool newlyOutside(const PlacedControl &control, int shownWidth, int shownHeight, int sourceWidth,
                  int sourceHeight) {
  return control.placed && !isEmpty(control.shownUnits) &&
         outside(control.shownUnits, shownWidth, shownHeight) &&
         !outside(control.sourceUnits, sourceWidth, sourceHeight);
}

QString accessKey(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&')
      continue;
    const QChar next = text[i + 1];
    if (next == u'&') {
      ++i;
      continue;
    }
    if (next.isSpace())
      return QString();
    const qsizetype length = next.isHighSurrogate() && i + 2 < text.size() ? 2 : 1;
    return text.mid(i + 1, length).toCaseFolded();
  }
  return QString();
}

} // namespace tarvelo

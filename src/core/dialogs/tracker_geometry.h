// The layout editor's selection frames: handles, hit zones and sizes.
#pragma once

#include <QPoint>
#include <QRect>

namespace tarvelo {

// Where the pointer stands on a selected item's frame.
enum class HitZone { None, LeftHandle, TopHandle, RightHandle, BottomHandle, Inside };

namespace tracker {
// The frame around a selected item's window, on every side.
constexpr int kFrameWidth = 3;
// A handle is hit this far from the middle of its edge, both ways.
constexpr int kHandleReach = 3;
// Only this border of a group box is the group box; its middle is the dialog's.
constexpr int kGroupBorder = 5;
// A frame is never narrower or lower than this.
constexpr int kMinimumFrame = 6;
} // namespace tracker

// What a selected item is, for hit-testing its frame.
enum class TrackedKind { Control, GroupBox, Dialog };

// Rectangles here have exclusive right and bottom edges: right = x + width.
inline int rightOf(const QRect &r) {
  return r.x() + r.width();
}
inline int bottomOf(const QRect &r) {
  return r.y() + r.height();
}
QRect fromEdges(int left, int top, int right, int bottom);

// The frame of a selected item: its window made larger on every side, and back.
QRect trackerFrame(const QRect &window);
QRect windowOfFrame(const QRect &frame);

// The zone of a frame under the point. Handles count only when they are offered
// (exactly one item selected); the dialog has only its right and bottom handles and
// no inside; a group box is inside only in its border.
HitZone hitZone(const QRect &frame, const QPoint &point, bool handles, TrackedKind kind);

// Whether a click at the point reaches a control's window: a group box only in its
// border, so that the controls within it can be clicked.
bool hitsWindow(const QRect &window, const QPoint &point, bool groupBox);

// The frame pushed back inside the area where it would leave it: right, left, top,
// bottom in that order.
QRect keptInside(QRect frame, const QRect &area);

// A frame resized by one of its handles: the dragged edge follows the point, keeping
// the frame at least the minimum wide or high. A control's edge stays inside the area
// (the dialog's client area); the dialog's right or bottom edge no closer than the
// controls' extent (the right and bottom of their windows) allows.
QRect resizedFrame(const QRect &frame, HitZone handle, const QPoint &point, const QRect &area,
                   TrackedKind kind, const QPoint &extent);

} // namespace tarvelo

// Hit-testing and keeping inside the selection frames of the layout editor.
#include "dialogs/tracker_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace tarvelo {

QRect fromEdges(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

QRect trackerFrame(const QRect &window) {
  const int m = tracker::kFrameWidth;
  return fromEdges(window.x() - m, window.y() - m, rightOf(window) + m, bottomOf(window) + m);
}

QRect windowOfFrame(const QRect &frame) {
  const int m = tracker::kFrameWidth;
  return fromEdges(frame.x() + m, frame.y() + m, rightOf(frame) - m, bottomOf(frame) - m);
}

namespace {

bool near(int a, int b) {
  return std::abs(a - b) <= tracker::kHandleReach;
}

bool within(const QRect &r, const QPoint &p) {
  return p.x() >= r.x() && p.x() < rightOf(r) && p.y() >= r.y() && p.y() < bottomOf(r);
}

} // namespace

HitZone hitZone(const QRect &frame, const QPoint &point, bool handles, TrackedKind kind) {
  const int midX = frame.x() + frame.width() / 2;
  const int midY = frame.y() + frame.height() / 2;
  // The right and bottom edges are the last pixels of the frame.
  const int right = rightOf(frame) - 1;
  const int bottom = bottomOf(frame) - 1;
  if (handles) {
    if (kind != TrackedKind::Dialog) {
      if (near(point.x(), frame.x()) && near(point.y(), midY))
        return HitZone::LeftHandle;
      if (near(point.y(), frame.y()) && near(point.x(), midX))
        return HitZone::TopHandle;
    }
    if (near(point.x(), right) && near(point.y(), midY))
      return HitZone::RightHandle;
    if (near(point.y(), bottom) && near(point.x(), midX))
      return HitZone::BottomHandle;
  }
  if (kind == TrackedKind::Dialog || !within(frame, point))
    return HitZone::None;
  if (kind == TrackedKind::GroupBox) {
    // The frame's own width and the group box's border.
    const int border = tracker::kFrameWidth + tracker::kGroupBorder;
    const QRect middle = fromEdges(frame.x() + border, frame.y() + border, rightOf(frame) - border,
                                   bottomOf(frame) - border);
    if (middle.width() > 0 && middle.height() > 0 && within(middle, point))
      return HitZone::None;
  }
  return HitZone::Inside;
}

bool hitsWindow(const QRect &window, const QPoint &point, bool groupBox) {
  if (!within(window, point))
    return false;
  if (!groupBox)
    return true;
  const int b = tracker::kGroupBorder;
  const QRect middle =
      fromEdges(window.x() + b, window.y() + b, rightOf(window) - b, bottomOf(window) - b);
  return middle.width() <= 0 || middle.height() <= 0 || !within(middle, point);
}

QRect keptInside(QRect frame, const QRect &area) {
  if (rightOf(frame) > rightOf(area))
    frame.moveLeft(rightOf(area) - frame.width());
  if (frame.x() < area.x())
    frame.moveLeft(area.x());
  if (bottomOf(frame) > bottomOf(area))
    frame.moveTop(bottomOf(area) - frame.height());
  if (frame.y() < area.y())
    frame.moveTop(area.y());
  return frame;
}

QRect resizedFrame(const QRect &frame, HitZone handle, const QPoint &point, const QRect &area,
                   TrackedKind kind, const QPoint &extent) {
  int left = frame.x(), top = frame.y(), right = rightOf(frame), bottom = bottomOf(frame);
  const bool dialog = kind == TrackedKind::Dialog;
  const int least = tracker::kMinimumFrame;
  // The point is on the edge's last pixel: the exclusive edge is one further.
  switch (handle) {
  case HitZone::LeftHandle:
    if (dialog)
      break;
    left = std::min(point.x(), right - least);
    left = std::max(left, area.x());
    break;
  case HitZone::TopHandle:
    if (dialog)
      break;
    top = std::min(point.y(), bottom - least);
    top = std::max(top, area.y());
    break;
  case HitZone::RightHandle:
    right = std::max(point.x() + 1, left + least);
    if (dialog)
      right = std::max(right, extent.x() + tracker::kFrameWidth);
    else
      right = std::min(right, rightOf(area));
    break;
  case HitZone::BottomHandle:
    bottom = std::max(point.y() + 1, top + least);
    if (dialog)
      bottom = std::max(bottom, extent.y() + tracker::kFrameWidth);
    else
      bottom = std::min(bottom, bottomOf(area));
    break;
  default:
    break;
  }
  // An area smaller than the least frame leaves the frame as small as the area.
  return fromEdges(left, top, std::max(right, left), std::max(bottom, top));
}

} // namespace tarvelo

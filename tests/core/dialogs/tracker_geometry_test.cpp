// The selection frames of the layout editor: which zone a point hits, frames kept in
// the dialog when moved, and the rules of resizing by a handle.
#include "dialogs/tracker_geometry.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(TrackerGeometry, TheFrameIsThreePixelsAroundTheWindow) {
  const QRect window(20, 30, 40, 10);
  EXPECT_EQ(trackerFrame(window), QRect(17, 27, 46, 16));
  EXPECT_EQ(windowOfFrame(trackerFrame(window)), window);
}

TEST(TrackerGeometry, ZonesOfAFrame) {
  // Columns 10..109, rows 10..49; the middles are 60 and 30.
  const QRect frame(10, 10, 100, 40);
  struct Case {
    QPoint point;
    bool handles;
    TrackedKind kind;
    HitZone zone;
  };
  const Case cases[] = {
      {{10, 30}, true, TrackedKind::Control, HitZone::LeftHandle},
      {{13, 33}, true, TrackedKind::Control, HitZone::LeftHandle},
      {{14, 30}, true, TrackedKind::Control, HitZone::Inside},
      {{10, 34}, true, TrackedKind::Control, HitZone::Inside},
      {{60, 10}, true, TrackedKind::Control, HitZone::TopHandle},
      {{109, 30}, true, TrackedKind::Control, HitZone::RightHandle},
      {{112, 30}, true, TrackedKind::Control, HitZone::RightHandle},
      {{60, 49}, true, TrackedKind::Control, HitZone::BottomHandle},
      // Several items selected: no handles.
      {{10, 30}, false, TrackedKind::Control, HitZone::Inside},
      {{109, 30}, false, TrackedKind::Control, HitZone::Inside},
      {{5, 30}, false, TrackedKind::Control, HitZone::None},
      {{110, 30}, false, TrackedKind::Control, HitZone::None},
      // The dialog: right and bottom handles only, no inside.
      {{10, 30}, true, TrackedKind::Dialog, HitZone::None},
      {{60, 10}, true, TrackedKind::Dialog, HitZone::None},
      {{109, 30}, true, TrackedKind::Dialog, HitZone::RightHandle},
      {{60, 49}, true, TrackedKind::Dialog, HitZone::BottomHandle},
      {{50, 25}, true, TrackedKind::Dialog, HitZone::None},
      // A group box: its middle is the dialog's; its frame and 5 pixels of it are its.
      {{40, 25}, true, TrackedKind::GroupBox, HitZone::None},
      {{17, 25}, true, TrackedKind::GroupBox, HitZone::Inside},
      {{18, 18}, true, TrackedKind::GroupBox, HitZone::None},
      {{101, 41}, true, TrackedKind::GroupBox, HitZone::None},
      {{102, 41}, true, TrackedKind::GroupBox, HitZone::Inside},
      {{10, 30}, true, TrackedKind::GroupBox, HitZone::LeftHandle},
  };
  for (const Case &c : cases)
    EXPECT_EQ(hitZone(frame, c.point, c.handles, c.kind), c.zone)
        << c.point.x() << "," << c.point.y() << " handles " << c.handles << " kind " << int(c.kind);
}

TEST(TrackerGeometry, AClickReachesAGroupBoxOnlyInItsBorder) {
  const QRect box(0, 0, 100, 50);
  const struct {
    QPoint point;
    bool groupBox, hit;
  } cases[] = {
      {{50, 25}, true, false},   {{4, 25}, true, true},   {{5, 25}, true, false},
      {{95, 25}, true, true},    {{50, 46}, true, true},  {{50, 25}, false, true},
      {{100, 25}, false, false}, {{-1, 25}, true, false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(hitsWindow(box, c.point, c.groupBox), c.hit) << c.point.x() << "," << c.point.y();
  // A group box too small for a middle is all border.
  EXPECT_TRUE(hitsWindow(QRect(0, 0, 8, 8), QPoint(4, 4), true));
}

TEST(TrackerGeometry, FramesArePushedBackInsideTheClientArea) {
  const QRect area(0, 0, 200, 100);
  const struct {
    QRect frame, kept;
  } cases[] = {
      {{190, 10, 20, 10}, {180, 10, 20, 10}},
      {{-5, 95, 10, 10}, {0, 90, 10, 10}},
      {{50, -3, 10, 10}, {50, 0, 10, 10}},
      {{20, 20, 10, 10}, {20, 20, 10, 10}},
      // Wider than the area: its left edge stays in.
      {{-20, 10, 300, 10}, {0, 10, 300, 10}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(keptInside(c.frame, area), c.kept) << c.frame.x() << "," << c.frame.y();
}

TEST(TrackerGeometry, ResizingFollowsThePointerWithinItsLimits) {
  const QRect area(0, 0, 200, 100);
  const QRect frame(10, 10, 50, 20); // right edge at 60, bottom at 30
  const QPoint noExtent(0, 0);
  const struct {
    HitZone handle;
    QPoint point;
    TrackedKind kind;
    QPoint extent;
    QRect result;
  } cases[] = {
      {HitZone::RightHandle, {79, 0}, TrackedKind::Control, noExtent, {10, 10, 70, 20}},
      // Past the client area's edge: the edge stops there.
      {HitZone::RightHandle, {300, 0}, TrackedKind::Control, noExtent, {10, 10, 190, 20}},
      {HitZone::LeftHandle, {-40, 0}, TrackedKind::Control, noExtent, {0, 10, 60, 20}},
      {HitZone::TopHandle, {0, 2}, TrackedKind::Control, noExtent, {10, 2, 50, 28}},
      {HitZone::BottomHandle, {0, 500}, TrackedKind::Control, noExtent, {10, 10, 50, 90}},
      // Never less than 6 pixels.
      {HitZone::LeftHandle, {100, 0}, TrackedKind::Control, noExtent, {54, 10, 6, 20}},
      {HitZone::RightHandle, {0, 0}, TrackedKind::Control, noExtent, {10, 10, 6, 20}},
      {HitZone::BottomHandle, {0, 0}, TrackedKind::Control, noExtent, {10, 10, 50, 6}},
      // The dialog grows beyond any area, and shrinks no closer than its controls.
      {HitZone::RightHandle, {399, 0}, TrackedKind::Dialog, noExtent, {10, 10, 390, 20}},
      {HitZone::RightHandle, {20, 0}, TrackedKind::Dialog, {40, 0}, {10, 10, 33, 20}},
      {HitZone::BottomHandle, {0, 12}, TrackedKind::Dialog, {0, 25}, {10, 10, 50, 18}},
      {HitZone::LeftHandle, {0, 0}, TrackedKind::Dialog, noExtent, {10, 10, 50, 20}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(resizedFrame(frame, c.handle, c.point, area, c.kind, c.extent), c.result)
        << int(c.handle) << " to " << c.point.x() << "," << c.point.y();
}

} // namespace
} // namespace tarvelo

// The mouse and the keys of the layout editor.
#include "dialogs/layout_editor.h"

#include "dialogs/live_dialog.h"
#include "dialogs/selection_overlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace tarvelo::gui {

bool LayoutEditor::eventFilter(QObject *watched, QEvent *event) {
  if (watched != m_canvas)
    return false;
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick: {
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
      return false;
    m_canvas->setFocus(Qt::MouseFocusReason);
    Q_EMIT used();
    pressed(mouse->position().toPoint(), mouse->modifiers());
    return true;
  }
  case QEvent::MouseMove: {
    auto *mouse = static_cast<QMouseEvent *>(event);
    moved(mouse->position().toPoint(), mouse->buttons());
    return true;
  }
  case QEvent::MouseButtonRelease: {
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
      return false;
    released(mouse->position().toPoint());
    return true;
  }
  case QEvent::KeyPress: {
    auto *key = static_cast<QKeyEvent *>(event);
    Q_EMIT used();
    return keyPressed(key->key(), key->modifiers());
  }
  case QEvent::Resize:
    m_overlay->resize(m_canvas->size());
    return false;
  default:
    return false;
  }
}

int LayoutEditor::itemAt(const QPoint &point) const {
  // The control drawn last lies on top.
  for (int i = controlCount() - 1; i >= 0; --i)
    if (hitsWindow(windowOf(i), point, kindOf(i) == TrackedKind::GroupBox))
      return i;
  return kDialog;
}

void LayoutEditor::startDrag(Drag drag, HitZone zone, int item, const QPoint &point) {
  m_drag = drag;
  m_zone = zone;
  m_pressedItem = item;
  m_pressPoint = point;
  m_moved = false;
  m_startFrames.clear();
  if (drag == Drag::Move) {
    for (int selected : m_selection)
      if (selected != kDialog)
        m_startFrames[selected] = trackerFrame(windowOf(selected));
  } else {
    m_startFrames[item] = trackerFrame(windowOf(item));
  }
  m_dragFrames = m_startFrames;
}

void LayoutEditor::pressed(const QPoint &canvasPoint, Qt::KeyboardModifiers modifiers) {
  if (!live() || m_drag != Drag::None)
    return;
  const QPoint point = canvasPoint - clientOrigin();
  m_pressPoint = point;
  m_bandEnd = point;
  m_moved = false;
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool shift = modifiers & Qt::ShiftModifier;

  for (size_t i = 0; i < m_selection.size(); ++i) {
    const int item = m_selection[i];
    const HitZone zone = hitZone(frameOf(item), point, offersHandles(), kindOf(item));
    if (zone == HitZone::None)
      continue;
    if (ctrl) {
      m_reference = item;
      chooseReference(item);
    } else if (shift) {
      m_selection.erase(m_selection.begin() + std::ptrdiff_t(i));
      if (m_reference == item) {
        m_reference = i < m_selection.size() ? m_selection[i]
                      : m_selection.empty()  ? kNone
                                             : m_selection.front();
        if (m_reference != kNone)
          chooseReference(m_reference);
      }
    } else {
      startDrag(zone == HitZone::Inside ? Drag::Move : Drag::Resize, zone, item, point);
      return;
    }
    refreshOverlay();
    Q_EMIT selectionChanged();
    return;
  }

  const int hit = itemAt(point);
  const bool dialogSelected = m_selection.size() == 1 && m_selection.front() == kDialog;
  if (!(ctrl || shift) || hit == kDialog || dialogSelected) {
    m_selection.clear();
    m_reference = kNone;
  }
  if (hit == kDialog) {
    m_drag = Drag::Band;
  } else {
    if (!isSelected(hit))
      m_selection.insert(m_selection.begin(), hit);
    m_reference = hit;
    chooseReference(hit);
    // A plain click takes the control at once, so that it can be dragged away.
    if (!(ctrl || shift))
      startDrag(Drag::Move, HitZone::Inside, hit, point);
  }
  refreshOverlay();
  Q_EMIT selectionChanged();
}

void LayoutEditor::moved(const QPoint &canvasPoint, Qt::MouseButtons buttons) {
  if (!live())
    return;
  const QPoint point = canvasPoint - clientOrigin();
  if (m_drag == Drag::None || !(buttons & Qt::LeftButton)) {
    updateCursor(point);
    return;
  }
  if (m_drag == Drag::Band) {
    m_bandEnd = point;
    refreshOverlay();
    return;
  }
  if (!m_moved) {
    if (point == m_pressPoint)
      return;
    if (!mayEdit()) {
      m_drag = Drag::None;
      m_startFrames.clear();
      m_dragFrames.clear();
      refreshOverlay();
      return;
    }
    m_moved = true;
  }
  const QPoint delta = point - m_pressPoint;
  const QRect area(QPoint(0, 0), clientSize());
  if (m_drag == Drag::Move) {
    for (const auto &[item, start] : m_startFrames)
      m_dragFrames[item] = keptInside(start.translated(delta), area);
  } else if (const auto start = m_startFrames.find(m_pressedItem); start != m_startFrames.end()) {
    // The edge follows the pointer as it was held.
    const QRect &frame = start->second;
    const QPoint edge(m_zone == HitZone::LeftHandle ? frame.x() : rightOf(frame) - 1,
                      m_zone == HitZone::TopHandle ? frame.y() : bottomOf(frame) - 1);
    m_dragFrames[m_pressedItem] =
        resizedFrame(frame, m_zone, edge + delta, area, kindOf(m_pressedItem), controlsExtent());
  }
  refreshOverlay();
}

void LayoutEditor::released(const QPoint &canvasPoint) {
  if (!live())
    return;
  const QPoint point = canvasPoint - clientOrigin();
  const Drag drag = m_drag;
  m_drag = Drag::None;
  if (drag == Drag::Band) {
    const QRect band = QRect(m_pressPoint, point).normalized();
    bool any = false;
    for (int i = 0; i < controlCount(); ++i) {
      const QRect window = windowOf(i);
      if (window.x() < band.x() || window.y() < band.y() || rightOf(window) > rightOf(band) ||
          bottomOf(window) > bottomOf(band))
        continue;
      if (!isSelected(i))
        m_selection.insert(m_selection.begin(), i);
      m_reference = i;
      any = true;
    }
    if (!any) {
      m_selection = {kDialog};
      m_reference = kDialog;
    }
    chooseReference(m_reference);
    refreshOverlay();
    Q_EMIT selectionChanged();
    return;
  }
  const std::map<int, QRect> frames = std::move(m_dragFrames);
  m_dragFrames.clear();
  m_startFrames.clear();
  if (drag == Drag::None)
    return;
  if (m_moved) {
    m_moved = false;
    bool changed = false;
    for (const auto &[item, frame] : frames)
      changed = commit(item, windowOfFrame(frame), 1) || changed;
    if (changed)
      finishChange(true);
    else
      refreshOverlay();
    return;
  }
  // A click without movement on one of several selected items takes it alone.
  if (drag == Drag::Move && m_selection.size() > 1 && isSelected(m_pressedItem)) {
    select(m_pressedItem);
    chooseReference(m_pressedItem);
  }
  refreshOverlay();
}

bool LayoutEditor::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
  if (!live())
    return false;
  const bool shift = modifiers & Qt::ShiftModifier;
  switch (key) {
  case Qt::Key_Left:
    step(ArrowKey::Left, shift);
    return true;
  case Qt::Key_Right:
    step(ArrowKey::Right, shift);
    return true;
  case Qt::Key_Up:
    step(ArrowKey::Up, shift);
    return true;
  case Qt::Key_Down:
    step(ArrowKey::Down, shift);
    return true;
  case Qt::Key_Tab:
    selectNext(1);
    return true;
  case Qt::Key_Backtab:
    selectNext(-1);
    return true;
  case Qt::Key_Escape:
    if (m_drag == Drag::None)
      return false;
    m_drag = Drag::None;
    m_moved = false;
    m_startFrames.clear();
    m_dragFrames.clear();
    refreshOverlay();
    return true;
  default:
    return false;
  }
}

void LayoutEditor::updateCursor(const QPoint &point) {
  HitZone zone = HitZone::None;
  for (int item : m_selection) {
    zone = hitZone(frameOf(item), point, offersHandles(), kindOf(item));
    if (zone != HitZone::None)
      break;
  }
  switch (zone) {
  case HitZone::LeftHandle:
  case HitZone::RightHandle:
    m_canvas->setCursor(Qt::SizeHorCursor);
    break;
  case HitZone::TopHandle:
  case HitZone::BottomHandle:
    m_canvas->setCursor(Qt::SizeVerCursor);
    break;
  case HitZone::Inside:
    m_canvas->setCursor(Qt::SizeAllCursor);
    break;
  case HitZone::None:
    m_canvas->unsetCursor();
    break;
  }
}

} // namespace tarvelo::gui

// The layout editor over a dialog's preview: selection, moves, sizes and their undo.
#pragma once

#include "dialogs/layout_commands.h"
#include "dialogs/layout_undo.h"
#include "dialogs/tracker_geometry.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace tarvelo {
class DialogEntry;
class Prompter;
class TextEntry;
class TextMeasure;
struct ControlLayout;
struct DialogLayout;
} // namespace tarvelo

namespace tarvelo::gui {

class DialogPreview;
class LiveDialog;
class SelectionOverlay;

// The layout editor over a dialog's preview: it takes the mouse and the keys of the
// view the preview stands on, keeps the selection with its reference item, moves and
// resizes the controls and the dialog, and runs the layout commands. Every change is
// snapped to the dialog-unit grid, recorded for undo and written at once into the
// target's layouts, from which the target script is written.
//
// Items are the controls, numbered in the dialog's order, and the dialog itself.
class LayoutEditor : public QObject {
  Q_OBJECT
public:
  static constexpr int kDialog = -1;
  static constexpr int kNone = -2;

  enum class Command {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SameWidth,
    SameHeight,
    SameSize,
    AdjustToText,
    Flip,
  };

  // The editor takes its input on the canvas, where the preview stands.
  LayoutEditor(QWidget *canvas, Prompter &prompter, const TextMeasure &measure,
               QObject *parent = nullptr);
  ~LayoutEditor() override;

  // Edits the preview of the dialog; null lets go. With keepState (the same dialog
  // built again in the same font) the selection and the undo list stay.
  void attach(DialogPreview *preview, DialogEntry *dialog, bool keepState);
  // Lets go of the preview before it is destroyed, keeping the selection and the undo
  // list for the preview that follows.
  void detach();
  DialogPreview *preview() const { return m_preview; }
  DialogEntry *dialog() const { return m_dialog; }
  int controlCount() const;

  // The selection, newest first, and its reference item (kNone when empty).
  const std::vector<int> &selection() const { return m_selection; }
  int reference() const { return m_reference; }
  bool isSelected(int item) const;
  // Makes the items the selection; the reference is one of them (the first when
  // it is not).
  void setSelection(const std::vector<int> &items, int reference);
  void select(int item) { setSelection({item}, item); }
  void clearSelection() { setSelection({}, kNone); }
  void selectAll();
  // The next or previous item in the dialog's order after the reference, alone; the
  // dialog wraps to the first or the last control.
  void selectNext(int step);
  // The control whose text the entry is; kNone when it has none here.
  int controlOf(const TextEntry *entry) const;
  TextEntry *entryOf(int item) const;

  // Where an item stands: its window in pixels of the client area, and its rectangle
  // in dialog units (for the dialog: its position and client size).
  QRect windowOf(int item) const;
  QRect unitsOf(int item) const;
  // The frame drawn around a selected item, in pixels of the client area; while a drag
  // is under way, where the drag has taken it.
  QRect frameOf(int item) const;
  QPoint clientOrigin() const; // the client area's corner on the canvas

  // Whether a layout command can run on the selection, and running it.
  bool canRun(Command command) const;
  void run(Command command);
  // Arrow keys on the selection; with resize the size changes instead.
  bool step(ArrowKey key, bool resize);

  bool canUndo() const { return m_undo.canUndo(); }
  bool canRedo() const { return m_undo.canRedo(); }
  void undo();
  void redo();
  const LayoutUndo &undoList() const { return m_undo; }

  // The Size and Position tab: every selected control (or, with none, the dialog's
  // size) takes each value given, in dialog units.
  void applyUnits(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                  std::optional<int> height);
  // The Alignment and Styles tabs: the change on every selected control where it
  // applies, or on the dialog when no control is selected; true when a word changed.
  bool changeStyles(const std::function<bool(ControlLayout &)> &control,
                    const std::function<bool(DialogLayout &)> &dialog);
  // The layouts the style tabs show: the selected controls', or the dialog's.
  std::vector<const ControlLayout *> selectedLayouts() const;
  const ControlLayout *layoutShown(int item) const;
  const DialogLayout *dialogLayout() const;

  // Whether the target's layout may be changed; otherwise the translator is told
  // why, and false comes back.
  bool mayEdit();
  // The source's sizes drawn over the dialog.
  bool showsSourceSizes() const { return m_showSource; }
  void setShowSourceSizes(bool show);
  // The source's dialog and controls in pixels of this dialog's client area.
  QRect sourceClientRect() const;
  std::vector<QRect> sourceWindows() const;

  // The rubber band on the canvas while one is drawn.
  std::optional<QRect> rubberBand() const;
  // Whether handles are offered: exactly one item selected.
  bool offersHandles() const { return m_selection.size() == 1; }

Q_SIGNALS:
  // The translator pressed the mouse or a key on the view.
  void used();
  void selectionChanged();
  // The reference item changed by the translator's hand: the views follow it.
  void referenceChosen(int item);
  // A change was committed to the target's layout.
  void layoutChanged();
  // Style words changed: the preview must be built again to show them.
  void stylesChanged();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  enum class Drag { None, Move, Resize, Band };

  LiveDialog *live() const;
  TrackedKind kindOf(int item) const;
  QSize clientSize() const;
  QPoint controlsExtent() const;
  ControlLayout *layoutOf(int item) const;
  ItemPlace placeOf(int item) const;
  ItemPlace put(int item, const ItemPlace &place);
  ItemStyles putStyles(int item, const ItemStyles &styles);
  // Commits an item's new window: snapped in the direction, converted to dialog
  // units, recorded for undo and placed. False when nothing changed.
  bool commit(int item, const QRect &window, int direction);
  bool commitUnits(int item, const QRect &units);
  void finishChange(bool closeGroup);
  void refreshOverlay();
  void chooseReference(int item);

  // Input.
  void pressed(const QPoint &canvasPoint, Qt::KeyboardModifiers modifiers);
  void moved(const QPoint &canvasPoint, Qt::MouseButtons buttons);
  void released(const QPoint &canvasPoint);
  bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
  int itemAt(const QPoint &clientPoint) const;
  void startDrag(Drag drag, HitZone zone, int item, const QPoint &point);
  void updateCursor(const QPoint &clientPoint);

  QWidget *m_canvas;
  Prompter &m_prompter;
  const TextMeasure &m_measure;
  SelectionOverlay *m_overlay;
  DialogPreview *m_preview = nullptr;
  DialogEntry *m_dialog = nullptr;
  std::vector<ControlLayout *> m_layouts; // the target's, by control
  std::vector<int> m_selection;
  int m_reference = kNone;
  LayoutUndo m_undo;
  bool m_showSource = false;

  Drag m_drag = Drag::None;
  HitZone m_zone = HitZone::None;
  int m_pressedItem = kNone;
  QPoint m_pressPoint, m_bandEnd;
  bool m_moved = false;
  std::map<int, QRect> m_startFrames, m_dragFrames;
};

} // namespace tarvelo::gui

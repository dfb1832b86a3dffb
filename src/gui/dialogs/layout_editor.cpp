// The layout editor over a dialog's preview: selection, moves, sizes and their undo.
#include "dialogs/layout_editor.h"

#include "dialogs/dialog_preview.h"
#include "dialogs/live_dialog.h"
#include "dialogs/selection_overlay.h"
#include "dialogs/shown_dialog.h"
#include "dialogs/text_measure.h"
#include "script/text_entry.h"
#include "seam/prompter.h"

#include <QWidget>
#include <algorithm>

namespace tarvelo::gui {

LayoutEditor::LayoutEditor(QWidget *canvas, Prompter &prompter, const TextMeasure &measure,
                           QObject *parent)
    : QObject(parent), m_canvas(canvas), m_prompter(prompter), m_measure(measure),
      m_overlay(new SelectionOverlay(*this, canvas)) {
  m_canvas->installEventFilter(this);
  m_canvas->setMouseTracking(true);
  m_overlay->resize(m_canvas->size());
}

// The canvas may be gone first; an event filter leaves its object by itself.
LayoutEditor::~LayoutEditor() = default;

LiveDialog *LayoutEditor::live() const {
  return m_preview ? m_preview->liveDialog() : nullptr;
}

int LayoutEditor::controlCount() const {
  return live() ? int(live()->controls().size()) : 0;
}

void LayoutEditor::attach(DialogPreview *preview, DialogEntry *dialog, bool keepState) {
  m_drag = Drag::None;
  m_startFrames.clear();
  m_dragFrames.clear();
  m_preview = preview;
  m_dialog = preview ? dialog : nullptr;
  m_layouts.clear();
  if (LiveDialog *dialogWindow = live(); dialogWindow && m_dialog) {
    // The controls stand in the order of the dialog's pairs; each writes to its
    // pair's target.
    std::vector<ControlPair> &pairs = m_dialog->pairs;
    const auto &controls = dialogWindow->controls();
    m_layouts.reserve(controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
      const ControlLayout *shown = controls[i].item.layout;
      ControlLayout *target = nullptr;
      if (i < pairs.size() && (&pairs[i].target == shown || &pairs[i].source == shown))
        target = &pairs[i].target;
      for (size_t k = 0; !target && k < pairs.size(); ++k)
        if (&pairs[k].target == shown || &pairs[k].source == shown)
          target = &pairs[k].target;
      m_layouts.push_back(target);
    }
  }
  const int count = controlCount();
  if (keepState && m_dialog) {
    std::erase_if(m_selection, [count](int item) { return item >= count; });
    if (m_reference >= count)
      m_reference = m_selection.empty() ? kNone : m_selection.front();
  } else {
    m_selection.clear();
    m_reference = kNone;
    m_undo.clear();
  }
  if (!m_dialog) {
    m_selection.clear();
    m_reference = kNone;
  }
  m_overlay->raise();
  refreshOverlay();
  Q_EMIT selectionChanged();
}

void LayoutEditor::detach() {
  m_drag = Drag::None;
  m_moved = false;
  m_startFrames.clear();
  m_dragFrames.clear();
  m_preview = nullptr;
  m_layouts.clear();
}

bool LayoutEditor::isSelected(int item) const {
  return std::find(m_selection.begin(), m_selection.end(), item) != m_selection.end();
}

void LayoutEditor::setSelection(const std::vector<int> &items, int reference) {
  const int count = controlCount();
  std::vector<int> chosen;
  for (int item : items)
    if ((item == kDialog || (item >= 0 && item < count)) &&
        std::find(chosen.begin(), chosen.end(), item) == chosen.end())
      chosen.push_back(item);
  if (!m_preview)
    chosen.clear();
  m_selection = std::move(chosen);
  m_reference = isSelected(reference) ? reference
                : m_selection.empty() ? kNone
                                      : m_selection.front();
  refreshOverlay();
  Q_EMIT selectionChanged();
}

void LayoutEditor::selectAll() {
  const int count = controlCount();
  if (count == 0)
    return;
  std::vector<int> all;
  all.reserve(size_t(count));
  for (int i = count - 1; i >= 0; --i)
    all.push_back(i);
  setSelection(all, 0);
  chooseReference(0);
}

void LayoutEditor::selectNext(int step) {
  if (!m_preview)
    return;
  // The dialog, then its controls in order, round again.
  const int cycle = controlCount() + 1;
  const int from = m_reference == kNone ? kDialog : m_reference;
  const int position = ((from + 1 + step) % cycle + cycle) % cycle;
  const int item = position - 1;
  select(item);
  chooseReference(item);
}

void LayoutEditor::chooseReference(int item) {
  Q_EMIT referenceChosen(item);
}

int LayoutEditor::controlOf(const TextEntry *entry) const {
  if (!entry || !live())
    return kNone;
  const auto &controls = live()->controls();
  for (size_t i = 0; i < controls.size(); ++i)
    if (controls[i].entry == entry)
      return int(i);
  return kNone;
}

TextEntry *LayoutEditor::entryOf(int item) const {
  if (item == kDialog)
    return m_dialog;
  if (item < 0 || item >= controlCount())
    return nullptr;
  return live()->controls()[size_t(item)].entry;
}

QSize LayoutEditor::clientSize() const {
  return live() ? live()->size() : QSize();
}

QRect LayoutEditor::windowOf(int item) const {
  if (!live())
    return QRect();
  if (item == kDialog)
    return QRect(QPoint(0, 0), clientSize());
  if (item < 0 || item >= controlCount())
    return QRect();
  return live()->controls()[size_t(item)].widget->geometry();
}

QRect LayoutEditor::unitsOf(int item) const {
  LiveDialog *dialogWindow = live();
  if (!dialogWindow)
    return QRect();
  if (item == kDialog) {
    const DialogLayout *layout = dialogWindow->layout();
    return layout ? QRect(layout->x, layout->y, layout->width, layout->height) : QRect();
  }
  if (item < 0 || item >= controlCount())
    return QRect();
  return dialogWindow->controls()[size_t(item)].item.rect;
}

QRect LayoutEditor::frameOf(int item) const {
  const auto dragged = m_dragFrames.find(item);
  if (m_moved && dragged != m_dragFrames.end())
    return dragged->second;
  return trackerFrame(windowOf(item));
}

QPoint LayoutEditor::clientOrigin() const {
  return live() ? live()->mapTo(m_canvas, QPoint(0, 0)) : QPoint();
}

TrackedKind LayoutEditor::kindOf(int item) const {
  if (item == kDialog)
    return TrackedKind::Dialog;
  const DynControlItem &control = live()->controls()[size_t(item)].item;
  return (control.exStyle & style::ExTransparent) ? TrackedKind::GroupBox : TrackedKind::Control;
}

// The right and bottom of the controls' windows.
QPoint LayoutEditor::controlsExtent() const {
  QPoint extent(0, 0);
  for (int i = 0; i < controlCount(); ++i) {
    const QRect window = windowOf(i);
    extent.rx() = std::max(extent.x(), rightOf(window));
    extent.ry() = std::max(extent.y(), bottomOf(window));
  }
  return extent;
}

ControlLayout *LayoutEditor::layoutOf(int item) const {
  return item >= 0 && size_t(item) < m_layouts.size() ? m_layouts[size_t(item)] : nullptr;
}

ItemPlace LayoutEditor::placeOf(int item) const {
  return {windowOf(item), unitsOf(item)};
}

ItemPlace LayoutEditor::put(int item, const ItemPlace &place) {
  const ItemPlace before = placeOf(item);
  if (item == kDialog) {
    m_dialog->targetLayout.width = place.units.width();
    m_dialog->targetLayout.height = place.units.height();
    m_preview->setClientSize(place.pixels.size());
  } else {
    if (ControlLayout *layout = layoutOf(item)) {
      layout->x = place.units.x();
      layout->y = place.units.y();
      layout->width = place.units.width();
      layout->height = place.units.height();
    }
    live()->placeControl(size_t(item), place.units, place.pixels);
  }
  return before;
}

bool LayoutEditor::commit(int item, const QRect &window, int direction) {
  const BaseUnits units = live()->baseUnits();
  const QRect snapped = snapToGrid(window, units, direction);
  if (item == kDialog) {
    const QRect now = unitsOf(kDialog);
    return commitUnits(kDialog, QRect(now.x(), now.y(), xToDialogUnits(snapped.width(), units),
                                      yToDialogUnits(snapped.height(), units)));
  }
  const DynControlItem &control = live()->controls()[size_t(item)].item;
  return commitUnits(item, controlUnits(snapped, control, control.rect.height(), units));
}

bool LayoutEditor::commitUnits(int item, const QRect &units) {
  const QRect pixels = item == kDialog
                           ? QRect(QPoint(0, 0), live()->clientSize(units))
                           : live()->windowFor(live()->controls()[size_t(item)].item, units);
  const ItemPlace before = placeOf(item);
  const ItemPlace after{pixels, units};
  if (after == before)
    return false;
  m_undo.record(item, before, after);
  put(item, after);
  return true;
}

void LayoutEditor::finishChange(bool closeGroup) {
  if (closeGroup)
    m_undo.closeGroup();
  refreshOverlay();
  Q_EMIT layoutChanged();
}

void LayoutEditor::refreshOverlay() {
  m_overlay->update();
}

bool LayoutEditor::mayEdit() {
  if (!m_dialog || !live())
    return false;
  if (m_dialog->useSourceLayout) {
    m_prompter.message(tr("The dialog shows the layout of the source script. Choose \"Load from "
                          "target\" to change the translated layout."),
                       Prompter::Buttons::Ok, Prompter::Icon::Information);
    return false;
  }
  if (!m_dialog->canRegenerate()) {
    m_prompter.message(
        tr("The layout of the dialog %1 cannot be changed here: the dialog holds macros or "
           "statements that are written to the target only as they stand. Change its layout in "
           "the script.")
            .arg(m_dialog->identifier),
        Prompter::Buttons::Ok, Prompter::Icon::Warning);
    return false;
  }
  return true;
}

bool LayoutEditor::canRun(Command command) const {
  if (!live())
    return false;
  switch (command) {
  case Command::AlignLeft:
  case Command::AlignRight:
  case Command::AlignTop:
  case Command::AlignBottom:
  case Command::SameWidth:
  case Command::SameHeight:
  case Command::SameSize:
    return m_selection.size() >= 2 && m_reference >= 0;
  case Command::AdjustToText:
    for (int item : m_selection)
      if (item >= 0) {
        const QString &name = live()->controls()[size_t(item)].item.className;
        if (name == QLatin1String("STATIC") || name == QLatin1String("BUTTON"))
          return true;
      }
    return false;
  case Command::Flip:
    return true;
  }
  return false;
}

void LayoutEditor::run(Command command) {
  if (!canRun(command) || !mayEdit())
    return;
  bool changed = false;
  const QRect reference = m_reference >= 0 ? windowOf(m_reference) : QRect();
  const auto others = [this](const auto &change) {
    bool any = false;
    for (int item : std::vector<int>(m_selection))
      if (item >= 0 && item != m_reference)
        any = commit(item, change(windowOf(item)), 1) || any;
    return any;
  };
  switch (command) {
  case Command::AlignLeft:
  case Command::AlignRight:
  case Command::AlignTop:
  case Command::AlignBottom: {
    const AlignEdge edge = command == Command::AlignLeft    ? AlignEdge::Left
                           : command == Command::AlignRight ? AlignEdge::Right
                           : command == Command::AlignTop   ? AlignEdge::Top
                                                            : AlignEdge::Bottom;
    changed = others([&](const QRect &w) { return aligned(w, reference, edge); });
    break;
  }
  case Command::SameWidth:
  case Command::SameHeight:
  case Command::SameSize: {
    const SameSize which = command == Command::SameWidth    ? SameSize::Width
                           : command == Command::SameHeight ? SameSize::Height
                                                            : SameSize::Both;
    changed = others([&](const QRect &w) { return sameSize(w, reference, which); });
    break;
  }
  case Command::AdjustToText: {
    // The font and rule the preview draws with, so that a fitted text fits there.
    const MeasuringFont &font = *live()->dialogFont().measuring;
    for (int item : std::vector<int>(m_selection)) {
      if (item < 0)
        continue;
      const auto fitted = fittedToText(live()->controls()[size_t(item)].item, windowOf(item), font,
                                       m_measure.boxTextIndent());
      if (fitted)
        changed = commit(item, *fitted, 1) || changed;
    }
    break;
  }
  case Command::Flip: {
    const int width = clientSize().width();
    for (int item = 0; item < controlCount(); ++item)
      changed = commit(item, flipped(windowOf(item), width), 1) || changed;
    break;
  }
  }
  if (changed)
    finishChange(true);
}

bool LayoutEditor::step(ArrowKey key, bool resize) {
  if (m_selection.empty() || !live())
    return false;
  if (!mayEdit())
    return true;
  const int direction = key == ArrowKey::Left || key == ArrowKey::Up ? -1 : 1;
  const BaseUnits units = live()->baseUnits();
  const QPoint extent = controlsExtent();
  bool changed = false;
  for (int item : std::vector<int>(m_selection)) {
    if (item == kDialog) {
      if (const auto size = dialogStep(clientSize(), key, extent, units))
        changed = commit(kDialog, QRect(QPoint(0, 0), *size), direction) || changed;
    } else if (const auto window = controlStep(windowOf(item), key, resize, clientSize(), units)) {
      changed = commit(item, *window, direction) || changed;
    }
  }
  if (changed)
    finishChange(false);
  return true;
}

void LayoutEditor::undo() {
  if (!live() || !m_undo.canUndo())
    return;
  bool restyled = false;
  m_undo.undo([this](int item, const ItemPlace &place) { return put(item, place); },
              [this, &restyled](int item, const ItemStyles &styles) {
                restyled = true;
                return putStyles(item, styles);
              });
  finishChange(false);
  if (restyled)
    Q_EMIT stylesChanged();
}

void LayoutEditor::redo() {
  if (!live() || !m_undo.canRedo())
    return;
  bool restyled = false;
  m_undo.redo([this](int item, const ItemPlace &place) { return put(item, place); },
              [this, &restyled](int item, const ItemStyles &styles) {
                restyled = true;
                return putStyles(item, styles);
              });
  finishChange(false);
  if (restyled)
    Q_EMIT stylesChanged();
}

ItemStyles LayoutEditor::putStyles(int item, const ItemStyles &styles) {
  QStringList *words = nullptr, *exWords = nullptr;
  if (item == kDialog && m_dialog) {
    words = &m_dialog->targetLayout.styles;
    exWords = &m_dialog->targetLayout.exStyles;
  } else if (ControlLayout *layout = layoutOf(item)) {
    words = &layout->styles;
    exWords = &layout->exStyles;
  }
  if (!words)
    return styles;
  ItemStyles before{*words, *exWords};
  *words = styles.styles;
  *exWords = styles.exStyles;
  return before;
}

void LayoutEditor::applyUnits(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                              std::optional<int> height) {
  if (!live() || !mayEdit())
    return;
  bool changed = false;
  std::vector<int> controls;
  for (int item : m_selection)
    if (item >= 0)
      controls.push_back(item);
  if (controls.empty()) {
    QRect units = unitsOf(kDialog);
    units.setWidth(width.value_or(units.width()));
    units.setHeight(height.value_or(units.height()));
    changed = commitUnits(kDialog, units);
  }
  for (int item : controls) {
    QRect units = unitsOf(item);
    units.moveTo(x.value_or(units.x()), y.value_or(units.y()));
    units.setWidth(width.value_or(units.width()));
    units.setHeight(height.value_or(units.height()));
    changed = commitUnits(item, units) || changed;
  }
  if (changed)
    finishChange(true);
}

bool LayoutEditor::changeStyles(const std::function<bool(ControlLayout &)> &control,
                                const std::function<bool(DialogLayout &)> &dialog) {
  if (!live() || !mayEdit())
    return false;
  bool changed = false;
  bool anyControl = false;
  // Each change is recorded as a move is, so that Undo takes it back.
  for (int item : m_selection)
    if (ControlLayout *layout = layoutOf(item)) {
      anyControl = true;
      const ItemStyles before{layout->styles, layout->exStyles};
      if (control(*layout)) {
        changed = true;
        m_undo.recordStyles(item, before, {layout->styles, layout->exStyles});
      }
    }
  if (!anyControl) {
    DialogLayout &layout = m_dialog->targetLayout;
    const ItemStyles before{layout.styles, layout.exStyles};
    if (dialog(layout)) {
      changed = true;
      m_undo.recordStyles(kDialog, before, {layout.styles, layout.exStyles});
    }
  }
  if (changed) {
    m_undo.closeGroup();
    Q_EMIT stylesChanged();
    Q_EMIT layoutChanged();
  }
  return changed;
}

std::vector<const ControlLayout *> LayoutEditor::selectedLayouts() const {
  std::vector<const ControlLayout *> layouts;
  for (int item : m_selection)
    if (item >= 0 && item < controlCount())
      if (const ControlLayout *layout = live()->controls()[size_t(item)].item.layout)
        layouts.push_back(layout);
  return layouts;
}

const ControlLayout *LayoutEditor::layoutShown(int item) const {
  if (item < 0 || item >= controlCount())
    return nullptr;
  return live()->controls()[size_t(item)].item.layout;
}

const DialogLayout *LayoutEditor::dialogLayout() const {
  return live() ? live()->layout() : nullptr;
}

void LayoutEditor::setShowSourceSizes(bool show) {
  m_showSource = show;
  refreshOverlay();
}

QRect LayoutEditor::sourceClientRect() const {
  if (!live() || !m_dialog)
    return QRect();
  const DialogLayout &source = m_dialog->sourceLayout;
  return QRect(QPoint(0, 0), live()->clientSize(QRect(0, 0, source.width, source.height)));
}

std::vector<QRect> LayoutEditor::sourceWindows() const {
  std::vector<QRect> windows;
  if (!live() || !m_dialog)
    return windows;
  const auto &controls = live()->controls();
  for (size_t i = 0; i < controls.size() && i < m_dialog->pairs.size(); ++i) {
    const ControlLayout &source = m_dialog->pairs[i].source;
    windows.push_back(live()->windowFor(controls[i].item,
                                        QRect(source.x, source.y, source.width, source.height)));
  }
  return windows;
}

std::optional<QRect> LayoutEditor::rubberBand() const {
  if (m_drag != Drag::Band)
    return std::nullopt;
  return QRect(m_pressPoint, m_bandEnd).normalized();
}

} // namespace tarvelo::gui

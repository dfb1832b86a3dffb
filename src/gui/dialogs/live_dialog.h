// A dialog's controls as live windows, with the entries that carry their texts.
#pragma once

#include "dialogs/control_item.h"
#include "dialogs/dialog_font.h"
#include "dialogs/shown_dialog.h"

#include <QHash>
#include <QWidget>
#include <vector>

namespace tarvelo {
class TextMeasure;
}

namespace tarvelo::gui {

class ControlText;

// One control of a live dialog: its item (kind, class, styles, the parsed control it
// came from), its window, and the entry that carries its text.
struct LiveControl {
  DynControlItem item;
  QWidget *widget = nullptr;
  TextEntry *entry = nullptr;
};

// The row of a control in the lists of controls: "IDOK (DEFPUSHBUTTON)", or with the
// class of a CONTROL statement, "IDC_LIST (SysListView32)".
QString controlLabel(const LiveControl &control);

// The client area of a dialog built from its parsed layout: one child window per
// control, in the dialog's order, placed at its rectangle converted to pixels with
// the base units of the dialog's font and snapped to the dialog-unit grid. Drawn in
// the classic look. The entries of the controls must outlive it, or it must be told
// nothing more about them.
class LiveDialog : public QWidget {
  Q_OBJECT
public:
  // The side says which texts refreshing takes from the entries.
  LiveDialog(const ShownDialog &dialog, DialogSide side, const TextMeasure &measure,
             QWidget *parent = nullptr);

  const DialogFont &dialogFont() const { return m_font; }
  const ControlText &textRule() const { return *m_text; }
  BaseUnits baseUnits() const { return m_font.units; }
  QString caption() const { return m_caption; }
  DialogSide side() const { return m_side; }
  const DialogEntry *dialogEntry() const { return m_entry; }
  const DialogLayout *layout() const { return m_layout; }
  const std::vector<LiveControl> &controls() const { return m_controls; }
  const LiveControl *controlOf(const QWidget *widget) const;
  // Where a rectangle of dialog units lands, in pixels of the client area.
  QRect placement(const QRect &dialogUnits) const;
  // The size of the client area for the dialog's width and height.
  QSize clientSize(const QRect &dialogUnits) const;
  // The pixel rectangle a control's window takes for a rectangle of dialog units: a
  // drop-down combo box shows only its edit field, the rest of its height is for the
  // list; a list box keeps whole lines.
  QRect windowFor(const DynControlItem &item, const QRect &dialogUnits) const;
  // Puts a control at a rectangle of dialog units, its window at pixels.
  void placeControl(size_t index, const QRect &dialogUnits, const QRect &pixels);

  // Takes the caption and the control texts from the entries again; true when one
  // of them changed.
  bool refreshTexts();

private:
  // Up-down controls with an automatic buddy stand beside it, as Windows puts them.
  void placeBuddies();

  DialogFont m_font;
  DialogSide m_side;
  const DialogEntry *m_entry;
  const DialogLayout *m_layout;
  QString m_caption;
  std::shared_ptr<const ControlText> m_text; // how the controls lay out their texts
  std::vector<LiveControl> m_controls;
  QHash<const QWidget *, int> m_index;
};

} // namespace tarvelo::gui

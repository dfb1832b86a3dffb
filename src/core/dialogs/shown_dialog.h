// A dialog as shown, translated or original: its controls, texts and font.
#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace tarvelo {

class DialogEntry;
class TextEntry;
struct ControlLayout;
struct ControlPair;
struct DialogLayout;

// Which dialog is shown: the translated one (the target layouts with the target
// texts, or the source layouts while the entry's useSourceLayout is set), or the
// dialog as the source defines it with the source texts.
enum class DialogSide { Translated, Original };

struct ShownControl {
  const ControlPair *pair = nullptr;
  const ControlLayout *layout = nullptr; // the side shown
  TextEntry *entry = nullptr;            // the entry of its text, if any
  QString text;                          // as stored (escapes as written)
  QRect rect;                            // dialog units
};

struct ShownDialog {
  const DialogEntry *entry = nullptr;
  const DialogLayout *layout = nullptr;
  QString caption;
  QRect rect; // dialog units
  // The FONT statement; without one the dialog is drawn in the System font.
  bool hasFont = false;
  QString fontFace;
  int fontPoints = 8;
  int fontWeight = 0;
  bool fontItalic = false;
  std::vector<ShownControl> controls;
};

// The dialog as the preview and the report see it. The entry's layouts must have been
// built (after its target was read).
ShownDialog shownDialog(const DialogEntry &entry, DialogSide side);

// The face a dialog's FONT statement draws in: as written, but "MS Shell Dlg 2" for
// "MS Shell Dlg" in a DIALOGEX with DS_SHELLFONT, as Windows documents.
QString dialogFace(const DialogLayout &layout);

// The number a FONT field gives: an unsigned decimal as written ("8", "0x10" gives
// 0), or for weight and italic the usual words.
int fontNumber(const QString &text);

} // namespace tarvelo

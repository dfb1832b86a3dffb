// The dialog shown for an entry: its side's layouts and texts, and the face it is drawn in.
#include "dialogs/shown_dialog.h"

#include "dialogs/control_item.h"
#include "dialogs/text_measure.h"
#include "script/text_entry.h"

namespace tarvelo {

int fontNumber(const QString &text) {
  const QString trimmed = text.trimmed();
  if (trimmed.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
    return 1;
  if (trimmed.compare(QLatin1String("FW_BOLD"), Qt::CaseInsensitive) == 0)
    return 700;
  // Leading digits, as an unsigned decimal is read; anything else counts 0.
  long long value = 0;
  for (const QChar c : trimmed) {
    if (c < u'0' || c > u'9')
      break;
    value = std::min<long long>(value * 10 + (c.unicode() - u'0'), 1000000);
  }
  return int(value);
}

QString dialogFace(const DialogLayout &layout) {
  // DS_SHELLFONT is DS_SETFONT | DS_FIXEDSYS, by name or by number.
  constexpr quint32 kShellFont = 0x48;
  const quint32 bits = styleBits(0, layout.styles, [](QStringView word) -> quint32 {
    return word == u"DS_SHELLFONT"  ? 0x48
           : word == u"DS_SETFONT"  ? 0x40
           : word == u"DS_FIXEDSYS" ? 0x08
                                    : styleNumber(word);
  });
  const bool shellFont = (bits & kShellFont) == kShellFont;
  if (layout.extended && shellFont &&
      layout.fontFace.trimmed().compare(QLatin1String("MS Shell Dlg"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("MS Shell Dlg 2");
  return layout.fontFace;
}

ShownDialog shownDialog(const DialogEntry &entry, DialogSide side) {
  ShownDialog shown;
  shown.entry = &entry;
  const bool original = side == DialogSide::Original;
  const bool sourceLayouts = original || entry.useSourceLayout;
  const DialogLayout &layout = sourceLayouts ? entry.sourceLayout : entry.targetLayout;
  shown.layout = &layout;
  shown.caption = original ? entry.sourceText : entry.targetText;
  shown.rect = QRect(layout.x, layout.y, layout.width, layout.height);
  shown.hasFont = !layout.fontFace.isEmpty();
  shown.fontFace = shown.hasFont ? dialogFace(layout) : systemDialogFace();
  if (shown.hasFont) {
    shown.fontPoints = fontNumber(layout.fontSize);
    shown.fontWeight = fontNumber(layout.fontWeight);
    shown.fontItalic = fontNumber(layout.fontItalic) != 0;
  }
  shown.controls.reserve(entry.pairs.size());
  for (const ControlPair &pair : entry.pairs) {
    ShownControl control;
    control.pair = &pair;
    control.layout = sourceLayouts ? &pair.source : &pair.target;
    control.entry = control.layout->textEntry;
    if (control.entry)
      control.text = original ? control.entry->sourceText : control.entry->targetText;
    control.rect =
        QRect(control.layout->x, control.layout->y, control.layout->width, control.layout->height);
    shown.controls.push_back(std::move(control));
  }
  return shown;
}

} // namespace tarvelo

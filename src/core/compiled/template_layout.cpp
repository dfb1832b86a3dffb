// Writing a dialog's translated layout into its template: rectangles, font and the style
// words the translation changed.
#include "compiled/template_layout.h"

#include "dialogs/control_item.h"
#include "script/text_entry.h"

#include <QSet>

namespace tarvelo {

namespace {

// A style word by name (BS_MULTILINE), not a number or a NOT: numbers mean different
// things in a decompiled template and a script, names the same.
bool isStyleName(const QString &word) {
  return !word.isEmpty() && (word[0].isLetter() || word[0] == u'_') && !word.contains(u' ');
}

// The style names of one side that the other lacks.
QStringList wordsMissing(const QStringList &from, const QStringList &in) {
  const QSet<QString> other(in.cbegin(), in.cend());
  QStringList out;
  for (const QString &word : from)
    if (isStyleName(word) && !other.contains(word))
      out << word;
  return out;
}

// The translation's style words applied to the bits: those it dropped cleared first,
// then those it added set, so that a changed alignment replaces the old one. Words the
// tables do not know (numbers, window styles) change nothing.
quint32 restyled(quint32 bits, const QStringList &source, const QStringList &target,
                 quint32 (*value)(QStringView)) {
  QStringList sourceWords, targetWords;
  for (const QString &word : source)
    sourceWords << word.trimmed();
  for (const QString &word : target)
    targetWords << word.trimmed();
  for (const QString &word : wordsMissing(sourceWords, targetWords))
    bits &= ~value(word);
  for (const QString &word : wordsMissing(targetWords, sourceWords))
    bits |= value(word);
  return bits;
}

template <class Item> void place(Item &item, int x, int y, int width, int height) {
  item.x = qint16(x);
  item.y = qint16(y);
  item.width = qint16(width);
  item.height = qint16(height);
}

void applyHeader(CompiledDialog &dialog, const DialogLayout &source, const DialogLayout &target,
                 TemplateSide side) {
  if (target.literal)
    place(dialog, target.x, target.y, target.width, target.height);
  if (side == TemplateSide::Source) {
    dialog.style = restyled(dialog.style, source.styles, target.styles, styleValue);
    dialog.exStyle = restyled(dialog.exStyle, source.exStyles, target.exStyles, extendedStyleValue);
  }
  // A face or size the translation chose (a font for its script) replaces the source's.
  bool sized = false;
  const int points = target.fontSize.toInt(&sized, 0);
  if (dialog.hasFont() && !target.fontFace.isEmpty() && sized &&
      (target.fontFace != source.fontFace || target.fontSize != source.fontSize)) {
    dialog.face = target.fontFace;
    dialog.pointSize = quint16(points);
  }
}

} // namespace

void applyTranslatedLayout(CompiledDialog &dialog, const DialogEntry &entry, TemplateSide side) {
  if (!entry.layoutsBuilt || entry.useSourceLayout || !entry.targetLayout.parsed)
    return;
  applyHeader(dialog, entry.sourceLayout, entry.targetLayout, side);
  for (size_t i = 0; i < entry.pairs.size(); ++i) {
    const ControlPair &pair = entry.pairs[i];
    const qsizetype index = side == TemplateSide::Source ? qsizetype(i) : pair.targetIndex;
    if ((side == TemplateSide::Target && !pair.targetFound) || index < 0 ||
        index >= dialog.controls.size() || !pair.target.parsed || !pair.target.literal)
      continue;
    CompiledControl &control = dialog.controls[index];
    // An icon given by its corner alone keeps the size the template has.
    if (pair.target.pointOnly)
      place(control, pair.target.x, pair.target.y, control.width, control.height);
    else
      place(control, pair.target.x, pair.target.y, pair.target.width, pair.target.height);
    if (side == TemplateSide::Source) {
      control.style = restyled(control.style, pair.source.styles, pair.target.styles, styleValue);
      control.exStyle =
          restyled(control.exStyle, pair.source.exStyles, pair.target.exStyles, extendedStyleValue);
    }
  }
}

} // namespace tarvelo

#include "script/string_finder.h"
#include "script/text_entry.h"
#include "script/write_context.h"

namespace tarvelo {

namespace {

constexpr int kLineLimit = 75;

// Builds the lines of one statement, breaking after a piece that made the line
// longer than the limit when more pieces follow.
class LineBuilder {
public:
  LineBuilder(QString &out, QString continuation) : m_out(out), m_indent(std::move(continuation)) {}
  void start(const QString &text) { m_line = text; }
  void add(const QString &piece) {
    if (m_pending) {
      m_out += m_line + u'\n';
      m_line = m_indent;
      m_pending = false;
    }
    m_line += piece;
    if (m_line.size() > kLineLimit)
      m_pending = true;
  }
  void finish() {
    m_out += m_line + u'\n';
    m_pending = false;
  }

private:
  QString &m_out;
  QString m_indent;
  QString m_line;
  bool m_pending = false;
};

void writeItems(QString &out, const char *keyword, const QStringList &items) {
  if (items.isEmpty())
    return;
  LineBuilder line(out, QStringLiteral("    "));
  line.start(QString::fromLatin1(keyword) + u' ');
  for (qsizetype i = 0; i < items.size(); ++i)
    line.add(i + 1 < items.size() ? items[i] + QStringLiteral(" | ") : items[i]);
  line.finish();
}

QString joined(const QStringList &items) {
  return items.isEmpty() ? QStringLiteral("0") : items.join(QStringLiteral(" | "));
}

QString quoted(const QString &text) {
  return u'"' + doubleQuotes(text) + u'"';
}

void writeControl(QString &out, const ControlLayout &control, const WriteContext &context) {
  LineBuilder line(out, QString(20, u' '));
  line.start(QStringLiteral("    ") + control.keyword.leftJustified(16, u' '));
  const bool isControl = control.keyword == QLatin1String("CONTROL");
  const QString text =
      control.textEntry ? quoted(control.textEntry->writtenText(context)) : QString();
  if (isControl) {
    line.add((!text.isEmpty()              ? text
              : !control.imageId.isEmpty() ? control.imageId
                                           : QStringLiteral("\"\"")) +
             u',');
    line.add(control.identifier + u',');
    line.add((control.classIsString ? quoted(control.className) : control.className) + u',');
    line.add(joined(control.styles) + u',');
  } else {
    if (!text.isEmpty())
      line.add(text + u',');
    else if (!control.imageId.isEmpty())
      line.add(control.imageId + u',');
    else if (isTextFirstKeyword(control.keyword))
      line.add(QStringLiteral("\"\","));
    line.add(control.identifier + u',');
  }
  line.add(QString::number(control.x) + u',');
  line.add(QString::number(control.y) + u',');
  line.add(QString::number(control.width) + u',');
  line.add(QString::number(control.height));
  const bool tail = !control.exStyles.isEmpty() || !control.helpId.isEmpty();
  if (!isControl && (!control.styles.isEmpty() || tail))
    line.add(u',' + joined(control.styles));
  if (tail)
    line.add(u',' + joined(control.exStyles));
  if (!control.helpId.isEmpty())
    line.add(u',' + control.helpId);
  line.finish();
}

} // namespace

bool DialogEntry::canRegenerate() const {
  if (!layoutsBuilt || !sourceLayout.parsed || !sourceLayout.literal || !sourceLayout.modelled)
    return false;
  for (const ControlPair &pair : pairs)
    if (!pair.source.parsed || !pair.source.literal)
      return false;
  // The target's own layout is printed: it must be understood as well.
  return useSourceLayout || !targetBlock || targetModelled;
}

// The target's block with its caption and control texts replaced where they stand.
QString DialogEntry::writeTargetInPlace(const WriteContext &context) const {
  const QString original = targetBlock->text();
  TextEdits edits;
  if (targetLayout.captionStart >= 0)
    edits.replace(targetLayout.captionStart, targetLayout.captionEnd, quoted(writtenText(context)));
  for (const ControlPair &pair : pairs)
    if (pair.target.textEntry && pair.target.textStart >= 0)
      edits.replace(pair.target.textStart, pair.target.textEnd,
                    quoted(pair.target.textEntry->writtenText(context)));
  return edits.apply(original);
}

// The source's block with its texts replaced where they stand.
QString DialogEntry::writeSourceInPlace(const WriteContext &context) const {
  const QString original = sourceBlock->text();
  StringFinder finder(original, true);
  TextEdits edits;
  for (const TextEntry *entry = this; entry && entry->sourceBlock == sourceBlock;
       entry = entry->next()) {
    if (entry->sourceText.isEmpty())
      continue;
    const StringFinder::Hit hit = finder.find(entry->sourceText);
    if (hit.found)
      edits.replace(hit.start, hit.end, quoted(entry->writtenText(context)));
  }
  return edits.apply(original);
}

// Dialogs are printed again from their layout, always as DIALOGEX.
QString DialogEntry::writeBlock(const WriteContext &context, int, bool writeAll,
                                bool keepSource) const {
  if (!isHead() || task != context.task || removed || !(writeAll || selectedForSave))
    return {};
  if (keepSource)
    return sourceBlock->text();
  if (!canRegenerate()) {
    // A caption needs a place in the target's header to be written there.
    const bool captionPlaced =
        targetLayout.captionStart >= 0 || (sourceText.isEmpty() && targetText.isEmpty());
    bool textsPlaced = true;
    for (const ControlPair &pair : pairs)
      textsPlaced = textsPlaced && (!pair.target.textEntry || pair.target.textStart >= 0);
    if (!useSourceLayout && targetBlock && targetMatchesSource && captionPlaced && textsPlaced)
      return writeTargetInPlace(context);
    return writeSourceInPlace(context);
  }

  const DialogLayout &layout = useSourceLayout ? sourceLayout : targetLayout;
  QString out;
  out += identifier + QStringLiteral(" DIALOGEX");
  for (const QString &option : layout.options)
    out += u' ' + option;
  out += QStringLiteral(" %1, %2, %3, %4")
             .arg(layout.x)
             .arg(layout.y)
             .arg(layout.width)
             .arg(layout.height);
  if (!layout.helpId.isEmpty())
    out += QStringLiteral(", ") + layout.helpId;
  out += u'\n';
  writeItems(out, "STYLE", layout.styles);
  writeItems(out, "EXSTYLE", layout.exStyles);
  if (!sourceText.isEmpty() || !targetText.isEmpty())
    out += QStringLiteral("CAPTION ") + quoted(writtenText(context)) + u'\n';
  if (!layout.fontFace.isEmpty()) {
    if (!layout.fontCharset.isEmpty())
      out += QStringLiteral("FONT %1, \"%2\", %3, %4, %5\n")
                 .arg(layout.fontSize, layout.fontFace, layout.fontWeight, layout.fontItalic,
                      layout.fontCharset);
    else
      out += QStringLiteral("FONT %1, \"%2\"\n").arg(layout.fontSize, layout.fontFace);
  }
  const std::pair<const char *, const QString *> statements[] = {
      {"CHARACTERISTICS", &layout.characteristics},
      {"CLASS", &layout.className},
      {"MENU", &layout.menuName},
      {"LANGUAGE", &layout.language},
      {"VERSION", &layout.version}};
  for (const auto &[keyword, value] : statements)
    if (!value->isEmpty())
      out += QString::fromLatin1(keyword) + u' ' + *value + u'\n';
  out += QStringLiteral("BEGIN\n");
  for (const ControlPair &pair : pairs)
    writeControl(out, useSourceLayout ? pair.source : pair.target, context);
  out += QStringLiteral("END\n");
  return out;
}

} // namespace tarvelo

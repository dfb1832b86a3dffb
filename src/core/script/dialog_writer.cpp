// Writing dialogs: texts replaced in place, or the dialog printed again from its layout.
#include "script/block_writing.h"
#include "script/string_finder.h"
#include "script/text_entry.h"
#include "script/write_context.h"

#include <charconv>

namespace tarvelo {

namespace {

constexpr int kLineLimit = 75;

// Builds the lines of one statement straight into the output, breaking after a
// piece that made the line longer than the limit when more pieces follow.
class LineBuilder {
public:
  LineBuilder(QString &out, QLatin1String continuation)
      : m_out(out), m_indent(continuation), m_lineStart(out.size()) {}
  // The output, to append one piece to.
  QString &piece() {
    if (m_pending) {
      m_out += u'\n';
      m_lineStart = m_out.size();
      m_out += m_indent;
      m_pending = false;
    }
    return m_out;
  }
  void endPiece() {
    if (m_out.size() - m_lineStart > kLineLimit)
      m_pending = true;
  }
  void finish() { m_out += u'\n'; }

private:
  QString &m_out;
  QLatin1String m_indent;
  qsizetype m_lineStart;
  bool m_pending = false;
};

void appendNumber(QString &out, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out += QLatin1String(digits, result.ptr - digits);
}

void appendQuoted(QString &out, const QString &text) {
  out += u'"';
  out += literalText(text);
  out += u'"';
}

void appendJoined(QString &out, const QStringList &items) {
  if (items.isEmpty()) {
    out += u'0';
    return;
  }
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (i > 0)
      out += QLatin1String(" | ");
    out += items[i];
  }
}

QString quoted(const QString &text) {
  QString out;
  appendQuoted(out, text);
  return out;
}

void writeItems(QString &out, const char *keyword, const QStringList &items) {
  if (items.isEmpty())
    return;
  LineBuilder line(out, QLatin1String("    "));
  out += QLatin1String(keyword);
  out += u' ';
  for (qsizetype i = 0; i < items.size(); ++i) {
    QString &piece = line.piece();
    piece += items[i];
    if (i + 1 < items.size())
      piece += QLatin1String(" | ");
    line.endPiece();
  }
  line.finish();
}

void writeControl(QString &out, const ControlLayout &control, const WriteContext &context) {
  static const QLatin1String kIndent("                    "); // 20 blanks
  LineBuilder line(out, kIndent);
  out += QLatin1String("    ");
  out += control.keyword;
  for (qsizetype i = control.keyword.size(); i < 16; ++i)
    out += u' ';
  const bool isControl = control.keyword == QLatin1String("CONTROL");
  const auto add = [&](auto &&write) {
    write(line.piece());
    line.endPiece();
  };
  const auto text = [&](QString &piece) {
    appendQuoted(piece, control.textEntry->writtenText(context));
    piece += u',';
  };
  if (isControl) {
    if (control.textEntry)
      add(text);
    else
      add([&](QString &piece) {
        piece += control.imageId.isEmpty() ? QStringLiteral("\"\"") : control.imageId;
        piece += u',';
      });
    add([&](QString &piece) { piece += control.identifier + u','; });
    add([&](QString &piece) {
      if (control.classIsString)
        appendQuoted(piece, control.className);
      else
        piece += control.className;
      piece += u',';
    });
    // A class macro that holds the style too is followed by the rectangle.
    if (control.classIsString || !control.styles.isEmpty())
      add([&](QString &piece) {
        appendJoined(piece, control.styles);
        piece += u',';
      });
  } else {
    if (control.textEntry)
      add(text);
    else if (!control.imageId.isEmpty())
      add([&](QString &piece) { piece += control.imageId + u','; });
    else if (isTextFirstKeyword(control.keyword))
      add([&](QString &piece) { piece += QLatin1String("\"\","); });
    add([&](QString &piece) { piece += control.identifier + u','; });
  }
  const int numbers[] = {control.x, control.y, control.width, control.height};
  for (int i = 0; i < 4; ++i)
    add([&](QString &piece) {
      appendNumber(piece, numbers[i]);
      if (i < 3)
        piece += u',';
    });
  const bool tail = !control.exStyles.isEmpty() || !control.helpId.isEmpty();
  if (!isControl && (!control.styles.isEmpty() || tail))
    add([&](QString &piece) {
      piece += u',';
      appendJoined(piece, control.styles);
    });
  if (tail)
    add([&](QString &piece) {
      piece += u',';
      appendJoined(piece, control.exStyles);
    });
  if (!control.helpId.isEmpty())
    add([&](QString &piece) {
      piece += u',';
      piece += control.helpId;
    });
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
QString writeDialogTargetInPlace(const DialogEntry &self, const WriteContext &context) {
  const QString original = self.targetBlock->text();
  TextEdits edits;
  if (self.targetLayout.captionStart >= 0)
    edits.replace(self.targetLayout.captionStart, self.targetLayout.captionEnd,
                  quoted(self.writtenText(context)));
  for (const ControlPair &pair : self.pairs)
    if (pair.target.textEntry && pair.target.textStart >= 0)
      edits.replace(pair.target.textStart, pair.target.textEnd,
                    quoted(pair.target.textEntry->writtenText(context)));
  return edits.apply(original);
}

// The source's block with its texts replaced where they stand.
QString writeDialogSourceInPlace(const DialogEntry &self, const WriteContext &context) {
  const QString original = self.sourceBlock->text();
  StringFinder finder(original, true);
  TextEdits edits;
  for (const TextEntry *entry = &self; entry && entry->sourceBlock == self.sourceBlock;
       entry = entry->next()) {
    if (entry->sourceText.isEmpty())
      continue;
    const StringFinder::Hit hit = finder.find(entry->sourceText);
    if (hit.found)
      edits.replace(hit.start, hit.end, quoted(entry->writtenText(context)));
  }
  return edits.apply(original);
}

// A dialog follows the block it replaces; printed again from its layout, always as
// DIALOGEX, when so set; with only its texts replaced where neither can be done.
QString writeDialogBlock(const DialogEntry &self, const WriteContext &context, bool writeAll,
                         bool keepSource) {
  if (!self.isHead() || self.task != context.task || self.removed ||
      !(writeAll || self.selectedForSave))
    return {};
  if (keepSource)
    return self.sourceBlock->text();
  if (context.regenerateDialogs && self.canRegenerate())
    return regenerateDialog(self, context);
  if (!context.regenerateDialogs) {
    const QString followed = writeDialogFollowing(self, context);
    if (!followed.isEmpty())
      return followed;
    if (self.canRegenerate())
      return regenerateDialog(self, context);
  }
  // A caption needs a place in the target's header to be written there.
  const bool captionPlaced = self.targetLayout.captionStart >= 0 ||
                             (self.sourceText.isEmpty() && self.targetText.isEmpty());
  bool textsPlaced = true;
  for (const ControlPair &pair : self.pairs)
    textsPlaced = textsPlaced && (!pair.target.textEntry || pair.target.textStart >= 0);
  if (!self.useSourceLayout && self.targetBlock && self.targetMatchesSource && captionPlaced &&
      textsPlaced)
    return writeDialogTargetInPlace(self, context);
  return writeDialogSourceInPlace(self, context);
}

QString regenerateDialog(const DialogEntry &self, const WriteContext &context) {
  const DialogLayout &layout = self.useSourceLayout ? self.sourceLayout : self.targetLayout;
  QString out;
  out += self.identifier + QStringLiteral(" DIALOGEX");
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
  if (!self.sourceText.isEmpty() || !self.targetText.isEmpty())
    out += QStringLiteral("CAPTION ") + quoted(self.writtenText(context)) + u'\n';
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
  for (const ControlPair &pair : self.pairs)
    writeControl(out, self.useSourceLayout ? pair.source : pair.target, context);
  out += QStringLiteral("END\n");
  return out;
}

} // namespace tarvelo

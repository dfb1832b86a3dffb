// Dialogs written in the form of the block they replace: statements whose meaning is
// unchanged keep their bytes, only changed texts are replaced, and statements the
// layout changed or the source added are written anew like their neighbours.
#include "script/block_tokenizer.h"
#include "script/block_writing.h"
#include "script/dialog_statements.h"
#include "script/statement_units.h"
#include "script/string_finder.h"
#include "script/text_entry.h"
#include "script/write_context.h"

#include <algorithm>

namespace tarvelo {

namespace {

QString quotedText(const QString &text) {
  return u'"' + literalText(text) + u'"';
}

// The text that adjacent literals standing at [start, end) make.
QString literalValue(const QString &text, qsizetype start, qsizetype end) {
  BlockTokenizer tokens(text, start);
  QString value;
  for (BlockToken token = tokens.next(); token.kind == TokenKind::String && token.start < end;
       token = tokens.next())
    value += undoubleQuotes(token.text());
  return value;
}

// Whether the literals standing at [start, end) make the text: most are one literal
// written just as the text would be.
bool literalSays(const QString &text, qsizetype start, qsizetype end, const QString &value) {
  const QStringView inside = QStringView(text).mid(start + 1, end - start - 2);
  if (inside == literalText(value))
    return true;
  return literalValue(text, start, end) == value;
}

bool blankBetween(const QString &text, qsizetype from, qsizetype to) {
  return QStringView(text).mid(from, to - from).trimmed().isEmpty();
}

// The block's text with its statements edited.
class DialogEdits {
public:
  explicit DialogEdits(const QString &text) : m_text(text) {}

  void replaceText(qsizetype start, qsizetype end, const QString &written) {
    if (start >= 0 && !literalSays(m_text, start, end, written))
      m_edits.replace(start, end, quotedText(written));
  }
  void replace(qsizetype start, qsizetype end, const QString &statement) {
    m_edits.replace(start, end, statement);
  }
  // Removes a statement, with its line when it stands alone there.
  void remove(qsizetype start, qsizetype end) {
    const qsizetype lineStart = lineStartOf(m_text, start);
    qsizetype lineEnd = lineEndOf(m_text, std::max(start, end - 1));
    const qsizetype comment = m_text.indexOf(QLatin1String("//"), end);
    const qsizetype rest = comment >= 0 && comment < lineEnd ? comment : lineEnd;
    if (blankBetween(m_text, lineStart, start) && blankBetween(m_text, end, rest))
      m_edits.replace(lineStart, lineEnd, QString());
    else
      m_edits.replace(start, end, QString());
  }
  // A statement on a line of its own after the line where position stands.
  void insertAfterLine(qsizetype position, const QString &indent, const QString &statement) {
    const qsizetype at = lineEndOf(m_text, position);
    QString line = indent + statement + u'\n';
    if (at > 0 && m_text[at - 1] != u'\n')
      line.prepend(u'\n');
    m_inserts.push_back({at, line});
  }
  QString apply() {
    for (const auto &[at, line] : m_inserts)
      m_edits.replace(at, at, line);
    return m_edits.apply(m_text);
  }

private:
  const QString &m_text;
  TextEdits m_edits;
  std::vector<std::pair<qsizetype, QString>> m_inserts;
};

const DialogLayout::Statement *findStatement(const DialogLayout &layout, QLatin1String keyword) {
  for (const DialogLayout::Statement &statement : layout.statements)
    if (statement.keyword == keyword)
      return &statement;
  return nullptr;
}

bool sameHead(const DialogLayout &a, const DialogLayout &b) {
  return a.options == b.options && a.x == b.x && a.y == b.y && a.width == b.width &&
         a.height == b.height && a.helpId == b.helpId;
}

bool sameFont(const DialogLayout &a, const DialogLayout &b) {
  return a.fontSize == b.fontSize && a.fontFace == b.fontFace && a.fontWeight == b.fontWeight &&
         a.fontItalic == b.fontItalic && a.fontCharset == b.fontCharset;
}

// The header statements but CAPTION, as written: keyword and the text that follows it.
struct HeaderValue {
  QLatin1String keyword;
  QString printed;
  bool present;
  bool same;
};

std::vector<HeaderValue> headerValues(const DialogLayout &base, const DialogLayout &layout,
                                      const StatementStyle &style) {
  const auto plain = [](QLatin1String keyword, const QString &value) {
    return QString(keyword) + u' ' + value;
  };
  return {
      {QLatin1String("STYLE"), printItems(QStringLiteral("STYLE"), layout.styles, style),
       !layout.styles.isEmpty(), sameItems(base.styles, layout.styles)},
      {QLatin1String("EXSTYLE"), printItems(QStringLiteral("EXSTYLE"), layout.exStyles, style),
       !layout.exStyles.isEmpty(), sameItems(base.exStyles, layout.exStyles)},
      {QLatin1String("FONT"), printFont(layout, style), !layout.fontFace.isEmpty(),
       sameFont(base, layout)},
      {QLatin1String("CHARACTERISTICS"),
       plain(QLatin1String("CHARACTERISTICS"), layout.characteristics),
       !layout.characteristics.isEmpty(), base.characteristics == layout.characteristics},
      {QLatin1String("CLASS"), plain(QLatin1String("CLASS"), layout.className),
       !layout.className.isEmpty(), base.className == layout.className},
      {QLatin1String("MENU"), plain(QLatin1String("MENU"), layout.menuName),
       !layout.menuName.isEmpty(), base.menuName == layout.menuName},
      {QLatin1String("LANGUAGE"), plain(QLatin1String("LANGUAGE"), layout.language),
       !layout.language.isEmpty(), base.language == layout.language},
      {QLatin1String("VERSION"), plain(QLatin1String("VERSION"), layout.version),
       !layout.version.isEmpty(), base.version == layout.version},
  };
}

// The header: the first line, then each statement kept, rewritten, added or dropped.
bool followHeader(const DialogEntry &dialog, const QString &text, const DialogLayout &base,
                  bool extended, const WriteContext &context, DialogEdits &edits) {
  const DialogLayout &layout = dialog.useSourceLayout ? dialog.sourceLayout : dialog.targetLayout;
  const DialogLayout::Statement &head = base.statements.front();
  const StatementStyle headStyle = headerStyle(text, head.start, head.end);
  if (extended != base.extended || (base.literal && !sameHead(base, layout))) {
    if (!base.literal)
      return false;
    BlockTokenizer tokens(text, head.start);
    const QString identifierText = tokens.next().textString();
    edits.replace(head.start, head.end,
                  printDialogHead(identifierText, extended, layout, headStyle));
  }
  // New statements go after the last one of the header.
  const qsizetype lastHeader = base.statements[base.statements.size() - 2].end;
  for (const HeaderValue &value : headerValues(base, layout, headStyle)) {
    const DialogLayout::Statement *statement = findStatement(base, value.keyword);
    if (statement && value.same)
      continue;
    if (statement && value.present) {
      const StatementStyle style = headerStyle(text, statement->start, statement->end);
      const QString printed =
          value.keyword == QLatin1String("STYLE") || value.keyword == QLatin1String("EXSTYLE")
              ? printItems(QString(value.keyword),
                           value.keyword == QLatin1String("STYLE") ? layout.styles
                                                                   : layout.exStyles,
                           style)
              : value.printed;
      edits.replace(statement->start, statement->end, printed);
    } else if (statement) {
      edits.remove(statement->start, statement->end);
    } else if (value.present) {
      edits.insertAfterLine(lastHeader, QString(), value.printed);
    }
  }
  const QString caption = dialog.writtenText(context);
  if (base.captionStart >= 0)
    edits.replaceText(base.captionStart, base.captionEnd, caption);
  else if (!caption.isEmpty())
    edits.insertAfterLine(lastHeader, QString(), QStringLiteral("CAPTION ") + quotedText(caption));
  return true;
}

// Which of the indices (-1: none) form a longest increasing run: those controls keep
// their places.
std::vector<bool> increasingRun(const std::vector<int> &indices) {
  std::vector<int> tails;                      // positions ending runs of each length
  std::vector<int> before(indices.size(), -1); // the position before, in its run
  for (int i = 0; i < int(indices.size()); ++i) {
    if (indices[size_t(i)] < 0)
      continue;
    const auto at = std::lower_bound(
        tails.begin(), tails.end(), indices[size_t(i)],
        [&](int position, int value) { return indices[size_t(position)] < value; });
    if (at != tails.begin())
      before[size_t(i)] = *(at - 1);
    if (at == tails.end())
      tails.push_back(i);
    else
      *at = i;
  }
  std::vector<bool> staying(indices.size(), false);
  for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = before[size_t(i)])
    staying[size_t(i)] = true;
  return staying;
}

// A control statement as the block has it, with its text replaced when it changed.
QString statementWithText(const QString &text, const FollowedControl &found, bool hasEntry,
                          const QString &written) {
  QString statement = text.mid(found.start, found.end - found.start);
  if (hasEntry && found.textStart >= 0 &&
      !literalSays(text, found.textStart, found.textEnd, written))
    statement.replace(found.textStart - found.start, found.textEnd - found.textStart,
                      quotedText(written));
  return statement;
}

} // namespace

QString writeDialogFollowing(const DialogEntry &self, const WriteContext &context) {
  const DialogLayout &base = self.followedHeader;
  if (!self.layoutsBuilt || !base.parsed || base.statements.size() < 2)
    return QString();
  const bool onTarget = self.targetBlock != nullptr;
  const QString text = (onTarget ? self.targetBlock : self.sourceBlock)->text();
  // A DIALOG that is to carry what only DIALOGEX has becomes one.
  const bool extended =
      base.extended || (self.useSourceLayout ? self.sourceLayout : self.targetLayout).extended;
  DialogEdits edits(text);
  if (!followHeader(self, text, base, extended, context, edits))
    return QString();

  // Which statement of the block each control is. Those in the block's order stay
  // where they stand; a control the target holds elsewhere moves to its place.
  std::vector<int> baseIndex(self.pairs.size(), -1);
  for (size_t i = 0; i < self.pairs.size(); ++i)
    if (self.pairs[i].followed.start >= 0)
      baseIndex[i] = onTarget ? self.pairs[i].targetIndex : int(i);
  const std::vector<bool> staying = increasingRun(baseIndex);
  for (const auto &[start, end] : self.unfollowedControls)
    edits.remove(start, end);

  const DialogLayout::Statement *begin = findStatement(base, QLatin1String("BEGIN"));
  qsizetype previous = begin->end; // where the statement before stands
  StatementStyle style;
  for (const ControlPair &pair : self.pairs)
    if (pair.followed.start >= 0 && pair.followed.parsed) {
      style = controlStyle(text, pair.followed.start, pair.followed.end);
      break;
    }
  for (size_t i = 0; i < self.pairs.size(); ++i) {
    const ControlLayout &wanted =
        self.useSourceLayout ? self.pairs[i].source : self.pairs[i].target;
    const QString written = wanted.textEntry ? wanted.textEntry->writtenText(context) : QString();
    const QString quoted = wanted.textEntry ? quotedText(written) : QString();
    if (baseIndex[i] < 0) {
      edits.insertAfterLine(previous, style.indent, printControl(wanted, quoted, style));
      continue;
    }
    const FollowedControl &found = self.pairs[i].followed;
    const bool rewrite = found.parsed && found.literal && wanted.literal &&
                         controlFingerprint(wanted) != found.fingerprint;
    const auto own = [&] {
      return found.parsed ? controlStyle(text, found.start, found.end) : style;
    };
    if (!staying[i]) {
      // Moved: taken from where it stood, written after the control before it.
      QString statement =
          rewrite ? printControl(wanted, quoted, own())
                  : statementWithText(text, found, wanted.textEntry != nullptr, written);
      edits.remove(found.start, found.end);
      edits.insertAfterLine(previous, own().indent, statement);
      continue;
    }
    previous = found.end;
    if (rewrite)
      edits.replace(found.start, found.end, printControl(wanted, quoted, own()));
    else if (wanted.textEntry && found.textStart >= 0)
      edits.replaceText(found.textStart, found.textEnd, written);
  }
  return edits.apply();
}

} // namespace tarvelo

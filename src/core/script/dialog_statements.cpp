// Printing dialog statements like their neighbours, and comparing them by meaning.
#include "script/dialog_statements.h"

#include "script/keywords.h"
#include "script/statement_units.h"

#include <QHash>

namespace tarvelo {

namespace {

// The position of the first c at or after from in [from, end) outside strings, or -1.
qsizetype findOutsideStrings(const QString &text, QChar c, qsizetype from, qsizetype end) {
  bool inString = false;
  for (qsizetype i = from; i < end; ++i) {
    if (text[i] == u'"')
      inString = !inString;
    else if (!inString && text[i] == c)
      return i;
  }
  return -1;
}

void readSeparators(const QString &text, qsizetype start, qsizetype end, StatementStyle &style) {
  const qsizetype comma = findOutsideStrings(text, u',', start, end);
  if (comma >= 0)
    style.comma =
        comma + 1 < end && text[comma + 1] == u' ' ? QStringLiteral(", ") : QStringLiteral(",");
  const qsizetype bar = findOutsideStrings(text, u'|', start, end);
  if (bar >= 0) {
    style.bar = QStringLiteral("|");
    if (bar > start && text[bar - 1] == u' ')
      style.bar.prepend(u' ');
    if (bar + 1 < end && text[bar + 1] == u' ')
      style.bar.append(u' ');
  }
  // A statement over several lines: its first line's length decides where to break.
  const qsizetype feed = text.indexOf(u'\n', start);
  if (feed >= 0 && feed < end) {
    const qsizetype lineStart = lineStartOf(text, start);
    style.breakAfter = int(std::max<qsizetype>(feed - lineStart - 1, 40));
    qsizetype i = feed + 1;
    while (i < end && (text[i] == u' ' || text[i] == u'\t'))
      ++i;
    style.continuation = text.mid(feed + 1, i - feed - 1);
  }
}

bool sameValue(const QString &a, const QString &b) {
  if (a == b)
    return true;
  long long x = 0, y = 0;
  return numberValue(a, x) && numberValue(b, y) && x == y;
}

// Builds a statement from pieces, breaking the line where the style says.
class Pieces {
public:
  Pieces(QString &out, const StatementStyle &style) : m_out(out), m_style(style) {}
  void add(const QString &piece) {
    if (m_style.breakAfter > 0 && m_pending) {
      // Trailing blanks of the broken line go.
      while (m_out.endsWith(u' '))
        m_out.chop(1);
      m_out += u'\n';
      m_out += m_style.continuation;
      m_lineStart = m_out.size() - m_style.continuation.size();
      m_indentWidth = 0;
    }
    m_out += piece;
    m_pending = m_out.size() - m_lineStart + m_indentWidth > m_style.breakAfter;
  }
  void setIndentWidth(qsizetype width) { m_indentWidth = width; }

private:
  QString &m_out;
  const StatementStyle &m_style;
  qsizetype m_lineStart = 0;
  qsizetype m_indentWidth = 0;
  bool m_pending = false;
};

QString joined(const QStringList &items, const StatementStyle &style) {
  return items.isEmpty() ? QStringLiteral("0") : items.join(style.bar);
}

} // namespace

StatementStyle controlStyle(const QString &text, qsizetype start, qsizetype end) {
  StatementStyle style;
  const qsizetype lineStart = lineStartOf(text, start);
  style.indent = text.mid(lineStart, start - lineStart);
  if (!style.indent.trimmed().isEmpty())
    style.indent = QStringLiteral("    ");
  qsizetype keywordEnd = start;
  while (keywordEnd < end && !text[keywordEnd].isSpace() && text[keywordEnd] != u',')
    ++keywordEnd;
  qsizetype argument = keywordEnd;
  while (argument < end && (text[argument] == u' ' || text[argument] == u'\t'))
    ++argument;
  style.keywordWidth = argument - keywordEnd <= 1 ? 0 : int(argument - start);
  readSeparators(text, start, end, style);
  return style;
}

StatementStyle headerStyle(const QString &text, qsizetype start, qsizetype end) {
  StatementStyle style;
  readSeparators(text, start, end, style);
  return style;
}

QString printControl(const ControlLayout &control, const QString &quotedText,
                     const StatementStyle &style) {
  QString out = control.keyword;
  if (style.keywordWidth > control.keyword.size())
    out += QString(style.keywordWidth - control.keyword.size(), u' ');
  else
    out += u' ';
  Pieces pieces(out, style);
  pieces.setIndentWidth(style.indent.size());
  QStringList arguments;
  const bool isControl = control.keyword == QLatin1String("CONTROL");
  if (!quotedText.isEmpty())
    arguments << quotedText;
  else if (!control.imageId.isEmpty())
    arguments << control.imageId;
  else if (isControl || isTextFirstKeyword(control.keyword))
    arguments << QStringLiteral("\"\"");
  arguments << control.identifier;
  if (isControl) {
    arguments << (control.classIsString ? u'"' + control.className + u'"' : control.className);
    // A class macro that holds the style too is followed by the rectangle.
    if (control.classIsString || !control.styles.isEmpty())
      arguments << joined(control.styles, style);
  }
  arguments << QString::number(control.x) << QString::number(control.y);
  if (!(control.pointOnly && control.width == 0 && control.height == 0))
    arguments << QString::number(control.width) << QString::number(control.height);
  const bool tail = !control.exStyles.isEmpty() || !control.helpId.isEmpty();
  if (!isControl && (!control.styles.isEmpty() || tail))
    arguments << joined(control.styles, style);
  if (tail)
    arguments << joined(control.exStyles, style);
  if (!control.helpId.isEmpty())
    arguments << control.helpId;
  for (qsizetype i = 0; i < arguments.size(); ++i)
    pieces.add(i + 1 < arguments.size() ? arguments[i] + style.comma : arguments[i]);
  while (out.endsWith(u' '))
    out.chop(1);
  return out;
}

QString printItems(const QString &keyword, const QStringList &items, const StatementStyle &style) {
  QString out = keyword + u' ';
  Pieces pieces(out, style);
  for (qsizetype i = 0; i < items.size(); ++i)
    pieces.add(i + 1 < items.size() ? items[i] + style.bar : items[i]);
  while (out.endsWith(u' '))
    out.chop(1);
  return out;
}

QString printDialogHead(const QString &identifier, bool extended, const DialogLayout &layout,
                        const StatementStyle &style) {
  QString out = identifier + (extended ? QStringLiteral(" DIALOGEX") : QStringLiteral(" DIALOG"));
  for (const QString &option : layout.options)
    out += u' ' + option;
  out += u' ';
  QStringList numbers{QString::number(layout.x), QString::number(layout.y),
                      QString::number(layout.width), QString::number(layout.height)};
  if (!layout.helpId.isEmpty())
    numbers << layout.helpId;
  out += numbers.join(style.comma);
  return out;
}

QString printFont(const DialogLayout &layout, const StatementStyle &style) {
  QStringList parts{layout.fontSize, u'"' + layout.fontFace + u'"'};
  for (const QString *extra : {&layout.fontWeight, &layout.fontItalic, &layout.fontCharset}) {
    if (extra->isEmpty())
      break;
    parts << *extra;
  }
  return QStringLiteral("FONT ") + parts.join(style.comma);
}

bool sameItems(const QStringList &a, const QStringList &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (!sameValue(a[i], b[i]))
      return false;
  return true;
}

std::uint64_t controlFingerprint(const ControlLayout &c) {
  size_t hash = qHashMulti(0, c.keyword, c.hasText, c.imageId, c.identifier, c.className,
                           c.classIsString, c.x, c.y, c.width, c.height, c.helpId);
  for (const QStringList *items : {&c.styles, &c.exStyles}) {
    hash = qHashMulti(hash, items->size());
    for (const QString &item : *items)
      hash = qHashMulti(hash, item);
  }
  return hash;
}

FollowedControl followedControl(const ControlLayout &control) {
  return {control.statementStart, control.statementEnd, control.textStart,          control.textEnd,
          control.parsed,         control.literal,      controlFingerprint(control)};
}

} // namespace tarvelo

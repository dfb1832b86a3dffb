// Cutting a block into statements on whole lines, with keys that ignore layout.
#include "script/statement_units.h"

#include "script/block_tokenizer.h"
#include "script/keywords.h"

namespace tarvelo {

namespace {

bool isStarterWord(QStringView word) {
  static const char *const kStarters[] = {
      "BEGIN", "END",   "MENUITEM", "POPUP", "STYLE",           "EXSTYLE", "CAPTION",
      "FONT",  "CLASS", "LANGUAGE", "MENU",  "CHARACTERISTICS", "VERSION"};
  for (const char *starter : kStarters)
    if (word == QLatin1String(starter))
      return true;
  return false;
}

// Whether the text between two tokens holds a block comment over several lines.
bool gapHasLongComment(QStringView gap) {
  for (qsizetype i = 0; i + 1 < gap.size(); ++i) {
    if (gap[i] != u'/')
      continue;
    if (gap[i + 1] == u'/') {
      const qsizetype feed = gap.indexOf(u'\n', i);
      if (feed < 0)
        return false;
      i = feed;
    } else if (gap[i + 1] == u'*') {
      const qsizetype close = gap.indexOf(QLatin1String("*/"), i + 2);
      const qsizetype feed = gap.indexOf(u'\n', i + 2);
      if (close < 0 || (feed >= 0 && feed < close))
        return true;
      i = close + 1;
    }
  }
  return false;
}

void appendKey(QString &key, const BlockToken &token) {
  switch (token.kind) {
  case TokenKind::Comma:
    return;
  case TokenKind::String:
    key += u'\x01';
    break;
  case TokenKind::Number:
  case TokenKind::HexNumber: {
    long long value = 0;
    if (numberValue(token.text(), value))
      key += QString::number(value);
    else
      key += token.text();
    break;
  }
  default:
    key += token.text();
    break;
  }
  key += u'\x1f';
}

// The records of DLGINIT data: control, message, length, a reserved number, then as
// many words as the length takes.
class RecordCounter {
public:
  // Whether the token (not a comma) begins a record.
  bool starts(const BlockToken &token) {
    if (token.kind == TokenKind::Word &&
        (token.text() == QLatin1String("BEGIN") || token.text() == QLatin1String("END"))) {
      m_field = 0;
      return true;
    }
    switch (m_field) {
    case 0:
      m_field = 1;
      return true;
    case 1:
      m_field = 2;
      return false;
    case 2: {
      long long length = 0;
      m_words = numberValue(token.text(), length) && length > 0 ? int((length + 1) / 2) : 0;
      m_field = 3;
      return false;
    }
    case 3:
      m_field = m_words > 0 ? 4 : 0;
      return false;
    default:
      if (--m_words <= 0)
        m_field = 0;
      return false;
    }
  }

private:
  int m_field = 0;
  int m_words = 0;
};

// Whether the token begins a new statement, given the one before it.
bool startsStatement(const BlockToken &token, const BlockToken *previous, UnitRule rule,
                     RecordCounter &records, bool inBody) {
  if (rule == UnitRule::Records && inBody && token.kind != TokenKind::Comma)
    return records.starts(token);
  if (!previous)
    return true;
  const QStringView before = previous->text();
  if (previous->kind == TokenKind::Word &&
      (before == QLatin1String("BEGIN") || before == QLatin1String("END")))
    return true;
  if (token.kind == TokenKind::Word && isStarterWord(token.text()))
    return true;
  return rule == UnitRule::StringTable && previous->kind == TokenKind::String &&
         token.kind != TokenKind::String && token.kind != TokenKind::Comma;
}

} // namespace

qsizetype lineStartOf(QStringView text, qsizetype at) {
  // (lastIndexOf from -1 would search from the end.)
  return at <= 0 ? 0 : text.lastIndexOf(u'\n', at - 1) + 1;
}

qsizetype lineEndOf(QStringView text, qsizetype at) {
  const qsizetype feed = text.indexOf(u'\n', at);
  return feed < 0 ? text.size() : feed + 1;
}

BlockUnits splitStatements(const QString &text, UnitRule rule) {
  BlockUnits result;
  BlockTokenizer tokens(text);
  BlockToken previous;
  bool havePrevious = false;
  qsizetype gapStart = 0;
  qsizetype directiveEnd = -1; // the end of the directive lines being passed over
  RecordCounter records;
  bool inBody = false; // past the block's first BEGIN
  for (;;) {
    BlockToken token = tokens.next();
    if (gapHasLongComment(QStringView(text).mid(gapStart, token.start - gapStart)))
      result.followable = false;
    if (token.kind == TokenKind::EndOfFile) {
      // A string that does not end reads as the end of the text.
      if (token.start < text.size() && !QStringView(text).mid(token.start).trimmed().isEmpty())
        result.followable = false;
      break;
    }
    gapStart = token.end;
    const qsizetype lineStart = lineStartOf(text, token.start);
    if (token.start < directiveEnd)
      continue; // the rest of a directive line
    const bool directive = token.kind == TokenKind::Word && token.text().startsWith(u'#');
    if (directive) {
      // A directive is its own statement, with the lines it continues onto.
      qsizetype end = lineEndOf(text, token.start);
      while (end < text.size() && end >= 2 && text[end - 2] == u'\\')
        end = lineEndOf(text, end);
      directiveEnd = end;
      StatementUnit unit;
      unit.start = lineStart;
      unit.end = end;
      unit.key = QStringView(text).mid(token.start, end - token.start).trimmed().toString();
      result.units.push_back(unit);
      havePrevious = false;
      gapStart = end;
      continue;
    }
    const bool starts =
        startsStatement(token, havePrevious ? &previous : nullptr, rule, records, inBody);
    if (token.kind == TokenKind::Word && token.text() == QLatin1String("BEGIN"))
      inBody = true;
    if (result.units.empty() || (starts && lineStart >= result.units.back().end)) {
      StatementUnit unit;
      unit.start = lineStart;
      result.units.push_back(unit);
    }
    StatementUnit &unit = result.units.back();
    unit.end = std::max(unit.end, lineEndOf(text, std::max(token.start, token.end - 1)));
    appendKey(unit.key, token);
    if (token.kind == TokenKind::String)
      unit.strings.emplace_back(token.start + 1, std::max(token.start + 1, token.end - 1));
    previous = std::move(token);
    havePrevious = true;
  }
  return result;
}

QString tokensKey(const QString &text) {
  BlockTokenizer tokens(text);
  QString key;
  for (BlockToken token = tokens.next(); token.kind != TokenKind::EndOfFile; token = tokens.next())
    appendKey(key, token);
  return key;
}

QString blockSignature(const QString &text, UnitRule rule) {
  const BlockUnits split = splitStatements(text, rule);
  QString signature;
  for (const StatementUnit &unit : split.units) {
    signature += unit.key;
    for (const auto &[from, to] : unit.strings) {
      signature += u'\x02';
      signature += QStringView(text).mid(from, to - from);
    }
  }
  return signature;
}

} // namespace tarvelo

// Finding the strings of a block's entries in the block's text, in order.
#include "script/string_finder.h"

#include <algorithm>

namespace tarvelo {

namespace {

// Whether the written text, once its doubled quotes are made single, is text.
bool equalsUndoubled(QStringView written, QStringView text) {
  qsizetype j = 0;
  for (qsizetype i = 0; i < written.size(); ++i, ++j) {
    if (j >= text.size() || written[i] != text[j])
      return false;
    if (written[i] == u'"' && i + 1 < written.size() && written[i + 1] == u'"')
      ++i;
  }
  return j == text.size();
}

} // namespace

StringFinder::Hit StringFinder::find(const QString &text) {
  Hit hit;
  for (;;) {
    const BlockToken token = m_tokens.next();
    if (token.kind == TokenKind::EndOfFile)
      return hit;
    const TokenKind previous = m_previous;
    m_previous = token.kind;
    if (token.kind != TokenKind::String) {
      if (token.kind != TokenKind::Comma)
        m_ownerStart = token.start;
      continue;
    }
    const qsizetype ownerStart = m_ownerStart;
    m_ownerStart = token.start;
    // Adjacent literals ("abc" "def") make one text.
    qsizetype end = token.end;
    QString joined;
    while (m_tokens.peek().kind == TokenKind::String) {
      if (joined.isNull())
        joined = undoubleQuotes(token.text());
      const BlockToken part = m_tokens.next();
      joined += undoubleQuotes(part.text());
      end = part.end;
    }
    m_previous = TokenKind::String;
    if (m_captionsOnly && previous == TokenKind::Comma)
      continue;
    bool equal;
    if (!joined.isNull()) {
      equal = joined == text;
    } else {
      equal = equalsUndoubled(token.text(), text);
    }
    if (equal) {
      hit.found = true;
      hit.start = token.start;
      hit.end = end;
      hit.ownerStart = ownerStart;
      return hit;
    }
  }
}

QString TextEdits::apply(const QString &original) const {
  std::vector<Edit> edits = m_edits;
  // Insertions (empty ranges) go before a replacement that starts where they stand.
  std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) {
    return a.start < b.start || (a.start == b.start && a.end < b.end);
  });
  QString out;
  out.reserve(original.size() + 64);
  qsizetype at = 0;
  for (const Edit &edit : edits) {
    if (edit.start < at)
      continue; // overlapping edits cannot happen; keep the first
    out += QStringView(original).mid(at, edit.start - at);
    out += edit.text;
    at = edit.end;
  }
  out += QStringView(original).mid(at);
  return out;
}

} // namespace tarvelo

#include "script/string_finder.h"

#include <algorithm>

namespace tarvelo {

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
      const QStringView written = token.text();
      equal =
          written.contains(u'"') ? undoubleQuotes(written) == text : written == QStringView(text);
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
  std::sort(edits.begin(), edits.end(),
            [](const Edit &a, const Edit &b) { return a.start < b.start; });
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

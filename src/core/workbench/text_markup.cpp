// Finding the markup of a script text: escapes, inserts, formats and access keys.
#include "workbench/text_markup.h"

#include "workbench/format_specification.h"

namespace tarvelo {

namespace {

bool isOctal(QChar c) {
  return c >= u'0' && c <= u'7';
}

bool isHex(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// The length of the escape at i (the backslash): octal and hexadecimal escapes take
// their digits, every other escape one character.
int escapeLength(const QString &text, int i) {
  const int size = int(text.size());
  if (i + 1 >= size)
    return 1;
  const QChar c = text[i + 1];
  int n = 2;
  if (c == u'x' || c == u'X') {
    while (n < 6 && i + n < size && isHex(text[i + n]))
      ++n;
  } else if (isOctal(c)) {
    while (n < 4 && i + n < size && isOctal(text[i + n]))
      ++n;
  }
  return n;
}

// "%1" or "%1!d!" of a message text: the inserts FormatMessage fills.
int insertLength(const QString &text, int i) {
  const int size = int(text.size());
  int n = 1;
  while (i + n < size && isDigit(text[i + n]))
    ++n;
  if (n == 1)
    return 0;
  if (i + n < size && text[i + n] == u'!') {
    const int close = int(text.indexOf(u'!', i + n + 1));
    if (close > 0)
      n = close + 1 - i;
  }
  return n;
}

} // namespace

QList<MarkupSpan> markupSpans(const QString &text) {
  QList<MarkupSpan> spans;
  const int size = int(text.size());
  // The printf formats exactly as the inspection finds them, so that both agree on them.
  QList<MarkupSpan> formats;
  for (int from = 0;;) {
    QString spec;
    const int end = nextFormatSpecification(text, from, &spec);
    if (end < 0)
      break;
    formats.append(
        {MarkupSpan::FormatSpecification, end - int(spec.size()) - 1, int(spec.size()) + 1});
    from = end;
  }
  qsizetype next = 0;
  for (int i = 0; i < size;) {
    if (next < formats.size() && formats[next].start == i) {
      spans.append(formats[next++]);
      i = spans.last().end();
      continue;
    }
    const QChar c = text[i];
    if (c == u'%') {
      if (i + 1 < size && text[i + 1] == u'%') {
        spans.append({MarkupSpan::LiteralPercent, i, 2});
        i += 2;
        continue;
      }
      if (const int n = insertLength(text, i)) {
        spans.append({MarkupSpan::FormatSpecification, i, n});
        i += n;
        continue;
      }
    } else if (c == u'\\') {
      const int n = escapeLength(text, i);
      spans.append({MarkupSpan::Escape, i, n});
      i += n;
      continue;
    } else if (c == u'&' && i + 1 < size) {
      if (text[i + 1] == u'&') {
        spans.append({MarkupSpan::LiteralAmpersand, i, 2});
        i += 2;
      } else {
        spans.append({MarkupSpan::AccessKeyMark, i, 1});
        ++i;
      }
      continue;
    }
    // Specifications found further on may begin inside text that was skipped here.
    while (next < formats.size() && formats[next].start < i)
      ++next;
    ++i;
  }
  return spans;
}

} // namespace tarvelo

// Finding printf format specifications and comparing their order.
#include "workbench/format_specification.h"

namespace tarvelo {

namespace {

bool isFlag(QChar c) {
  return c == u'#' || c == u'*' || c == u'-' || c == u'+' || c == u'0';
}

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

bool isType(QChar c) {
  static const QString types = QStringLiteral("csCSGXdefginopux");
  return types.contains(c);
}

} // namespace

int nextFormatSpecification(const QString &text, int from, QString *spec) {
  const int length = int(text.size());
  int i = std::max(from, 0);
  while (i < length) {
    const int percent = int(text.indexOf(u'%', i));
    if (percent < 0)
      return -1;
    i = percent + 1;
    if (i < length && text[i] == u'%') {
      ++i; // a literal percent sign
      continue;
    }
    bool widthFromArgument = false;
    while (i < length && isFlag(text[i])) {
      widthFromArgument = widthFromArgument || text[i] == u'*';
      ++i;
    }
    if (!widthFromArgument)
      while (i < length && isDigit(text[i]))
        ++i;
    if (i < length && text[i] == u'.') {
      ++i;
      if (i < length && text[i] == u'*')
        ++i;
      else
        while (i < length && isDigit(text[i]))
          ++i;
    }
    if (QStringView(text).mid(i).startsWith(u"I64"))
      i += 3;
    else if (i < length && (text[i] == u'h' || text[i] == u'l' || text[i] == u'F' ||
                            text[i] == u'L' || text[i] == u'N'))
      ++i;
    if (i >= length)
      return -1;
    const QChar type = text[i++];
    if (isType(type)) {
      if (spec)
        *spec = text.mid(percent + 1, i - percent - 1);
      return i;
    }
    // Any other character ends nothing; the search goes on after it.
  }
  return -1;
}

bool sameFormatSpecifications(const QString &source, const QString &target) {
  int s = 0, t = 0;
  for (;;) {
    QString a, b;
    s = s < 0 ? -1 : nextFormatSpecification(source, s, &a);
    t = t < 0 ? -1 : nextFormatSpecification(target, t, &b);
    if (s < 0 && t < 0)
      return true;
    if (s < 0 || t < 0 || a != b)
      return false;
  }
}

} // namespace tarvelo

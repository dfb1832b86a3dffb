// Reading and quoting glossary fields, and splitting quoted records.
#include "exchange/csv_fields.h"

namespace tarvelo {

namespace {

QString unquoted(QStringView field) {
  QString text;
  text.reserve(field.size() + 2);
  text += u'"';
  text += field;
  text += u'"';
  text.replace(QLatin1String("\"\""), QLatin1String("\""));
  if (text.startsWith(u'"'))
    text[0] = u' ';
  if (text.endsWith(u'"'))
    text[text.size() - 1] = u' ';
  qsizetype from = 0, to = text.size();
  while (from < to && text[from] == u' ')
    ++from;
  while (to > from && text[to - 1] == u' ')
    --to;
  return text.mid(from, to - from);
}

} // namespace

QString delimiterCharacters(int bits) {
  QString set;
  if (bits & DelimiterTab)
    set += u'\t';
  if (bits & DelimiterSemicolon)
    set += u';';
  if (bits & DelimiterComma)
    set += u',';
  return set;
}

QStringList readCsvFields(QStringView line, int delimiterBits, int wanted) {
  const QString delimiters = delimiterCharacters(delimiterBits);
  QStringList fields;
  qsizetype pos = 0;
  const qsizetype size = line.size();
  while (fields.size() < wanted && pos <= size) {
    // A field takes tokens while its quotes are unbalanced; counting as it goes keeps a
    // long line linear.
    const qsizetype start = pos;
    int quotes = 0;
    qsizetype end = pos;
    for (;;) {
      while (end < size && !delimiters.contains(line[end])) {
        if (line[end] == u'"')
          ++quotes;
        ++end;
      }
      if (quotes % 2 == 0 || end >= size)
        break;
      ++end; // the delimiter belongs to the field
    }
    fields.append(unquoted(line.mid(start, end - start)));
    pos = end + 1;
  }
  return fields;
}

QString quotedCsvField(const QString &text) {
  QString field = text;
  field.replace(QLatin1String("\""), QLatin1String("\"\""));
  return u'"' + field + u'"';
}

QStringList splitQuotedRecords(const QString &text) {
  QStringList records;
  bool quoted = false;
  qsizetype from = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'"') {
      quoted = !quoted;
    } else if (text[i] == u'\n' && !quoted) {
      const qsizetype end = i > from && text[i - 1] == u'\r' ? i - 1 : i;
      records.append(text.mid(from, end - from));
      from = i + 1;
    }
  }
  if (from < text.size())
    records.append(text.mid(from));
  return records;
}

} // namespace tarvelo

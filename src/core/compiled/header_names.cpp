// Reading the numeric macros of a resource header and choosing a name for a number.
#include "compiled/header_names.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tarvelo {

namespace {

// The header's text with comments blanked and continued lines joined, line by line.
QStringList logicalLines(const QString &text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'/' && i + 1 < text.size() && text[i + 1] == u'/') {
      while (i < text.size() && text[i] != u'\n')
        ++i;
      --i;
    } else if (text[i] == u'/' && i + 1 < text.size() && text[i + 1] == u'*') {
      const qsizetype end = text.indexOf(QLatin1String("*/"), i + 2);
      // A comment may span lines: the line count stays, the text goes.
      const qsizetype stop = end < 0 ? text.size() : end + 2;
      plain += u' ';
      plain += QString(text.mid(i, stop - i).count(u'\n'), u'\n');
      i = stop - 1;
    } else if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'\n') {
      ++i;
    } else if (text[i] != u'\r') {
      plain += text[i];
    }
  }
  return plain.split(u'\n');
}

bool isIdentifierChar(QChar c, bool first) {
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_' ||
         (!first && u >= u'0' && u <= u'9');
}

// A number as a definition gives it: decimal, hexadecimal or octal, with U and L
// suffixes, in parentheses, negative.
bool parseNumber(QStringView text, qint64 &value, bool &longValue) {
  bool negative = false;
  for (;;) {
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')')
      text = text.sliced(1, text.size() - 2);
    else if (text.startsWith(u'-') || text.startsWith(u'+')) {
      negative = negative != (text.front() == u'-');
      text = text.sliced(1);
    } else {
      break;
    }
  }
  longValue = false;
  for (int i = 0; i < 3 && !text.isEmpty() && QStringLiteral("uUlL").contains(text.back()); ++i) {
    longValue = longValue || text.back() == u'l' || text.back() == u'L';
    text.chop(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text = text.sliced(2);
  } else if (text.size() > 1 && text[0] == u'0') {
    base = 8;
    text = text.sliced(1);
  }
  if (text.isEmpty() || text.front() == u'-' || text.front() == u'+')
    return false;
  bool ok = false;
  const qulonglong number = text.toULongLong(&ok, base);
  if (!ok || number > 0xFFFFFFFFull)
    return false;
  value = negative ? -qint64(number) : qint64(number);
  return true;
}

// The directive of a line beginning with '#' ("define"), and the rest after it.
QString directive(QStringView line, QStringView &rest) {
  line = line.trimmed();
  if (!line.startsWith(u'#'))
    return {};
  line = line.sliced(1).trimmed();
  qsizetype end = 0;
  while (end < line.size() && isIdentifierChar(line[end], false))
    ++end;
  rest = line.sliced(end).trimmed();
  return line.first(end).toString();
}

bool isStudioBlock(const QString &word, QStringView rest) {
  QString condition = rest.toString();
  condition.remove(u' ').remove(u'\t');
  return (word == QLatin1String("ifdef") && condition == QLatin1String("APSTUDIO_INVOKED")) ||
         (word == QLatin1String("if") && (condition == QLatin1String("defined(APSTUDIO_INVOKED)") ||
                                          condition == QLatin1String("definedAPSTUDIO_INVOKED")));
}

void readDefine(QStringView rest, HeaderNames &names) {
  qsizetype end = 0;
  while (end < rest.size() && isIdentifierChar(rest[end], end == 0))
    ++end;
  // A macro with parameters is no number's name.
  if (end == 0 || (end < rest.size() && rest[end] == u'('))
    return;
  const QString name = rest.first(end).toString();
  qint64 value = 0;
  bool longValue = false;
  if (!name.startsWith(QLatin1String("_APS_")) && parseNumber(rest.sliced(end), value, longValue))
    names.define(name, value, longValue);
}

QString decoded(const QByteArray &text) {
  if (text.startsWith("\xff\xfe") || text.startsWith("\xfe\xff")) {
    QStringDecoder decoder(text.startsWith("\xff\xfe") ? QStringDecoder::Utf16LE
                                                       : QStringDecoder::Utf16BE);
    return decoder(QByteArrayView(text).sliced(2));
  }
  // Names and numbers are ASCII: any other byte stands for itself.
  return QString::fromLatin1(text);
}

bool isStandardButton(const QString &name) {
  static const QStringList standard = {"IDOK",     "IDCANCEL",   "IDABORT",   "IDRETRY",
                                       "IDIGNORE", "IDYES",      "IDNO",      "IDCLOSE",
                                       "IDHELP",   "IDTRYAGAIN", "IDCONTINUE"};
  return standard.contains(name);
}

// The prefixes the resource editors give each kind's names, the preferred first.
QStringList prefixesOf(NameKind kind) {
  switch (kind) {
  case NameKind::Dialog:
    return {"IDD_"};
  case NameKind::Menu:
    return {"IDR_", "IDM_"};
  case NameKind::MenuItem:
    return {"ID_", "IDM_"};
  case NameKind::String:
    return {"IDS_", "IDP_"};
  case NameKind::Control:
  case NameKind::DlgInitControl:
    return {"IDC_", "ID_"};
  case NameKind::DlgInit:
    return {"IDR_", "IDD_"};
  case NameKind::Version:
    return {"VS_VERSION_INFO", "IDR_"};
  case NameKind::Other:
    break;
  }
  return {"IDR_"};
}

} // namespace

void HeaderNames::define(const QString &name, qint64 value, bool longValue) {
  QStringList &names = m_names[value];
  if (!names.contains(name))
    names.append(name);
  if (longValue)
    m_long.append(name);
}

QString HeaderNames::name(qint64 value, NameKind kind) const {
  QStringList names = m_names.value(value);
  if (kind == NameKind::DlgInitControl)
    names.removeIf([this](const QString &name) { return m_long.contains(name); });
  if (names.isEmpty())
    return {};
  for (const QString &prefix : prefixesOf(kind))
    for (const QString &name : std::as_const(names))
      if (name.startsWith(prefix))
        return name;
  if (kind == NameKind::Control || kind == NameKind::DlgInitControl)
    for (const QString &name : std::as_const(names))
      if (isStandardButton(name))
        return name;
  return names.front();
}

HeaderNames parseHeaderNames(const QByteArray &text) {
  HeaderNames names;
  int depth = 0;
  int studioDepth = 0; // the depth of the APSTUDIO_INVOKED block being passed over
  for (const QString &line : logicalLines(decoded(text))) {
    QStringView rest;
    const QString word = directive(line, rest);
    if (word == QLatin1String("if") || word == QLatin1String("ifdef") ||
        word == QLatin1String("ifndef")) {
      ++depth;
      if (studioDepth == 0 && isStudioBlock(word, rest))
        studioDepth = depth;
    } else if (word == QLatin1String("else") || word == QLatin1String("elif")) {
      if (depth == studioDepth)
        studioDepth = 0;
    } else if (word == QLatin1String("endif")) {
      if (depth == studioDepth)
        studioDepth = 0;
      depth = qMax(0, depth - 1);
    } else if (word == QLatin1String("define") && studioDepth == 0) {
      readDefine(rest, names);
    }
  }
  return names;
}

bool readHeaderNames(const QString &path, HeaderNames &names, QString &error) {
  const QFileInfo info(path);
  QFile file(path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("%1: the header cannot be read: %2")
                .arg(info.absoluteFilePath(),
                     info.exists()
                         ? (info.isFile() ? file.errorString() : QStringLiteral("it is not a file"))
                         : QStringLiteral("no such file"));
    return false;
  }
  // A header names a program's identifiers; a file far larger is not one, and a project
  // from someone else must not make the program read gigabytes.
  constexpr qint64 kLargestHeader = 16 * 1024 * 1024;
  if (info.size() > kLargestHeader) {
    error = QStringLiteral("%1: the header cannot be read: it is larger than %2 MB")
                .arg(info.absoluteFilePath())
                .arg(kLargestHeader / (1024 * 1024));
    return false;
  }
  names = parseHeaderNames(file.read(kLargestHeader));
  names.fileName = info.fileName();
  return true;
}

} // namespace tarvelo

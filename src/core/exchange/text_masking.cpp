// Masking what a translation service must keep verbatim, and restoring it after.
#include "exchange/text_masking.h"

#include "workbench/format_specification.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tarvelo {

namespace {

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c) {
  return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The closing "!" of a FormatMessage insert's printf format ("%1!d!", "%2!-10ls!"),
// which is short and made of format characters; -1 when there is none.
int insertFormatEnd(const QString &text, int from) {
  constexpr int kLongestFormat = 12;
  for (int i = from; i < text.size() && i <= from + kLongestFormat; ++i) {
    const QChar c = text[i];
    if (c == u'!')
      return i > from ? i : -1;
    if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !QStringView(u"-+ #.*").contains(c))
      return -1;
  }
  return -1;
}

} // namespace

int verbatimPieceLength(const QString &text, int i) {
  const int length = int(text.size());
  const QChar c = text[i];
  // "&&" is an ampersand; a mark that is not the access key stays where it is.
  if (c == u'&')
    return i + 1 < length && text[i + 1] == u'&' ? 2 : 1;
  if (c == u'\\') {
    if (i + 1 >= length)
      return 1;
    int end = i + 2;
    if (text[i + 1] == u'x' || text[i + 1] == u'X') {
      while (end < length && end < i + 6 && isHexDigit(text[end]))
        ++end;
    } else if (isDigit(text[i + 1])) {
      while (end < length && end < i + 4 && isDigit(text[end]))
        ++end;
    }
    return end - i;
  }
  if (c == u'%') {
    if (i + 1 < length && text[i + 1] == u'%')
      return 2;
    // FormatMessage's numbered inserts: %1, %12, %1!d!.
    if (i + 1 < length && isDigit(text[i + 1])) {
      int end = i + 1;
      while (end < length && isDigit(text[end]))
        ++end;
      if (end < length && text[end] == u'!') {
        const int close = insertFormatEnd(text, end + 1);
        if (close > end)
          end = close + 1;
      }
      // A printf width such as %5d is a specification of its own.
      QString spec;
      const int printfEnd = nextFormatSpecification(text, i, &spec);
      if (printfEnd > 0 && printfEnd - int(spec.size()) - 1 == i && printfEnd > end)
        return printfEnd - i;
      return end - i;
    }
    QString spec;
    const int end = nextFormatSpecification(text, i, &spec);
    if (end > 0 && end - int(spec.size()) - 1 == i)
      return end - i;
    return 0;
  }
  if (c == u'{') {
    int end = i + 1;
    while (end < length && isDigit(text[end]))
      ++end;
    if (end > i + 1 && end < length && text[end] == u'}')
      return end + 1 - i;
  }
  return 0;
}

namespace {

int pieceLength(const QString &text, int i) {
  return verbatimPieceLength(text, i);
}

QString placeholder(int index) {
  return u'{' + QString::number(index) + u'}';
}

const QRegularExpression &placeholderPattern() {
  static const QRegularExpression pattern(QStringLiteral("\\{\\s*(\\d+)\\s*\\}"));
  return pattern;
}

// The leading placeholder of the text at i, as its length, or 0.
int placeholderAt(const QString &text, int i) {
  const QRegularExpressionMatch match = placeholderPattern().match(
      text, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
  return match.hasMatch() ? int(match.capturedLength()) : 0;
}

QString restored(const QString &text, const QStringList &pieces, QList<bool> *used = nullptr) {
  QString result;
  int last = 0;
  QRegularExpressionMatchIterator it = placeholderPattern().globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch match = it.next();
    const int index = match.captured(1).toInt();
    if (index < 0 || index >= pieces.size())
      continue;
    result += QStringView(text).mid(last, match.capturedStart() - last);
    result += pieces[index];
    if (used)
      (*used)[index] = true;
    last = int(match.capturedEnd());
  }
  result += QStringView(text).mid(last);
  return result;
}

// Puts "&" before the key in the translation (outside placeholders), else before its
// first letter, else in front.
QString withAccessKey(const QString &text, QChar key) {
  int firstLetter = -1;
  for (int i = 0; i < text.size();) {
    if (const int skip = placeholderAt(text, i)) {
      i += skip;
      continue;
    }
    if (text[i].toCaseFolded() == key.toCaseFolded())
      return text.left(i) + u'&' + text.mid(i);
    if (firstLetter < 0 && text[i].isLetter())
      firstLetter = i;
    ++i;
  }
  const int at = firstLetter < 0 ? 0 : firstLetter;
  return text.left(at) + u'&' + text.mid(at);
}

} // namespace

MaskedText maskText(const QString &source) {
  MaskedText masked;
  QString body;
  for (int i = 0; i < source.size();) {
    const QChar c = source[i];
    if (c == u'&' && masked.accessKey.isNull() && i + 1 < source.size() && source[i + 1] != u'&' &&
        !source[i + 1].isSpace() && pieceLength(source, i + 1) == 0) {
      masked.accessKey = source[i + 1];
      ++i; // the mark goes; the letter stays
      continue;
    }
    const int length = pieceLength(source, i);
    if (length > 0) {
      body += placeholder(int(masked.pieces.size()));
      masked.pieces.append(source.mid(i, length));
      i += length;
      continue;
    }
    body += c;
    ++i;
  }
  // Spaces, escapes and marks at either end stay where they are; format
  // specifications go to the service, which may move them as the language needs.
  const auto keptAside = [&masked](const QString &text, int at) {
    if (text[at].isSpace())
      return 1;
    const int length = placeholderAt(text, at);
    if (length == 0)
      return 0;
    const QString piece = masked.pieces.value(text.mid(at + 1, length - 2).trimmed().toInt());
    return piece.startsWith(u'\\') || piece.startsWith(u'&') ? length : 0;
  };
  int start = 0;
  while (start < body.size()) {
    const int skip = keptAside(body, start);
    if (skip == 0)
      break;
    start += skip;
  }
  int end = int(body.size());
  while (end > start) {
    if (body[end - 1].isSpace()) {
      --end;
      continue;
    }
    if (body[end - 1] == u'}') {
      const int open = int(body.lastIndexOf(u'{', end - 1));
      if (open >= start && placeholderAt(body, open) == end - open &&
          keptAside(body, open) == end - open) {
        end = open;
        continue;
      }
    }
    break;
  }
  masked.prefix = restored(body.left(start), masked.pieces);
  masked.suffix = restored(body.mid(end), masked.pieces);
  masked.sent = body.mid(start, end - start);
  // Nothing but pieces and punctuation: there is nothing to translate.
  bool letters = false;
  for (int i = 0; i < masked.sent.size() && !letters;) {
    if (const int skip = placeholderAt(masked.sent, i)) {
      i += skip;
      continue;
    }
    letters = masked.sent[i].isLetter();
    ++i;
  }
  if (!letters) {
    MaskedText verbatim;
    verbatim.prefix = source;
    return verbatim;
  }
  return masked;
}

QString answerRefusal(const MaskedText &masked, const QString &translation) {
  const auto count = [](const QString &text) {
    int found = 0;
    for (QRegularExpressionMatchIterator it = placeholderPattern().globalMatch(text); it.hasNext();
         it.next())
      ++found;
    return found;
  };
  if (count(translation) > count(masked.sent))
    return QCoreApplication::translate("MachineTranslation",
                                       "it holds more placeholders than the text sent");
  if (translation.size() > kAnswerGrowth * masked.sent.size() + kAnswerSlack)
    return QCoreApplication::translate("MachineTranslation",
                                       "it is much longer than the text sent");
  return QString();
}

QString unmaskText(const MaskedText &masked, const QString &translation) {
  if (masked.sent.isEmpty())
    return masked.prefix + masked.suffix;
  QString middle = translation.trimmed();
  if (middle.isEmpty())
    return QString();
  if (!masked.accessKey.isNull())
    middle = withAccessKey(middle, masked.accessKey);
  QList<bool> used(masked.pieces.size(), false);
  QString result = restored(middle, masked.pieces, &used);
  // A piece of the sent text that the service dropped is kept at the end, where the
  // inspection shows it.
  for (qsizetype i = 0; i < masked.pieces.size(); ++i)
    if (!used[i] && masked.sent.contains(placeholder(int(i))))
      result += masked.pieces[i];
  return masked.prefix + result + masked.suffix;
}

} // namespace tarvelo

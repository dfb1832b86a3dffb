// A VERSIONINFO block declared again for another language.
#include "script/version_info.h"

#include "script/keywords.h"
#include "script/language.h"

#include <QRegularExpression>

namespace tarvelo {

namespace {

constexpr int kUnicode = 1200;

int targetCodePage(int targetLanguage) {
  const int codePage = defaultCodePage(targetLanguage);
  return codePage > 0 ? codePage : kUnicode;
}

// A number written again in the form of the one it replaces: hexadecimal with the
// same prefix and letter case, or decimal.
QString sameForm(const QString &written, int value) {
  if (written.size() > 1 && written[0] == u'0' && (written[1] == u'x' || written[1] == u'X')) {
    const bool upper = written.mid(2).contains(QRegularExpression(QStringLiteral("[A-F]")));
    QString digits = QString::number(value, 16);
    if (upper)
      digits = digits.toUpper();
    return written.left(2) + digits;
  }
  return QString::number(value);
}

QString hex4(int value, bool upper) {
  const QString digits = QStringLiteral("%1").arg(value & 0xffff, 4, 16, QLatin1Char('0'));
  return upper ? digits.toUpper() : digits;
}

} // namespace

QString adaptVersionInfo(const QString &block, int sourceLanguage, int targetLanguage) {
  if (sourceLanguage < 0 || targetLanguage < 0 || sourceLanguage == targetLanguage)
    return block;
  QString out = block;

  // BLOCK "040904b0": language, then code page.
  static const QRegularExpression name(
      QStringLiteral("(\\bBLOCK\\s+L?\")([0-9A-Fa-f]{4})([0-9A-Fa-f]{4})(\")"),
      QRegularExpression::CaseInsensitiveOption);
  for (qsizetype from = 0;;) {
    const QRegularExpressionMatch match = name.match(out, from);
    if (!match.hasMatch())
      break;
    from = match.capturedEnd();
    bool ok = false;
    const int language = match.captured(2).toInt(&ok, 16);
    if (!ok || language != sourceLanguage)
      continue;
    const int codePage = match.captured(3).toInt(nullptr, 16);
    const bool upper = match.captured(2).contains(QRegularExpression(QStringLiteral("[A-F]"))) ||
                       match.captured(3).contains(QRegularExpression(QStringLiteral("[A-F]")));
    const QString replaced =
        hex4(targetLanguage, upper) +
        hex4(codePage == kUnicode ? kUnicode : targetCodePage(targetLanguage), upper);
    out.replace(match.capturedStart(2), 8, replaced);
  }

  // VALUE "Translation", 0x409, 1200[, language, code page ...]
  static const QRegularExpression translation(
      QStringLiteral("\\bVALUE\\s+L?\"Translation\"((?:\\s*,\\s*[0-9A-Za-z]+)+)"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = translation.match(out);
  if (match.hasMatch()) {
    static const QRegularExpression number(QStringLiteral("[0-9A-Za-z]+"));
    QList<QRegularExpressionMatch> numbers;
    for (auto it = number.globalMatch(match.captured(1)); it.hasNext();)
      numbers.append(it.next());
    QString values = match.captured(1);
    // Right to left, so that earlier positions stay valid.
    for (qsizetype i = (numbers.size() & ~qsizetype(1)) - 2; i >= 0; i -= 2) {
      long long language = 0, codePage = 0;
      if (!numberValue(numbers[i].captured(), language) ||
          !numberValue(numbers[i + 1].captured(), codePage) || language != sourceLanguage)
        continue;
      const int newCodePage = codePage == kUnicode ? kUnicode : targetCodePage(targetLanguage);
      values.replace(numbers[i + 1].capturedStart(), numbers[i + 1].capturedLength(),
                     sameForm(numbers[i + 1].captured(), newCodePage));
      values.replace(numbers[i].capturedStart(), numbers[i].capturedLength(),
                     sameForm(numbers[i].captured(), targetLanguage));
    }
    out.replace(match.capturedStart(1), match.capturedLength(1), values);
  }
  return out;
}

} // namespace tarvelo

// Reading a limits file and counting a translation's characters against it.
#include "findings/length_limits.h"

#include <QCoreApplication>
#include <QFile>

namespace tarvelo {

namespace {

// A limits file is a few hundred lines at most; anything far larger is not one.
constexpr qint64 kLargestLimitsFile = 4 * 1024 * 1024;
constexpr int kLargestMaximum = 1000000;

// "*" any run of characters, "?" one character, everything else itself; a resource's
// name may hold "/" or "[", which the file-name wildcards of Qt treat specially.
QRegularExpression wildcardExpression(const QString &pattern) {
  QString expression = QStringLiteral("\\A");
  for (const QChar c : pattern) {
    if (c == u'*')
      expression += QLatin1String(".*");
    else if (c == u'?')
      expression += u'.';
    else
      expression += QRegularExpression::escape(QString(c));
  }
  expression += QLatin1String("\\z");
  return QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

bool LengthLimits::load(const QString &path, QString *error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QCoreApplication::translate("tarvelo::LengthLimits", "%1: cannot be read: %2")
                 .arg(path, file.errorString());
    return false;
  }
  if (file.size() > kLargestLimitsFile) {
    *error = QCoreApplication::translate("tarvelo::LengthLimits",
                                         "%1: is larger than %2 bytes; it is not a limits file")
                 .arg(path)
                 .arg(kLargestLimitsFile);
    return false;
  }
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = QCoreApplication::translate("tarvelo::LengthLimits", "%1: cannot be read: %2")
                 .arg(path, file.errorString());
    return false;
  }
  return parse(QString::fromUtf8(data), path, error);
}

bool LengthLimits::parse(const QString &text, const QString &fileName, QString *error) {
  static const QRegularExpression line(QStringLiteral("^(\\S+)\\s+(\\d+)$"));
  m_limits.clear();
  m_fileName = fileName;
  const QStringList lines = text.split(u'\n');
  for (int number = 1; number <= int(lines.size()); ++number) {
    const QString content = lines[number - 1].trimmed();
    if (content.isEmpty() || content.startsWith(u'#'))
      continue;
    const QRegularExpressionMatch found = line.match(content);
    bool numeric = false;
    const int maximum = found.hasMatch() ? found.captured(2).toInt(&numeric) : 0;
    if (!numeric || maximum > kLargestMaximum) {
      *error = QCoreApplication::translate(
                   "tarvelo::LengthLimits",
                   "%1 line %2: \"%3\" is not a pattern followed by a maximum length")
                   .arg(fileName)
                   .arg(number)
                   .arg(content);
      m_limits.clear();
      return false;
    }
    LengthLimit limit;
    limit.pattern = found.captured(1);
    limit.maximum = maximum;
    limit.line = number;
    limit.expression = wildcardExpression(limit.pattern);
    m_limits.push_back(std::move(limit));
  }
  return true;
}

const LengthLimit *LengthLimits::match(const QString &kind, const QString &identifier) const {
  const QString name = kind + u':' + identifier;
  for (const LengthLimit &limit : m_limits)
    if (limit.expression.match(name).hasMatch())
      return &limit;
  return nullptr;
}

int shownLength(const QString &text) {
  int length = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool pair = i + 1 < text.size() && text[i + 1] == c;
    if (c == u'&' && !pair)
      continue; // the access-key mark
    if ((c == u'&' || c == u'"') && pair)
      ++i;
    else if (c == u'\\' && i + 1 < text.size())
      ++i;
    ++length;
  }
  return length;
}

} // namespace tarvelo

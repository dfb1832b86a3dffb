// MyMemory's endpoint and the parsing of its answers, HTML entities undone.
#include "exchange/mymemory_provider.h"

#include "text/printable_text.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tarvelo {

namespace {

// MyMemory returns some characters as HTML entities.
QString withoutEntities(QString text) {
  static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
  QString result;
  int last = 0;
  QRegularExpressionMatchIterator it = numeric.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch match = it.next();
    bool ok = false;
    const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
    if (!ok || code == 0 || code > 0x10ffff)
      continue;
    result += QStringView(text).mid(last, match.capturedStart() - last);
    const char32_t character = code;
    result += QString::fromUcs4(&character, 1);
    last = int(match.capturedEnd());
  }
  result += QStringView(text).mid(last);
  result.replace(QLatin1String("&quot;"), QLatin1String("\""));
  result.replace(QLatin1String("&apos;"), QLatin1String("'"));
  result.replace(QLatin1String("&lt;"), QLatin1String("<"));
  result.replace(QLatin1String("&gt;"), QLatin1String(">"));
  result.replace(QLatin1String("&amp;"), QLatin1String("&"));
  return result;
}

} // namespace

int MyMemoryProvider::batchLimit() const {
  return 1;
}

QString MyMemoryProvider::endpoint() const {
  return addressOr(QStringLiteral("https://api.mymemory.translated.net"));
}

HttpRequest MyMemoryProvider::request(const QStringList &texts, const QString &sourceCode,
                                      const QString &targetCode) const {
  HttpRequest request = baseRequest();
  QString url = endpoint() + QStringLiteral("/get?q=") +
                QString::fromLatin1(formEncoded(texts.value(0))) + QStringLiteral("&langpair=") +
                QString::fromLatin1(formEncoded(sourceCode)) + QStringLiteral("%7C") +
                QString::fromLatin1(formEncoded(targetCode));
  if (!m_config.key.isEmpty())
    url += QStringLiteral("&key=") + QString::fromLatin1(formEncoded(m_config.key));
  request.url = url;
  return request;
}

ProviderAnswer MyMemoryProvider::parse(const HttpResponse &response, int count) const {
  ProviderAnswer answer;
  if (!response.answered()) {
    answer.error = transportError(response);
    return answer;
  }
  const QJsonDocument document = QJsonDocument::fromJson(response.body);
  if (!document.isObject()) {
    answer.error = response.ok() ? notUnderstood() : transportError(response);
    return answer;
  }
  const QJsonObject object = document.object();
  // The status comes as a number or as a text.
  const int status = object.value(QStringLiteral("responseStatus")).toVariant().toInt();
  const QJsonObject data = object.value(QStringLiteral("responseData")).toObject();
  if (status != 200) {
    QString details = object.value(QStringLiteral("responseDetails")).toString();
    if (details.isEmpty())
      details = data.value(QStringLiteral("translatedText")).toString();
    answer.error = details.isEmpty()
                       ? (response.ok() ? notUnderstood() : transportError(response))
                       : QCoreApplication::translate("MachineTranslation", "MyMemory: %1 (%2)")
                             .arg(serverText(details), QString::number(status));
    return answer;
  }
  const QJsonValue translated = data.value(QStringLiteral("translatedText"));
  if (count != 1 || !translated.isString()) {
    answer.error = notUnderstood();
    return answer;
  }
  answer.translations.append(withoutEntities(translated.toString()));
  return answer;
}

} // namespace tarvelo

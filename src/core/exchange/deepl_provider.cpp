// DeepL's endpoint, batch limit and the parsing of its answers.
#include "exchange/deepl_provider.h"

#include "text/printable_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelo {

int DeepLProvider::batchLimit() const {
  return 50; // DeepL takes up to 50 texts in one request
}

QString DeepLProvider::endpoint() const {
  // Free keys end in ":fx" and have an interface of their own.
  return addressOr(m_config.key.endsWith(QLatin1String(":fx"))
                       ? QStringLiteral("https://api-free.deepl.com")
                       : QStringLiteral("https://api.deepl.com"));
}

HttpRequest DeepLProvider::request(const QStringList &texts, const QString &sourceCode,
                                   const QString &targetCode) const {
  HttpRequest request = baseRequest();
  request.method = HttpRequest::Method::Post;
  request.url = endpoint() + QStringLiteral("/v2/translate");
  request.addHeader("Authorization", "DeepL-Auth-Key " + m_config.key.toUtf8());
  request.addHeader("Content-Type", "application/json");
  QJsonObject body;
  body.insert(QStringLiteral("text"), QJsonArray::fromStringList(texts));
  body.insert(QStringLiteral("source_lang"), sourceCode);
  body.insert(QStringLiteral("target_lang"), targetCode);
  body.insert(QStringLiteral("preserve_formatting"), true);
  request.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
  return request;
}

ProviderAnswer DeepLProvider::parse(const HttpResponse &response, int count) const {
  ProviderAnswer answer;
  if (!response.answered()) {
    answer.error = transportError(response);
    return answer;
  }
  const QJsonObject object = QJsonDocument::fromJson(response.body).object();
  switch (response.status) {
  case 403:
    answer.error = QCoreApplication::translate(
        "MachineTranslation",
        "DeepL refused the authentication key (HTTP 403). Check the key on the Machine "
        "Translation page of the options.");
    return answer;
  case 456:
    answer.error = QCoreApplication::translate(
        "MachineTranslation", "The DeepL quota of this key is used up (HTTP 456).");
    return answer;
  case 429:
    answer.error = QCoreApplication::translate(
        "MachineTranslation", "DeepL received too many requests; try again later (HTTP 429).");
    return answer;
  default:
    break;
  }
  if (!response.ok()) {
    const QString message = object.value(QStringLiteral("message")).toString();
    answer.error = message.isEmpty()
                       ? transportError(response)
                       : QCoreApplication::translate("MachineTranslation", "DeepL: %1 (HTTP %2)")
                             .arg(serverText(message), QString::number(response.status));
    return answer;
  }
  const QJsonArray translations = object.value(QStringLiteral("translations")).toArray();
  if (translations.size() == count)
    for (const QJsonValue &value : translations) {
      const QJsonValue text = value.toObject().value(QStringLiteral("text"));
      if (!text.isString()) {
        answer.translations.clear();
        break;
      }
      answer.translations.append(text.toString());
    }
  if (answer.translations.size() != count)
    answer.error = notUnderstood();
  return answer;
}

} // namespace tarvelo

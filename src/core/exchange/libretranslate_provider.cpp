// LibreTranslate's endpoint, batch limit, request body and the parsing of its answers.
#include "exchange/libretranslate_provider.h"

#include "text/printable_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelo {

int LibreTranslateProvider::batchLimit() const {
  return 50;
}

QString LibreTranslateProvider::endpoint() const {
  return addressOr(QStringLiteral("https://libretranslate.com"));
}

HttpRequest LibreTranslateProvider::request(const QStringList &texts, const QString &sourceCode,
                                            const QString &targetCode) const {
  HttpRequest request = baseRequest();
  request.method = HttpRequest::Method::Post;
  request.url = endpoint() + QStringLiteral("/translate");
  request.addHeader("Content-Type", "application/json");
  QJsonObject body;
  // One text goes as a string, which every version of the server takes.
  if (texts.size() == 1)
    body.insert(QStringLiteral("q"), texts.front());
  else
    body.insert(QStringLiteral("q"), QJsonArray::fromStringList(texts));
  body.insert(QStringLiteral("source"), sourceCode);
  body.insert(QStringLiteral("target"), targetCode);
  body.insert(QStringLiteral("format"), QStringLiteral("text"));
  if (!m_config.key.isEmpty())
    body.insert(QStringLiteral("api_key"), m_config.key);
  request.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
  return request;
}

ProviderAnswer LibreTranslateProvider::parse(const HttpResponse &response, int count) const {
  ProviderAnswer answer;
  if (!response.answered()) {
    answer.error = transportError(response);
    return answer;
  }
  const QJsonDocument document = QJsonDocument::fromJson(response.body);
  const QJsonObject object = document.object();
  const QString serverError = object.value(QStringLiteral("error")).toString();
  if (!serverError.isEmpty()) {
    // One arg call: a "%1" in the server's text stays text.
    answer.error = QCoreApplication::translate("MachineTranslation", "LibreTranslate: %1 (HTTP %2)")
                       .arg(serverText(serverError), QString::number(response.status));
    return answer;
  }
  if (!response.ok()) {
    answer.error = transportError(response);
    return answer;
  }
  const QJsonValue translated = object.value(QStringLiteral("translatedText"));
  if (translated.isString() && count == 1) {
    answer.translations.append(translated.toString());
  } else if (translated.isArray() && translated.toArray().size() == count) {
    for (const QJsonValue &value : translated.toArray()) {
      if (!value.isString()) {
        answer.translations.clear();
        break;
      }
      answer.translations.append(value.toString());
    }
  }
  if (answer.translations.size() != count)
    answer.error = notUnderstood();
  return answer;
}

} // namespace tarvelo

// The OpenAI-compatible provider: its address, requests and the reading of its answers.
#include "exchange/openai_provider.h"

#include "text/printable_text.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace tarvelo {

int OpenAiProvider::batchLimit() const {
  return std::max(1, m_config.modelBatch);
}

QString OpenAiProvider::endpoint() const {
  return addressOr(QStringLiteral("http://localhost:8080"));
}

HttpRequest OpenAiProvider::apiRequest(const QString &path) const {
  HttpRequest request = baseRequest();
  // An address given with its "/v1" is taken as it is.
  const QString base = endpoint();
  request.url =
      base + (base.endsWith(QLatin1String("/v1")) ? QString() : QStringLiteral("/v1")) + path;
  if (!m_config.key.isEmpty())
    request.addHeader("Authorization", "Bearer " + m_config.key.toUtf8());
  return request;
}

HttpRequest OpenAiProvider::modelsRequest() const {
  return apiRequest(QStringLiteral("/models"));
}

HttpRequest OpenAiProvider::chatRequest(const QList<ModelItem> &items, const QString &sourceTag,
                                        const QString &targetTag) const {
  HttpRequest request = apiRequest(QStringLiteral("/chat/completions"));
  request.totalTimeoutMs = m_config.modelTimeoutMs;
  request.method = HttpRequest::Method::Post;
  request.addHeader("Content-Type", "application/json");
  request.body = chatBody(items, {m_config.model, m_config.temperature, sourceTag, targetTag});
  return request;
}

HttpRequest OpenAiProvider::request(const QStringList &texts, const QString &sourceCode,
                                    const QString &targetCode) const {
  QList<ModelItem> items;
  for (const QString &text : texts) {
    items.append(ModelItem());
    items.back().text = text;
  }
  return chatRequest(items, sourceCode, targetCode);
}

ModelReply OpenAiProvider::reply(const HttpResponse &response, const QStringList &sent) const {
  if (response.ok()) {
    ModelReply read = readModelReply(response.body, sent);
    if (!read.problem.isEmpty())
      read.problem = answerProblem(read.problem);
    return read;
  }
  ModelReply failed;
  failed.texts.resize(sent.size());
  if (response.answered() && response.status == 401)
    failed.problem =
        QCoreApplication::translate(
            "MachineTranslation",
            "The language model at %1 refused the key (HTTP 401). Check the key on the Machine "
            "Translation page of the options.")
            .arg(endpoint());
  else if (response.answered() && response.status == 429)
    failed.problem =
        QCoreApplication::translate(
            "MachineTranslation", "The language model at %1 received too many requests (HTTP 429).")
            .arg(endpoint());
  else if (response.failure == HttpResponse::Failure::TooLarge)
    failed.problem =
        QCoreApplication::translate("MachineTranslation",
                                    "The answer of the language model at %1 is too large.")
            .arg(endpoint());
  else {
    // Servers put their reason in "error", as a text or as an object with a message.
    const QJsonValue error = QJsonDocument::fromJson(response.body).object().value("error");
    const QString message =
        error.isString() ? error.toString() : error.toObject().value("message").toString();
    failed.problem =
        response.answered() && !message.isEmpty()
            ? QCoreApplication::translate("MachineTranslation",
                                          "The language model at %1 answered: %2 (HTTP %3).")
                  .arg(endpoint(), serverText(message), QString::number(response.status))
            : transportError(response);
  }
  return failed;
}

QString OpenAiProvider::answerProblem(const QString &problem) const {
  return QCoreApplication::translate("MachineTranslation",
                                     "An answer of the language model at %1 was not used: %2.")
      .arg(endpoint(), problem);
}

ProviderAnswer OpenAiProvider::parse(const HttpResponse &response, int count) const {
  // Without the texts sent, an answer holding a placeholder fails; MachineTranslator
  // reads the model's answers with reply().
  ProviderAnswer answer;
  const ModelReply read = reply(response, QStringList(count, QString()));
  for (const auto &text : read.texts)
    answer.translations.append(text.value_or(QString()));
  answer.promptTokens = read.promptTokens;
  answer.completionTokens = read.completionTokens;
  if (read.failed() == count)
    answer.error = read.problem.isEmpty() ? notUnderstood() : read.problem;
  return answer;
}

} // namespace tarvelo

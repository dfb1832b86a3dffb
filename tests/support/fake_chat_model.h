// A scripted language model behind the chat-completions protocol, for LocalHttpServer.
#pragma once

#include "support/local_http_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

namespace tarvelo::test {

// The items of a chat-completions request, as the user message carries them.
inline QJsonArray chatItems(const LocalHttpServer::Request &request) {
  const QJsonArray messages =
      QJsonDocument::fromJson(request.body).object().value("messages").toArray();
  const QString content = messages.last().toObject().value("content").toString();
  return QJsonDocument::fromJson(content.toUtf8()).object().value("items").toArray();
}

// An answer whose message content is given as it is, with the usage counted.
inline LocalHttpServer::Reply chatReply(const QString &content, int promptTokens = 100,
                                        int completionTokens = 20) {
  const QJsonObject message{{"role", "assistant"}, {"content", content}};
  const QJsonObject body{
      {"object", "chat.completion"},
      {"choices",
       QJsonArray{QJsonObject{{"index", 0}, {"message", message}, {"finish_reason", "stop"}}}},
      {"usage",
       QJsonObject{{"prompt_tokens", promptTokens}, {"completion_tokens", completionTokens}}}};
  return LocalHttpServer::json(QJsonDocument(body).toJson(QJsonDocument::Compact));
}

// A model that answers every item of a request with translate(item) as it should.
inline LocalHttpServer::Handler
chatModel(std::function<QString(const QJsonObject &item)> translate) {
  return [translate](const LocalHttpServer::Request &request) {
    if (request.path != "/v1/chat/completions" || request.method != "POST")
      return LocalHttpServer::json(R"({"error":"not found"})", 404);
    QJsonArray out;
    for (const QJsonValue &item : chatItems(request))
      out.append(QJsonObject{{"index", item.toObject().value("index")},
                             {"text", translate(item.toObject())}});
    return chatReply(QString::fromUtf8(
        QJsonDocument(QJsonObject{{"translations", out}}).toJson(QJsonDocument::Compact)));
  };
}

} // namespace tarvelo::test

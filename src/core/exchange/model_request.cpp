// Building chat-completions requests for a language model and validating its answers.
#include "exchange/model_request.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <algorithm>

namespace tarvelo {

namespace {

QString problemText(const char *text) {
  return QCoreApplication::translate("MachineTranslation", text);
}

QJsonObject itemObject(const ModelItem &item, int index) {
  QJsonObject object{{"index", index}, {"text", item.text}, {"resource", item.kind}};
  if (!item.identifier.isEmpty())
    object.insert(QStringLiteral("identifier"), item.identifier);
  if (!item.caption.isEmpty())
    object.insert(QStringLiteral("dialog_caption"), item.caption);
  if (!item.others.isEmpty())
    object.insert(QStringLiteral("other_controls"), QJsonArray::fromStringList(item.others));
  if (!item.menuPath.isEmpty())
    object.insert(QStringLiteral("menu_path"), QJsonArray::fromStringList(item.menuPath));
  if (!item.comment.isEmpty())
    object.insert(QStringLiteral("comment"), item.comment);
  if (!item.terms.isEmpty()) {
    QJsonArray terms;
    for (const auto &[source, target] : item.terms)
      terms.append(QJsonObject{{"source", source}, {"target", target}});
    object.insert(QStringLiteral("terms"), terms);
  }
  if (item.roomWidth > 0) {
    const int lines = std::max(1, item.roomLines);
    object.insert(QStringLiteral("room"),
                  QJsonObject{{"width_px", item.roomWidth},
                              {"lines", lines},
                              {"about_characters", item.roomChars},
                              {"rule", QStringLiteral("The translation is drawn in the dialog's "
                                                      "font and must fit %1 pixels on %2 "
                                                      "line(s); prefer a shorter wording.")
                                           .arg(item.roomWidth)
                                           .arg(lines)}});
  }
  if (!item.previous.isEmpty())
    object.insert(QStringLiteral("too_long"),
                  QJsonObject{{"previous_translation", item.previous},
                              {"needed_width_px", item.previousWidth},
                              {"ask", QStringLiteral("The previous translation does not fit the "
                                                     "room; give a shorter wording.")}});
  return object;
}

// The placeholders "{n}" of a masked text, counted by number.
QMap<int, int> placeholders(const QString &text) {
  QMap<int, int> found;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    if (text[i] != u'{')
      continue;
    qsizetype j = i + 1;
    int number = 0;
    while (j < size && text[j].isDigit() && j - i < 6)
      number = number * 10 + text[j++].digitValue();
    if (j > i + 1 && j < size && text[j] == u'}') {
      ++found[number];
      i = j;
    }
  }
  return found;
}

// The message content without a code fence around it.
QByteArray unfenced(QByteArray content) {
  content = content.trimmed();
  if (content.startsWith("```") && content.endsWith("```") && content.size() >= 6) {
    const qsizetype lineEnd = content.indexOf('\n');
    if (lineEnd < 0)
      return content;
    content = content.mid(lineEnd + 1, content.size() - lineEnd - 4).trimmed();
  }
  return content;
}

} // namespace

QString modelInstructions() {
  return QStringLiteral(
      "You translate the user-interface texts of a Windows program from the source language "
      "to the target language. The user message is a JSON object with the languages and the "
      "items; each item gives the text and where it stands: the resource kind and "
      "identifier, for dialog controls the dialog's caption and the other controls' texts, "
      "for menu items the popups above it, a comment, and terms with the translations "
      "already used for them. Keep every placeholder such as {0} exactly once and "
      "unchanged. Where an item gives a room in pixels, the translation must fit it. Where "
      "an item says too_long, its previous translation did not fit: give a shorter "
      "wording. Answer with one JSON object and nothing else: "
      "{\"translations\":[{\"index\":0,\"text\":\"...\"}]}, one entry per item.");
}

QByteArray chatBody(const QList<ModelItem> &items, const ModelRequestHead &head) {
  QJsonArray list;
  for (qsizetype i = 0; i < items.size(); ++i)
    list.append(itemObject(items[i], int(i)));
  const QJsonObject user{
      {"source_language", head.sourceTag}, {"target_language", head.targetTag}, {"items", list}};
  const QJsonArray messages{QJsonObject{{"role", "system"}, {"content", modelInstructions()}},
                            QJsonObject{{"role", "user"},
                                        {"content", QString::fromUtf8(QJsonDocument(user).toJson(
                                                        QJsonDocument::Compact))}}};
  QJsonObject body{{"messages", messages},
                   {"stream", false},
                   {"temperature", head.temperature},
                   {"response_format", QJsonObject{{"type", "json_object"}}}};
  if (!head.model.isEmpty())
    body.insert(QStringLiteral("model"), head.model);
  return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

int ModelReply::failed() const {
  int count = 0;
  for (const auto &text : texts)
    count += text ? 0 : 1;
  return count;
}

QString maskProblem(const QString &sent, const QString &answer) {
  if (placeholders(sent) != placeholders(answer))
    return problemText(QT_TRANSLATE_NOOP("MachineTranslation",
                                         "the placeholders sent do not come back exactly once"));
  return QString();
}

ModelReply readModelReply(const QByteArray &body, const QStringList &sent) {
  ModelReply reply;
  const qsizetype count = sent.size();
  reply.texts.resize(count);
  const QJsonObject outer = QJsonDocument::fromJson(body).object();
  const QJsonObject usage = outer.value(QStringLiteral("usage")).toObject();
  reply.promptTokens = usage.value(QStringLiteral("prompt_tokens")).toInt();
  reply.completionTokens = usage.value(QStringLiteral("completion_tokens")).toInt();
  const QJsonValue content = outer.value(QStringLiteral("choices"))
                                 .toArray()
                                 .at(0)
                                 .toObject()
                                 .value(QStringLiteral("message"))
                                 .toObject()
                                 .value(QStringLiteral("content"));
  QJsonParseError error{};
  const QJsonDocument inner =
      QJsonDocument::fromJson(unfenced(content.toString().toUtf8()), &error);
  if (!content.isString() || error.error != QJsonParseError::NoError || !inner.isObject()) {
    reply.problem = problemText(
        QT_TRANSLATE_NOOP("MachineTranslation", "the answer is not the JSON object asked for"));
    return reply;
  }
  const QJsonArray list = inner.object().value(QStringLiteral("translations")).toArray();
  std::vector<int> seen(size_t(count), 0);
  QList<QString> texts(count);
  for (const QJsonValue &value : list) {
    const QJsonObject object = value.toObject();
    const QJsonValue index = object.value(QStringLiteral("index"));
    const QJsonValue text = object.value(QStringLiteral("text"));
    const double number = index.toDouble(-1);
    if (!index.isDouble() || number != double(int(number)) || number < 0 || number >= count) {
      reply.problem = problemText(
          QT_TRANSLATE_NOOP("MachineTranslation", "the answer holds an item that was not sent"));
      continue;
    }
    const auto at = size_t(number);
    ++seen[at];
    texts[qsizetype(at)] = text.isString() ? text.toString() : QString();
  }
  for (qsizetype i = 0; i < count; ++i) {
    QString problem;
    if (seen[size_t(i)] != 1)
      problem = seen[size_t(i)] == 0
                    ? problemText(QT_TRANSLATE_NOOP("MachineTranslation",
                                                    "an item is missing from the answer"))
                    : problemText(
                          QT_TRANSLATE_NOOP("MachineTranslation", "an item comes more than once"));
    else if (texts[i].trimmed().isEmpty())
      problem = problemText(QT_TRANSLATE_NOOP("MachineTranslation", "an item has no text"));
    else
      problem = maskProblem(sent[i], texts[i]);
    if (problem.isEmpty())
      reply.texts[i] = texts[i];
    else if (reply.problem.isEmpty())
      reply.problem = problem;
  }
  return reply;
}

} // namespace tarvelo

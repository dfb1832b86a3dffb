// A language model's answers checked item by item: JSON only, every item once, masks kept.
#include "exchange/model_context.h"
#include "exchange/model_request.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// A chat-completions answer whose message is the content given.
QByteArray chatAnswer(const QString &content) {
  const QJsonObject message{{"role", "assistant"}, {"content", content}};
  return QJsonDocument(
             QJsonObject{{"choices", QJsonArray{QJsonObject{{"message", message}}}},
                         {"usage", QJsonObject{{"prompt_tokens", 120}, {"completion_tokens", 30}}}})
      .toJson();
}

struct ReplyCase {
  const char *name;
  const char *content;
  // The item texts taken, "-" for a failed item.
  std::vector<const char *> expected;
};

const QStringList kSent = {QStringLiteral("Open {0}"), QStringLiteral("Close"),
                           QStringLiteral("{0} of {1}")};

const ReplyCase kCases[] = {
    {"AllThree",
     R"({"translations":[{"index":0,"text":"{0} öffnen"},{"index":1,"text":"Schließen"},)"
     R"({"index":2,"text":"{0} von {1}"}]})",
     {"{0} öffnen", "Schließen", "{0} von {1}"}},
    {"OrderDoesNotMatter",
     R"({"translations":[{"index":2,"text":"{1}: {0}"},{"index":0,"text":"{0} öffnen"},)"
     R"({"index":1,"text":"Schließen"}]})",
     {"{0} öffnen", "Schließen", "{1}: {0}"}},
    {"InACodeFence",
     "```json\n{\"translations\":[{\"index\":0,\"text\":\"{0} öffnen\"},{\"index\":1,\"text\":"
     "\"Zu\"},{\"index\":2,\"text\":\"{0}/{1}\"}]}\n```",
     {"{0} öffnen", "Zu", "{0}/{1}"}},
    {"ProseInsteadOfJson", "Sure! Here are the translations: Öffnen, Schließen.", {"-", "-", "-"}},
    {"ProseAfterTheJson",
     R"({"translations":[{"index":0,"text":"{0} öffnen"},{"index":1,"text":"Zu"},)"
     R"({"index":2,"text":"{0}/{1}"}]} I hope this helps.)",
     {"-", "-", "-"}},
    {"AnArrayInsteadOfTheObject", R"([{"index":0,"text":"{0} öffnen"}])", {"-", "-", "-"}},
    {"AMissingItem",
     R"({"translations":[{"index":0,"text":"{0} öffnen"},{"index":2,"text":"{0}/{1}"}]})",
     {"{0} öffnen", "-", "{0}/{1}"}},
    {"ADuplicateItem",
     R"({"translations":[{"index":0,"text":"{0} öffnen"},{"index":1,"text":"Zu"},)"
     R"({"index":1,"text":"Schließen"},{"index":2,"text":"{0}/{1}"}]})",
     {"{0} öffnen", "-", "{0}/{1}"}},
    {"AnExtraItemIsIgnored",
     R"({"translations":[{"index":0,"text":"{0} öffnen"},{"index":1,"text":"Zu"},)"
     R"({"index":2,"text":"{0}/{1}"},{"index":3,"text":"Mehr"},{"index":-1,"text":"x"}]})",
     {"{0} öffnen", "Zu", "{0}/{1}"}},
    {"AFractionalIndex",
     R"({"translations":[{"index":0.5,"text":"{0} öffnen"},{"index":1,"text":"Zu"},)"
     R"({"index":2,"text":"{0}/{1}"}]})",
     {"-", "Zu", "{0}/{1}"}},
    {"AnIndexAsText",
     R"({"translations":[{"index":"0","text":"{0} öffnen"},{"index":1,"text":"Zu"},)"
     R"({"index":2,"text":"{0}/{1}"}]})",
     {"-", "Zu", "{0}/{1}"}},
    {"BrokenMasks",
     R"({"translations":[{"index":0,"text":"öffnen"},{"index":1,"text":"Zu {0}"},)"
     R"({"index":2,"text":"{0} von {0}"}]})",
     {"-", "-", "-"}},
    {"AMaskTwice",
     R"({"translations":[{"index":0,"text":"{0} {0}"},{"index":1,"text":"Zu"},)"
     R"({"index":2,"text":"{0}/{1}"}]})",
     {"-", "Zu", "{0}/{1}"}},
    {"EmptyOrNoText",
     R"({"translations":[{"index":0,"text":"  "},{"index":1},{"index":2,"text":"{0}/{1}"}]})",
     {"-", "-", "{0}/{1}"}},
};

class ModelReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ModelReplyTest, TakesOnlyWhatPassesEveryCheck) {
  const ReplyCase &c = GetParam();
  const ModelReply reply = readModelReply(chatAnswer(QString::fromUtf8(c.content)), kSent);
  ASSERT_EQ(reply.texts.size(), kSent.size());
  int failed = 0;
  for (qsizetype i = 0; i < kSent.size(); ++i) {
    const QString expected = QString::fromUtf8(c.expected[size_t(i)]);
    if (expected == "-") {
      ++failed;
      EXPECT_FALSE(reply.texts[i].has_value()) << i << " " << reply.texts[i]->toStdString();
    } else {
      EXPECT_EQ(reply.texts[i].value_or("-"), expected) << i;
    }
  }
  EXPECT_EQ(reply.failed(), failed);
  EXPECT_EQ(reply.problem.isEmpty(), failed == 0 && QByteArray(c.name) != "AnExtraItemIsIgnored")
      << reply.problem.toStdString();
  EXPECT_EQ(reply.promptTokens, 120);
  EXPECT_EQ(reply.completionTokens, 30);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModelReplyTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ModelReply, AnAnswerWithoutChoicesFailsEveryItem) {
  for (const QByteArray &body :
       {QByteArray("<html>Bad Gateway</html>"), QByteArray(R"({"choices":[]})"),
        QByteArray(R"({"choices":[{"message":{"content":42}}]})"), QByteArray()}) {
    const ModelReply reply = readModelReply(body, kSent);
    EXPECT_EQ(reply.failed(), 3) << body.constData();
    EXPECT_FALSE(reply.problem.isEmpty());
  }
}

TEST(ModelRequest, ABodyAsksForJsonWithoutStreamingAndNumbersTheItems) {
  ModelItem first, second;
  first.text = QStringLiteral("Open {0}");
  first.kind = QStringLiteral("STRINGTABLE");
  second.text = QStringLiteral("Close");
  second.kind = QStringLiteral("DIALOG");
  second.roomWidth = 71;
  second.roomLines = 1;
  const QJsonObject body =
      QJsonDocument::fromJson(
          chatBody({first, second},
                   {QStringLiteral("qwen"), 0.3, QStringLiteral("en-US"), QStringLiteral("de-DE")}))
          .object();
  EXPECT_EQ(body.value("model").toString(), "qwen");
  EXPECT_EQ(body.value("stream"), QJsonValue(false));
  EXPECT_EQ(body.value("temperature").toDouble(), 0.3);
  const QJsonArray messages = body.value("messages").toArray();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0].toObject().value("role").toString(), "system");
  const QJsonObject user =
      QJsonDocument::fromJson(messages[1].toObject().value("content").toString().toUtf8()).object();
  EXPECT_EQ(user.value("target_language").toString(), "de-DE");
  const QJsonArray items = user.value("items").toArray();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[1].toObject().value("index").toInt(), 1);
  EXPECT_FALSE(items[0].toObject().contains("room"));
  EXPECT_EQ(items[1].toObject().value("room").toObject().value("width_px").toInt(), 71);
}

} // namespace
} // namespace tarvelo

// Runs through a language model against a local chat server: protocol, usage, bad answers.
#include "core/exchange/exchange_fixture.h"
#include "exchange/http_client.h"
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "exchange/model_context.h"
#include "support/fake_chat_model.h"

#include <QLocale>
#include <QSet>
#include <QTimeZone>

namespace tarvelo::test {
namespace {

constexpr int kBatch = 4;

MtConfig modelConfig(const LocalHttpServer &server, const QString &key = QString()) {
  MtConfig config;
  config.provider = MtProviderKind::OpenAiCompatible;
  config.url = server.url();
  config.key = key;
  config.model = QStringLiteral("test-model");
  config.modelBatch = kBatch;
  config.connectTimeoutMs = 2000;
  config.modelTimeoutMs = 5000;
  return config;
}

QString german(const QJsonObject &item) {
  return "DE " + item.value("text").toString();
}

struct CancellingProgress : NullProgress {
  explicit CancellingProgress(int serves) : left(serves) {}
  void serve() override { --left; }
  bool cancelled() const override { return left <= 0; }
  int left;
};

class ModelProviderTest : public ::testing::Test {
protected:
  void SetUp() override { task.read(false); }
  int chains() const {
    QSet<QString> sources;
    for (const auto &entry : task.ws.entries)
      if (entry->isTranslatable() && !entry->sourceText.isEmpty())
        sources.insert(entry->sourceText);
    return int(sources.size());
  }
  int batches() const { return (chains() + kBatch - 1) / kBatch; }
  MtRunResult run(const MtConfig &config, Progress *progress = nullptr) {
    const MachineTranslator translator(config, kEnglish, kGerman);
    return translateEntries(
        task.ws.entries, task.undo, [this](TextEntry *entry) { task.inspected.append(entry); },
        nullptr, translator, progress ? *progress : task.ws.progress);
  }
  // Every target filled or still empty as expected: filled ones are "DE " + the source.
  int filled() const {
    int count = 0;
    for (const auto &entry : task.ws.entries)
      count += entry->targetText.isEmpty() ? 0 : 1;
    return count;
  }
  ExchangeTask task;
};

TEST_F(ModelProviderTest, RequestsSpeakTheProtocolAndTheUsageIsSummed) {
  LocalHttpServer server(chatModel(german));
  const MtRunResult result = run(modelConfig(server, QStringLiteral("sk-local")));
  const QList<LocalHttpServer::Request> requests = server.requests();
  ASSERT_EQ(requests.size(), batches());
  for (const LocalHttpServer::Request &request : requests) {
    EXPECT_EQ(request.path, "/v1/chat/completions");
    EXPECT_EQ(request.headers.value("authorization"), "Bearer sk-local");
    const QJsonObject body = QJsonDocument::fromJson(request.body).object();
    EXPECT_EQ(body.value("model").toString(), "test-model");
    EXPECT_EQ(body.value("stream"), QJsonValue(false));
    EXPECT_LE(chatItems(request).size(), kBatch);
  }
  EXPECT_EQ(result.requests, batches());
  EXPECT_EQ(result.promptTokens, 100 * batches());
  EXPECT_EQ(result.completionTokens, 20 * batches());
  EXPECT_EQ(result.translated, chains());
  EXPECT_EQ(result.failed, 0);
  EXPECT_EQ(task.find("IDS_PERCENT")->targetText, "DE %d files, 100%% done");
  EXPECT_EQ(task.find("IDS_SPACES")->targetText, "  DE Padded  ");
  EXPECT_EQ(task.find("IDOK")->targetText, "DE Open");
  EXPECT_EQ(task.find("IDOK")->matchState, Fuzzy); // a draft to review
  EXPECT_EQ(task.inspected.size(), result.changed.size());
}

TEST_F(ModelProviderTest, WithoutAKeyNoAuthorizationIsSent) {
  LocalHttpServer server(chatModel(german));
  run(modelConfig(server));
  ASSERT_FALSE(server.requests().isEmpty());
  for (const LocalHttpServer::Request &request : server.requests())
    EXPECT_FALSE(request.headers.contains("authorization"));
}

// Each case spoils the answers to the requests that carry "Open"; the other requests
// are answered well, and the run goes on past the spoilt one.
struct SpoiltCase {
  const char *name;
  std::function<LocalHttpServer::Reply(const QJsonArray &items)> answer;
  int failedInBatch; // of the items in the spoilt request
};

QString translationsOf(const QJsonArray &items, int skip, int twice) {
  QJsonArray out;
  for (const QJsonValue &value : items) {
    const QJsonObject item = value.toObject();
    const int index = item.value("index").toInt();
    if (index == skip)
      continue;
    out.append(QJsonObject{{"index", index}, {"text", german(item)}});
    if (index == twice)
      out.append(QJsonObject{{"index", index}, {"text", german(item) + " 2"}});
  }
  return QJsonDocument(QJsonObject{{"translations", out}}).toJson(QJsonDocument::Compact);
}

const SpoiltCase kSpoilt[] = {
    {"Prose", [](const QJsonArray &) { return chatReply("Here you go: Öffnen!"); }, -1},
    {"MissingItem", [](const QJsonArray &items) { return chatReply(translationsOf(items, 0, -1)); },
     1},
    {"DuplicateItem",
     [](const QJsonArray &items) { return chatReply(translationsOf(items, -1, 0)); }, 1},
    {"BrokenMasks",
     [](const QJsonArray &items) {
       QJsonArray out;
       for (const QJsonValue &value : items)
         out.append(
             QJsonObject{{"index", value.toObject().value("index")}, {"text", "kaputt {7}"}});
       return chatReply(QJsonDocument(QJsonObject{{"translations", out}}).toJson());
     },
     -1},
    {"ServerError",
     [](const QJsonArray &) {
       return LocalHttpServer::json(R"({"error":{"message":"model not loaded"}})", 500);
     },
     -1},
};

class SpoiltAnswerTest : public ModelProviderTest,
                         public ::testing::WithParamInterface<SpoiltCase> {};

TEST_P(SpoiltAnswerTest, OnlyTheAffectedItemsStayEmpty) {
  const SpoiltCase &c = GetParam();
  int spoiltSize = 0;
  LocalHttpServer server([&](const LocalHttpServer::Request &request) {
    const QJsonArray items = chatItems(request);
    for (const QJsonValue &item : items)
      if (item.toObject().value("text").toString() == "Open") {
        spoiltSize = int(items.size());
        return c.answer(items);
      }
    return chatModel(german)(request);
  });
  const MtRunResult result = run(modelConfig(server));
  ASSERT_GT(spoiltSize, 0);
  const int failed = c.failedInBatch < 0 ? spoiltSize : c.failedInBatch;
  EXPECT_EQ(server.requests().size(), batches());
  EXPECT_EQ(result.failed, failed);
  EXPECT_EQ(result.translated, chains() - failed);
  EXPECT_FALSE(result.error.isEmpty());
  // Nothing that failed the checks reached a target.
  for (const auto &entry : task.ws.entries)
    if (!entry->targetText.isEmpty()) {
      EXPECT_TRUE(entry->targetText.contains("DE ")) << entry->targetText.toStdString();
      EXPECT_FALSE(entry->targetText.contains("kaputt"));
      EXPECT_FALSE(entry->targetText.endsWith(" 2"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SpoiltAnswerTest, ::testing::ValuesIn(kSpoilt),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RetryAfterTest, SecondsOrAnHttpDate) {
  const QDateTime now(QDate(2026, 12, 10), QTime(18, 0, 0), QTimeZone::utc());
  const struct {
    const char *value;
    int seconds;
  } cases[] = {
      {"120", 120},
      {"0", 0},
      {"-5", -1},
      {"soon", -1},
      {"", -1},
      {"99999999999", -1},
      {"Thu, 10 Dec 2026 18:00:30 GMT", 30},
      {"Thu, 10 Dec 2026 17:59:00 GMT", 0},  // past: no wait
      {"Thu, 10 Dec 2026 18:00:30 CET", -1}, // HTTP dates are in GMT
  };
  for (const auto &c : cases)
    EXPECT_EQ(retryAfterSeconds(c.value, now), c.seconds) << c.value;
}

TEST_F(ModelProviderTest, TooManyRequestsIsWaitedForOnce) {
  // Retry-After in seconds, and as an HTTP date a second ahead.
  const QByteArray date = QLocale::c()
                              .toString(QDateTime::currentDateTimeUtc().addSecs(1),
                                        QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"))
                              .toLatin1();
  for (const QByteArray &wait : {QByteArray("1"), date}) {
    SCOPED_TRACE(wait.toStdString());
    std::atomic<int> seen{0};
    LocalHttpServer server([&](const LocalHttpServer::Request &request) {
      if (seen++ == 0) {
        LocalHttpServer::Reply reply = LocalHttpServer::json(R"({"error":"slow down"})", 429);
        reply.retryAfter = wait;
        return reply;
      }
      return chatModel(german)(request);
    });
    const MtRunResult result = run(modelConfig(server));
    EXPECT_EQ(server.requests().size(), batches() + 1);
    EXPECT_EQ(result.requests, batches() + 1);
    EXPECT_EQ(result.translated, chains());
    for (const auto &entry : task.ws.entries)
      entry->targetText.clear();
  }
}

TEST_F(ModelProviderTest, ASecondRefusalFailsTheBatch) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply = LocalHttpServer::json(R"({"error":"slow down"})", 429);
    reply.retryAfter = "1";
    return reply;
  });
  MtConfig config = modelConfig(server);
  config.modelBatch = 100; // one batch: two requests, one wait
  const MtRunResult result = run(config);
  EXPECT_EQ(server.requests().size(), 2);
  EXPECT_EQ(result.failed, chains());
  EXPECT_TRUE(result.error.contains("429")) << result.error.toStdString();
  EXPECT_EQ(filled(), 0);
}

TEST_F(ModelProviderTest, EveryFailureIsOneSentenceNamingTheServerOnce) {
  const struct {
    const char *what;
    LocalHttpServer::Handler handler;
    const char *reason;
  } cases[] = {
      {"key refused",
       [](const LocalHttpServer::Request &) {
         return LocalHttpServer::json(R"({"error":"no"})", 401);
       },
       "refused the key"},
      {"server's own reason",
       [](const LocalHttpServer::Request &) {
         return LocalHttpServer::json(R"({"error":{"message":"model not loaded"}})", 503);
       },
       "model not loaded (HTTP 503)"},
      {"prose instead of JSON",
       [](const LocalHttpServer::Request &) { return chatReply("Sure! Here you go."); },
       "not the JSON object"},
      {"runaway answer", chatModel([](const QJsonObject &) { return QString(5000, u'x'); }),
       "was not used"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    LocalHttpServer server(c.handler);
    const MtRunResult result = run(modelConfig(server));
    const QString error = result.error;
    EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
    EXPECT_EQ(error.count(server.url()), 1) << error.toStdString();
    EXPECT_TRUE(error.endsWith('.') && !error.endsWith("..")) << error.toStdString();
    EXPECT_EQ(filled(), 0);
  }
}

TEST_F(ModelProviderTest, OneSilenceFailsItsBatchAndTheRunGoesOn) {
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    LocalHttpServer::Reply reply = chatModel(german)(request);
    for (const QJsonValue &item : chatItems(request))
      reply.silent = reply.silent || item.toObject().value("text").toString() == "Open";
    return reply;
  });
  MtConfig config = modelConfig(server);
  config.modelTimeoutMs = 300;
  const MtRunResult result = run(config);
  EXPECT_EQ(server.requests().size(), batches());
  EXPECT_GT(result.failed, 0);
  EXPECT_EQ(result.translated + result.failed, chains());
  EXPECT_TRUE(result.error.contains("did not answer in time")) << result.error.toStdString();
  EXPECT_EQ(task.find("IDS_OPEN1")->targetText, "");
}

TEST_F(ModelProviderTest, TwoSilencesInARowStopTheRun) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  MtConfig config = modelConfig(server);
  config.modelTimeoutMs = 300;
  const MtRunResult result = run(config);
  EXPECT_EQ(server.requests().size(), 2);
  EXPECT_EQ(result.failed, chains());
  EXPECT_EQ(filled(), 0);
  // The chains after the two batches were never sent, and the message says so.
  ASSERT_GT(chains(), 2 * kBatch);
  EXPECT_TRUE(result.error.contains("stopped there")) << result.error.toStdString();
}

TEST_F(ModelProviderTest, AHugeAnswerIsCutOffAndFails) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    return chatReply(QString(100 * 1024 * 1024, u' ') + "{}");
  });
  MtConfig config = modelConfig(server);
  config.modelTimeoutMs = 120000; // writing 100 MB may be slow on a busy machine
  config.modelBatch = 100;
  const MtRunResult result = run(config);
  EXPECT_EQ(result.failed, chains());
  EXPECT_TRUE(result.error.contains("too large")) << result.error.toStdString();
  EXPECT_EQ(filled(), 0);
}

TEST_F(ModelProviderTest, CancelEndsTheWaitAtOnce) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  MtConfig config = modelConfig(server);
  config.modelTimeoutMs = 600000;
  CancellingProgress progress(10);
  const MtRunResult result = run(config, &progress);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(server.requests().size(), 1);
  EXPECT_TRUE(result.changed.isEmpty());
  EXPECT_FALSE(task.undo.canUndo());
}

TEST_F(ModelProviderTest, TermsAndContextTravelWithEachItem) {
  LocalHttpServer server(chatModel(german));
  MtConfig config = modelConfig(server);
  config.modelBatch = 100;
  const MachineTranslator translator(config, kEnglish, kGerman);
  ModelAids aids;
  aids.terms = [](const QString &text) {
    QList<QPair<QString, QString>> terms;
    if (text.contains("files"))
      terms.append({QStringLiteral("files"), QStringLiteral("Dateien")});
    return terms;
  };
  translateEntries(task.ws.entries, task.undo, nullptr, nullptr, translator, task.ws.progress,
                   aids);
  ASSERT_EQ(server.requests().size(), 1);
  const QJsonObject user =
      QJsonDocument::fromJson(QJsonDocument::fromJson(server.requests()[0].body)
                                  .object()
                                  .value("messages")
                                  .toArray()
                                  .last()
                                  .toObject()
                                  .value("content")
                                  .toString()
                                  .toUtf8())
          .object();
  EXPECT_EQ(user.value("source_language").toString(), "en-US");
  EXPECT_EQ(user.value("target_language").toString(), "de-DE");
  int withTerms = 0;
  for (const QJsonValue &value : user.value("items").toArray()) {
    const QJsonObject item = value.toObject();
    if (item.value("identifier").toString() == "IDS_PERCENT") {
      EXPECT_EQ(item.value("text").toString(), "{0} files, 100{1} done");
      EXPECT_EQ(item.value("terms").toArray().at(0).toObject().value("target").toString(),
                "Dateien");
    }
    withTerms += item.contains("terms") ? 1 : 0;
    if (item.value("identifier").toString() == "IDS_OPEN1") {
      // The chain's first entry is sent, with its own context.
      EXPECT_EQ(item.value("resource").toString(), "STRINGTABLE");
    }
  }
  EXPECT_EQ(withTerms, 1);
}

} // namespace
} // namespace tarvelo::test

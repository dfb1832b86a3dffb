// The providers' requests and answers against local servers, errors and time-outs.
#include "exchange/machine_translator.h"
#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <thread>

namespace tarvelo {
namespace {

using test::LocalHttpServer;

constexpr int kEnglish = 1033;
constexpr int kGerman = 1031;

MtConfig configFor(MtProviderKind provider, const LocalHttpServer &server,
                   const QString &key = QString()) {
  MtConfig config;
  config.provider = provider;
  config.url = server.url();
  config.key = key;
  config.connectTimeoutMs = 2000;
  config.totalTimeoutMs = 5000;
  return config;
}

QJsonObject bodyOf(const LocalHttpServer::Request &request) {
  return QJsonDocument::fromJson(request.body).object();
}

// LibreTranslate as its documentation describes it: POST /translate with JSON, "q" a
// text or an array, the answer's "translatedText" the same.
LocalHttpServer::Reply libreTranslate(const LocalHttpServer::Request &request) {
  const QJsonObject body = bodyOf(request);
  if (request.path != "/translate" || request.method != "POST")
    return LocalHttpServer::json(R"({"error":"Not Found"})", 404);
  if (body.value("target").toString() == "xx")
    return LocalHttpServer::json(R"({"error":"xx is not supported"})", 400);
  const QJsonValue q = body.value("q");
  if (q.isString())
    return LocalHttpServer::json(
        QJsonDocument(QJsonObject{{"translatedText", "DE:" + q.toString()}}).toJson());
  QJsonArray out;
  for (const QJsonValue &text : q.toArray())
    out.append("DE:" + text.toString());
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
}

// DeepL's v2 interface: the key in the Authorization header, "text" an array.
LocalHttpServer::Reply deepl(const LocalHttpServer::Request &request) {
  const QByteArray key = request.headers.value("authorization");
  if (key == "DeepL-Auth-Key used-up")
    return LocalHttpServer::json(R"({"message":"Quota Exceeded"})", 456);
  if (key == "DeepL-Auth-Key busy")
    return LocalHttpServer::json(R"({"message":"Too many requests"})", 429);
  if (key != "DeepL-Auth-Key good:fx")
    return LocalHttpServer::json(R"({"message":"Wrong endpoint"})", 403);
  QJsonArray out;
  for (const QJsonValue &text : bodyOf(request).value("text").toArray())
    out.append(QJsonObject{{"detected_source_language", "EN"}, {"text", "DE:" + text.toString()}});
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translations", out}}).toJson());
}

// MyMemory: GET /get?q=...&langpair=en|de.
LocalHttpServer::Reply myMemory(const LocalHttpServer::Request &request) {
  const QString pair = request.queryValue("langpair");
  if (pair.endsWith("|xx"))
    return LocalHttpServer::json(
        R"({"responseData":{"translatedText":"'XX' IS AN INVALID TARGET LANGUAGE"},)"
        R"("responseDetails":"'XX' IS AN INVALID TARGET LANGUAGE","responseStatus":"403"})");
  const QJsonObject data{{"translatedText", "DE:" + request.queryValue("q") + " &amp; &#39;x&#39;"},
                         {"match", 0.85}};
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"responseData", data},
                                                         {"responseStatus", 200},
                                                         {"responseDetails", ""},
                                                         {"matches", QJsonArray()}})
                                   .toJson());
}

TEST(TranslationProvidersTest, LibreTranslateSendsOneRequestForABatch) {
  LocalHttpServer server(libreTranslate);
  const MachineTranslator translator(configFor(MtProviderKind::LibreTranslate, server, "secret"),
                                     kEnglish, kGerman);
  const TranslationOutcome outcome = translator.translate(
      {QStringLiteral("&Open"), QStringLiteral("%d files"), QStringLiteral("Close")});
  ASSERT_EQ(server.requests().size(), 1);
  const QJsonObject body = bodyOf(server.requests().front());
  EXPECT_EQ(body.value("source").toString(), "en");
  EXPECT_EQ(body.value("target").toString(), "de");
  EXPECT_EQ(body.value("format").toString(), "text");
  EXPECT_EQ(body.value("api_key").toString(), "secret");
  EXPECT_EQ(body.value("q").toArray().size(), 3);
  EXPECT_EQ(server.requests().front().headers.value("content-type"), "application/json");
  EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
  ASSERT_EQ(outcome.translations.size(), 3);
  EXPECT_EQ(outcome.translations[0].value_or("-"), "DE:&Open");
  EXPECT_EQ(outcome.translations[1].value_or("-"), "DE:%d files");
  EXPECT_EQ(outcome.translations[2].value_or("-"), "DE:Close");
}

TEST(TranslationProvidersTest, LibreTranslateSendsOneTextAsAString) {
  LocalHttpServer server(libreTranslate);
  const MachineTranslator translator(configFor(MtProviderKind::LibreTranslate, server), kEnglish,
                                     kGerman);
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Open")});
  ASSERT_EQ(server.requests().size(), 1);
  EXPECT_TRUE(bodyOf(server.requests().front()).value("q").isString());
  EXPECT_FALSE(bodyOf(server.requests().front()).contains("api_key"));
  EXPECT_EQ(outcome.translations.value(0).value_or("-"), "DE:Open");
}

TEST(TranslationProvidersTest, DeepLCarriesItsKeyAndUpToFiftyTexts) {
  LocalHttpServer server(deepl);
  const MachineTranslator translator(configFor(MtProviderKind::DeepL, server, "good:fx"), kEnglish,
                                     kGerman);
  QStringList texts;
  for (int i = 0; i < 120; ++i)
    texts.append(QStringLiteral("Text %1").arg(i));
  const TranslationOutcome outcome = translator.translate(texts);
  ASSERT_EQ(server.requests().size(), 3); // 50, 50 and 20
  EXPECT_EQ(server.requests()[0].path, "/v2/translate");
  EXPECT_EQ(bodyOf(server.requests()[0]).value("text").toArray().size(), 50);
  EXPECT_EQ(bodyOf(server.requests()[2]).value("text").toArray().size(), 20);
  EXPECT_EQ(bodyOf(server.requests()[0]).value("source_lang").toString(), "EN");
  EXPECT_EQ(bodyOf(server.requests()[0]).value("target_lang").toString(), "DE");
  EXPECT_EQ(outcome.translations.value(119).value_or("-"), "DE:Text 119");
}

TEST(TranslationProvidersTest, DeepLChoosesTheFreeEndpointByTheKey) {
  MtConfig config;
  config.provider = MtProviderKind::DeepL;
  config.key = QStringLiteral("abc:fx");
  EXPECT_EQ(makeProvider(config)->endpoint(), "https://api-free.deepl.com");
  config.key = QStringLiteral("abc");
  EXPECT_EQ(makeProvider(config)->endpoint(), "https://api.deepl.com");
  config.url = QStringLiteral("http://localhost:8080/");
  EXPECT_EQ(makeProvider(config)->endpoint(), "http://localhost:8080");
}

TEST(TranslationProvidersTest, MyMemoryAsksOneTextWithItsLanguagePair) {
  LocalHttpServer server(myMemory);
  const MachineTranslator translator(configFor(MtProviderKind::MyMemory, server), kEnglish, 2052);
  const TranslationOutcome outcome =
      translator.translate({QStringLiteral("Save"), QStringLiteral("Ä & Ö")});
  ASSERT_EQ(server.requests().size(), 2);
  EXPECT_EQ(server.requests()[0].method, "GET");
  EXPECT_EQ(server.requests()[0].path, "/get");
  EXPECT_EQ(server.requests()[0].queryValue("langpair"), "en|zh-CN");
  EXPECT_EQ(server.requests()[1].queryValue("q"), "Ä {0} Ö");
  // Entities of the answer are decoded.
  EXPECT_EQ(outcome.translations.value(0).value_or("-"), "DE:Save & 'x'");
}

struct ErrorCase {
  const char *name;
  MtProviderKind provider;
  QByteArray key;
  int status;
  QByteArray body;
  QByteArray contentType;
  const char *messagePart; // a part of the message shown
};

class ProviderErrorTest : public ::testing::TestWithParam<ErrorCase> {};

// Every answer that is not a translation ends the item with the reason, never a
// translation made of an error page.
TEST_P(ProviderErrorTest, GivesNoTranslationAndSaysWhy) {
  const ErrorCase &c = GetParam();
  LocalHttpServer server([&c](const LocalHttpServer::Request &) {
    return LocalHttpServer::Reply{c.status, c.body, c.contentType};
  });
  const MachineTranslator translator(configFor(c.provider, server, c.key), kEnglish, kGerman);
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Open")});
  ASSERT_EQ(outcome.translations.size(), 1);
  EXPECT_FALSE(outcome.translations[0].has_value());
  EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(c.messagePart)))
      << outcome.error.toStdString();
}

const QByteArray kHtml = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><html>Login</html>";

INSTANTIATE_TEST_SUITE_P(
    Answers, ProviderErrorTest,
    ::testing::Values(
        ErrorCase{"LibreHtml", MtProviderKind::LibreTranslate, "", 200, kHtml, "text/html",
                  "not a translation"},
        ErrorCase{"LibreEmpty", MtProviderKind::LibreTranslate, "", 200, "", "", "not a trans"},
        ErrorCase{"LibreEmptyJson", MtProviderKind::LibreTranslate, "", 200, "{}", "",
                  "not a translation"},
        ErrorCase{"LibreWrongJson", MtProviderKind::LibreTranslate, "", 200,
                  R"({"translatedText":["a","b"]})", "", "not a translation"},
        ErrorCase{"LibreNumber", MtProviderKind::LibreTranslate, "", 200, R"({"translatedText":5})",
                  "", "not a translation"},
        ErrorCase{"LibreKey", MtProviderKind::LibreTranslate, "", 403,
                  R"({"error":"Invalid API key"})", "", "Invalid API key"},
        ErrorCase{"LibreSlowDown", MtProviderKind::LibreTranslate, "", 429,
                  R"({"error":"Too many requests"})", "", "Too many requests"},
        ErrorCase{"Libre500", MtProviderKind::LibreTranslate, "", 500, kHtml, "text/html",
                  "HTTP status 500"},
        ErrorCase{"DeepLKey", MtProviderKind::DeepL, "bad", 403, "", "", "HTTP 403"},
        ErrorCase{"DeepLQuota", MtProviderKind::DeepL, "k", 456, "", "", "HTTP 456"},
        ErrorCase{"DeepLBusy", MtProviderKind::DeepL, "k", 429, "", "", "HTTP 429"},
        ErrorCase{"DeepL500", MtProviderKind::DeepL, "k", 500, kHtml, "text/html",
                  "HTTP status 500"},
        ErrorCase{"DeepLEmptyJson", MtProviderKind::DeepL, "k", 200, "{}", "", "not a trans"},
        ErrorCase{"DeepLWrongJson", MtProviderKind::DeepL, "k", 200,
                  R"({"translations":[{"txt":"x"}]})", "", "not a translation"},
        ErrorCase{"MyMemoryHtml", MtProviderKind::MyMemory, "", 200, kHtml, "text/html",
                  "not a translation"},
        ErrorCase{"MyMemoryEmptyJson", MtProviderKind::MyMemory, "", 200, "{}", "",
                  "not a translation"},
        ErrorCase{"MyMemoryQuota", MtProviderKind::MyMemory, "", 200,
                  R"({"responseData":{"translatedText":"MYMEMORY WARNING: YOU USED ALL )"
                  R"(AVAILABLE FREE TRANSLATIONS FOR TODAY"},"responseStatus":429,)"
                  R"("responseDetails":"MYMEMORY WARNING: YOU USED ALL AVAILABLE FREE )"
                  R"(TRANSLATIONS FOR TODAY"})",
                  "", "FREE TRANSLATIONS"},
        ErrorCase{"MyMemory500", MtProviderKind::MyMemory, "", 500, kHtml, "text/html",
                  "HTTP status 500"}),
    [](const ::testing::TestParamInfo<ErrorCase> &info) { return std::string(info.param.name); });

TEST(TranslationProvidersTest, AnAnswerThatWouldBlowUpTheTargetIsRefused) {
  // 300 KB of placeholders, each of which would become the insert again, and an answer
  // ten times the text and more; the sensible answer of the batch is taken.
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    const QJsonArray q = bodyOf(request).value("q").toArray();
    QJsonArray out;
    out.append(QString("{0}").repeated(100000));
    out.append(QString(10 * q.at(1).toString().size() + 101, QChar('x')));
    out.append("DE:" + q.at(2).toString());
    return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
  });
  const MachineTranslator translator(configFor(MtProviderKind::LibreTranslate, server), kEnglish,
                                     kGerman);
  const TranslationOutcome outcome = translator.translate(
      {QStringLiteral("Copy %1!s! now"), QStringLiteral("Short"), QStringLiteral("Fine")});
  EXPECT_FALSE(outcome.translations.value(0).has_value());
  EXPECT_FALSE(outcome.translations.value(1).has_value());
  EXPECT_EQ(outcome.translations.value(2), QString("DE:Fine"));
  EXPECT_TRUE(outcome.error.contains("more placeholders than the text sent"))
      << outcome.error.toStdString();
}

TEST(TranslationProvidersTest, AServiceRefusingTheLanguageSaysSo) {
  LocalHttpServer server(myMemory);
  MtConfig config = configFor(MtProviderKind::MyMemory, server);
  const MachineTranslator translator(config, kEnglish, kGerman);
  server.setHandler([](const LocalHttpServer::Request &request) {
    LocalHttpServer::Request changed = request;
    changed.query.replace("%7Cde", "%7Cxx");
    return myMemory(changed);
  });
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Open")});
  EXPECT_FALSE(outcome.translations.value(0).has_value());
  EXPECT_TRUE(outcome.error.contains("INVALID TARGET LANGUAGE")) << outcome.error.toStdString();
}

TEST(TranslationProvidersTest, AServerThatNeverAnswersEndsTheRunAtTheTimeOut) {
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    LocalHttpServer::Reply reply = myMemory(request);
    reply.silent = request.queryValue("q") == "Hang";
    return reply;
  });
  MtConfig config = configFor(MtProviderKind::MyMemory, server);
  config.totalTimeoutMs = 300;
  const MachineTranslator translator(config, kEnglish, kGerman);
  const TranslationOutcome outcome = translator.translate(
      {QStringLiteral("Open"), QStringLiteral("Hang"), QStringLiteral("More")});
  EXPECT_TRUE(outcome.translations.value(0).has_value());
  EXPECT_FALSE(outcome.translations.value(1).has_value());
  // Nothing more is sent to a server that does not answer.
  EXPECT_FALSE(outcome.translations.value(2).has_value());
  EXPECT_EQ(server.requests().size(), 2);
  EXPECT_TRUE(outcome.timedOut);
  EXPECT_TRUE(outcome.error.contains("did not answer in time")) << outcome.error.toStdString();
}

TEST(TranslationProvidersTest, AbortEndsAWaitingRequest) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  MtConfig config = configFor(MtProviderKind::LibreTranslate, server);
  config.totalTimeoutMs = 60000;
  const MachineTranslator translator(config, kEnglish, kGerman);
  std::atomic<bool> abort{false};
  std::thread canceller([&abort] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    abort = true;
  });
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Open")}, &abort);
  canceller.join();
  EXPECT_TRUE(outcome.aborted);
  EXPECT_FALSE(outcome.translations.value(0).has_value());
}

TEST(TranslationProvidersTest, UnknownLanguagesSendNothing) {
  LocalHttpServer server(myMemory);
  const MachineTranslator translator(configFor(MtProviderKind::MyMemory, server), 1047, kGerman);
  EXPECT_FALSE(translator.languagesKnown());
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Open")});
  EXPECT_FALSE(outcome.translations.value(0).has_value());
  EXPECT_FALSE(outcome.error.isEmpty());
  EXPECT_TRUE(server.requests().isEmpty());
}

TEST(MachineTranslationProbeTest, TranslatesTestForTheLanguagePair) {
  LocalHttpServer server(libreTranslate);
  EXPECT_TRUE(probeMachineTranslation(configFor(MtProviderKind::LibreTranslate, server), kEnglish,
                                      kGerman));
  ASSERT_EQ(server.requests().size(), 1);
  EXPECT_EQ(bodyOf(server.requests().front()).value("q").toString(), "Test");
  // A language the provider lacks: no request, not available.
  EXPECT_FALSE(
      probeMachineTranslation(configFor(MtProviderKind::LibreTranslate, server), 1047, kGerman));
  EXPECT_EQ(server.requests().size(), 1);
}

// A model may take longer to load than the probe waits: the probe only lists the models.
TEST(MachineTranslationProbeTest, ALanguageModelIsAskedForItsModelsWithTheKey) {
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    if (request.path != "/v1/models")
      return LocalHttpServer::json(R"({"error":"not found"})", 404);
    if (request.headers.value("authorization") != "Bearer sk-team")
      return LocalHttpServer::json(R"({"error":"bad key"})", 401);
    return LocalHttpServer::json(R"({"object":"list","data":[{"id":"llama"}]})");
  });
  MtConfig config = configFor(MtProviderKind::OpenAiCompatible, server, "sk-team");
  EXPECT_TRUE(probeMachineTranslation(config, kEnglish, kGerman));
  ASSERT_EQ(server.requests().size(), 1);
  EXPECT_EQ(server.requests().front().method, "GET");
  config.key = QStringLiteral("sk-other");
  EXPECT_FALSE(probeMachineTranslation(config, kEnglish, kGerman));
  config.url = server.url() + QStringLiteral("/v1"); // the address given with its "/v1"
  config.key = QStringLiteral("sk-team");
  EXPECT_TRUE(probeMachineTranslation(config, kEnglish, kGerman));
}

TEST(MachineTranslationProbeTest, FailsOnARefusalAndOnSilenceWithinTheConnectTimeOut) {
  LocalHttpServer refusing(deepl);
  EXPECT_FALSE(probeMachineTranslation(configFor(MtProviderKind::DeepL, refusing, "bad"), kEnglish,
                                       kGerman));
  LocalHttpServer silent([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  MtConfig config = configFor(MtProviderKind::MyMemory, silent);
  config.connectTimeoutMs = 300;
  config.totalTimeoutMs = 600000; // the probe waits no longer than the connect time-out
  EXPECT_FALSE(probeMachineTranslation(config, kEnglish, kGerman));
}

} // namespace
} // namespace tarvelo

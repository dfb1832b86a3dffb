// Redirections of the online services: a key never follows one to another origin, and
// nothing goes from https to http. The servers are real ones on 127.0.0.1.

#include "exchange/http_client.h"
#include "exchange/machine_translator.h"
#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::LocalHttpServer;

// Answers every request with the translation "Hallo", and records it.
LocalHttpServer::Reply translated(const LocalHttpServer::Request &request) {
  if (request.path.endsWith("/get"))
    return LocalHttpServer::json(
        R"({"responseData":{"translatedText":"Hallo"},"responseStatus":200})");
  return LocalHttpServer::json(R"({"translatedText":"Hallo"})");
}

MtConfig config(MtProviderKind provider, const QString &url, const QString &key) {
  MtConfig config;
  config.provider = provider;
  config.url = url;
  config.key = key;
  config.connectTimeoutMs = 2000;
  config.totalTimeoutMs = 5000;
  return config;
}

TEST(Redirects, AKeyNeverFollowsARedirectToAnotherOrigin) {
  LocalHttpServer thief(translated);
  LocalHttpServer service([&thief](const LocalHttpServer::Request &request) {
    return LocalHttpServer::redirect(thief.url() + QString::fromUtf8(request.path) + "?" +
                                     QString::fromUtf8(request.query));
  });
  for (const MtProviderKind provider : {MtProviderKind::LibreTranslate, MtProviderKind::MyMemory}) {
    const MachineTranslator translator(config(provider, service.url(), "secret-key"), 1033, 1031);
    const TranslationOutcome outcome = translator.translate({"Hello"});
    EXPECT_FALSE(outcome.translations.value(0).has_value());
    EXPECT_TRUE(outcome.error.contains("not sent the key")) << outcome.error.toStdString();
  }
  EXPECT_TRUE(thief.requests().isEmpty());

  // Without a key the same redirection is followed.
  const MachineTranslator keyless(config(MtProviderKind::LibreTranslate, service.url(), ""), 1033,
                                  1031);
  EXPECT_EQ(keyless.translate({"Hello"}).translations.value(0), QString("Hallo"));
  ASSERT_EQ(thief.requests().size(), 1);
}

TEST(Redirects, TheSameOriginIsFollowedWithTheKeyAndThePostOfA307) {
  LocalHttpServer service([](const LocalHttpServer::Request &request) {
    if (request.path == "/translate")
      return LocalHttpServer::redirect("/v2/translate", 307);
    return translated(request);
  });
  const MachineTranslator translator(
      config(MtProviderKind::LibreTranslate, service.url(), "secret-key"), 1033, 1031);
  EXPECT_EQ(translator.translate({"Hello"}).translations.value(0), QString("Hallo"));
  const QList<LocalHttpServer::Request> requests = service.requests();
  ASSERT_EQ(requests.size(), 2);
  EXPECT_EQ(requests[1].method, "POST");
  EXPECT_EQ(QJsonDocument::fromJson(requests[1].body).object().value("api_key").toString(),
            "secret-key");
}

TEST(Redirects, EndlessRedirectionsStop) {
  LocalHttpServer service(
      [](const LocalHttpServer::Request &) { return LocalHttpServer::redirect("/again", 302); });
  HttpRequest request;
  request.url = service.url() + "/start";
  const HttpResponse response = performHttp(request);
  EXPECT_FALSE(response.answered());
  EXPECT_TRUE(response.error.contains("more than 5 times")) << response.error.toStdString();
  EXPECT_EQ(service.requests().size(), 6);
}

TEST(Redirects, RulesForEachHop) {
  const struct {
    const char *from, *to;
    bool secret;
    const char *refusal; // empty when followed
  } cases[] = {
      {"https://a.example/x", "http://a.example/x", false, "from https to http"},
      {"https://a.example/x", "http://a.example/x", true, "from https to http"},
      {"https://a.example/x", "https://b.example/x", false, ""},
      {"https://a.example/x", "https://b.example/x", true, "another address (b.example)"},
      {"https://a.example/x", "https://a.example:8443/x", true, "another address"},
      {"https://a.example/x", "https://A.EXAMPLE:443/y?z", true, ""},
      {"http://a.example/x", "https://a.example/x", true, ""},
      {"http://a.example:8080/x", "https://a.example/x", true, "another address"},
      {"http://a.example/x", "ftp://a.example/x", false, "not HTTP"},
      {"http://a.example/x", "file:///etc/passwd", false, "not HTTP"},
  };
  for (const auto &c : cases)
    EXPECT_TRUE(c.refusal[0] == 0 ? redirectRefusal(c.from, c.to, c.secret).isEmpty()
                                  : redirectRefusal(c.from, c.to, c.secret).contains(c.refusal))
        << c.from << " -> " << c.to << ": "
        << redirectRefusal(c.from, c.to, c.secret).toStdString();
}

} // namespace
} // namespace tarvelo

// Loading libcurl: only a library with every function, and a real failed transfer.
#include "exchange/curl_library.h"
#include "exchange/http_client.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(CurlLibraryTest, LoadsOnlyALibraryWithEveryFunction) {
  const struct {
    const char *name;
    int version;
    bool loads;
    const char *errorMentions;
  } cases[] = {
      {"curl", 4, true, ""},
      {"tarvelo-no-such-library", 1, false, "tarvelo-no-such-library"},
      // A library that loads but is not libcurl: the first missing function is named.
      {"z", 1, false, "curl_global_init"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const CurlLibrary curl = loadCurlLibrary(QString::fromLatin1(c.name), c.version);
    EXPECT_EQ(curl.error.isEmpty(), c.loads) << curl.error.toStdString();
    EXPECT_TRUE(curl.error.contains(QLatin1String(c.errorMentions))) << curl.error.toStdString();
    const bool complete = curl.globalInit && curl.easyInit && curl.easySetopt && curl.easyPerform &&
                          curl.easyGetinfo && curl.easyCleanup && curl.easyStrerror &&
                          curl.slistAppend && curl.slistFreeAll;
    EXPECT_EQ(complete, c.loads);
  }
}

TEST(CurlLibraryTest, AnUnreachableAddressFailsAsANetworkFailure) {
  // Port 1 on the loopback refuses at once: the loaded library really transfers.
  HttpRequest request;
  request.url = QStringLiteral("http://127.0.0.1:1/");
  request.connectTimeoutMs = 2000;
  const HttpResponse response = performHttp(request);
  EXPECT_EQ(response.failure, HttpResponse::Failure::Network);
  EXPECT_FALSE(response.error.isEmpty());
  EXPECT_FALSE(response.error.startsWith(QLatin1String("libcurl could not be loaded")));
}

} // namespace
} // namespace tarvelo

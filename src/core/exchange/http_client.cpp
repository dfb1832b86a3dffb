// HTTP exchanges through libcurl: limits, aborts and redirections checked by origin.
#include "exchange/http_client.h"

#include "exchange/curl_library.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>
#include <QUrl>
#include <algorithm>
#include <limits>

namespace tarvelo {

namespace {

struct Transfer {
  QByteArray *body;
  qint64 maxBytes;
  bool tooLarge = false;
  const std::atomic<bool> *abort;
};

size_t received(char *data, size_t size, size_t count, void *user) {
  auto *transfer = static_cast<Transfer *>(user);
  const size_t bytes = size * count;
  if (transfer->body->size() + qint64(bytes) > transfer->maxBytes) {
    transfer->tooLarge = true;
    return 0; // ends the transfer with a write error
  }
  transfer->body->append(data, qsizetype(bytes));
  return bytes;
}

// Reads Retry-After from the header lines.
size_t headerLine(char *data, size_t size, size_t count, void *user) {
  auto *response = static_cast<HttpResponse *>(user);
  const size_t bytes = size * count;
  const QByteArray line = QByteArray::fromRawData(data, qsizetype(bytes)).trimmed();
  constexpr char kName[] = "retry-after:";
  if (line.size() > qsizetype(sizeof kName) && line.left(sizeof kName - 1).toLower() == kName)
    response->retryAfterSeconds = tarvelo::retryAfterSeconds(line.mid(sizeof kName - 1).trimmed(),
                                                             QDateTime::currentDateTimeUtc());
  return bytes;
}

// libcurl calls this at least once a second, also while it waits for a connection.
int progressed(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto *transfer = static_cast<const Transfer *>(user);
  return transfer->abort && transfer->abort->load() ? 1 : 0;
}

constexpr int kMaxRedirects = 5;

bool isRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// One exchange without following redirections; location receives where a
// redirection points.
HttpResponse performOnce(const HttpRequest &request, const std::atomic<bool> *abort,
                         QString *location);

} // namespace

QString redirectRefusal(const QString &from, const QString &to, bool carriesSecret) {
  const QUrl source(from);
  const QUrl target(to);
  const QString fromScheme = source.scheme().toLower();
  const QString toScheme = target.scheme().toLower();
  const auto portOf = [](const QUrl &url) {
    return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443
                                                                                           : 80);
  };
  if (!target.isValid() ||
      (toScheme != QLatin1String("http") && toScheme != QLatin1String("https")))
    return QStringLiteral("the server redirected to an address that is not HTTP");
  if (fromScheme == QLatin1String("https") && toScheme == QLatin1String("http"))
    return QStringLiteral("the server redirected from https to http");
  if (!carriesSecret)
    return QString();
  const bool sameHost = source.host().compare(target.host(), Qt::CaseInsensitive) == 0;
  const bool sameOrigin = sameHost && fromScheme == toScheme && portOf(source) == portOf(target);
  const bool upgrade = sameHost && fromScheme == QLatin1String("http") &&
                       toScheme == QLatin1String("https") && portOf(source) == 80 &&
                       portOf(target) == 443;
  if (sameOrigin || upgrade)
    return QString();
  return QStringLiteral("the server redirected to another address (%1), which is not sent the key")
      .arg(target.host());
}

HttpResponse performHttp(const HttpRequest &request, const std::atomic<bool> *abort) {
  HttpRequest current = request;
  for (int hop = 0;; ++hop) {
    QString location;
    HttpResponse response = performOnce(current, abort, &location);
    if (!response.answered() || !isRedirect(response.status) || location.isEmpty())
      return response;
    const QString next = QUrl(current.url).resolved(QUrl(location)).toString(QUrl::FullyEncoded);
    QString refusal = redirectRefusal(current.url, next, request.carriesSecret);
    if (refusal.isEmpty() && hop == kMaxRedirects)
      refusal = QStringLiteral("the server redirected more than %1 times").arg(kMaxRedirects);
    if (!refusal.isEmpty()) {
      response.failure = HttpResponse::Failure::Network;
      response.error = refusal;
      return response;
    }
    // As browsers do: 303, and 301 and 302 after a POST, fetch the new address.
    if (response.status == 303 ||
        (current.method == HttpRequest::Method::Post && response.status <= 302)) {
      current.method = HttpRequest::Method::Get;
      current.body.clear();
    }
    current.url = next;
  }
}

namespace {

HttpResponse performOnce(const HttpRequest &request, const std::atomic<bool> *abort,
                         QString *location) {
  HttpResponse response;
  const CurlLibrary &api = curlLibrary();
  if (!api.error.isEmpty()) {
    response.failure = HttpResponse::Failure::Network;
    response.error = QStringLiteral("libcurl could not be loaded: %1").arg(api.error);
    return response;
  }
  CURL *curl = api.easyInit();
  if (!curl) {
    response.failure = HttpResponse::Failure::Network;
    response.error = QStringLiteral("libcurl could not be initialised");
    return response;
  }
  Transfer transfer{&response.body, request.maxBytes, false, abort};
  const QByteArray url = request.url.toUtf8();
  api.easySetopt(curl, CURLOPT_URL, url.constData());
  api.easySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  // Redirections are followed by performHttp, which judges each one.
  api.easySetopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  api.easySetopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  api.easySetopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  // Time-outs by signal would hit other threads.
  api.easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
  api.easySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(request.connectTimeoutMs));
  api.easySetopt(curl, CURLOPT_TIMEOUT_MS, long(request.totalTimeoutMs));
  api.easySetopt(curl, CURLOPT_USERAGENT, "Tarvelo");
  api.easySetopt(curl, CURLOPT_WRITEFUNCTION, received);
  api.easySetopt(curl, CURLOPT_WRITEDATA, &transfer);
  api.easySetopt(curl, CURLOPT_HEADERFUNCTION, headerLine);
  api.easySetopt(curl, CURLOPT_HEADERDATA, &response);
  api.easySetopt(curl, CURLOPT_NOPROGRESS, 0L);
  api.easySetopt(curl, CURLOPT_XFERINFOFUNCTION, progressed);
  api.easySetopt(curl, CURLOPT_XFERINFODATA, &transfer);
  api.easySetopt(curl, CURLOPT_ACCEPT_ENCODING, "");
  if (request.method == HttpRequest::Method::Post) {
    api.easySetopt(curl, CURLOPT_POST, 1L);
    api.easySetopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
    api.easySetopt(curl, CURLOPT_POSTFIELDS, request.body.constData());
  }
  curl_slist *headers = nullptr;
  for (const auto &header : request.headers)
    headers = api.slistAppend(headers, (header.first + ": " + header.second).constData());
  // No "Expect: 100-continue" round trip for the larger batches.
  headers = api.slistAppend(headers, "Expect:");
  api.easySetopt(curl, CURLOPT_HTTPHEADER, headers);

  char errorText[CURL_ERROR_SIZE] = {};
  api.easySetopt(curl, CURLOPT_ERRORBUFFER, errorText);
  const CURLcode code = api.easyPerform(curl);
  long status = 0;
  api.easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  response.status = int(status);
  const char *redirect = nullptr;
  if (api.easyGetinfo(curl, CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK && redirect)
    *location = QString::fromUtf8(redirect);
  api.slistFreeAll(headers);
  api.easyCleanup(curl);

  if (code == CURLE_OK)
    return response;
  response.error = QString::fromUtf8(*errorText ? errorText : api.easyStrerror(code));
  if (code == CURLE_ABORTED_BY_CALLBACK)
    response.failure = HttpResponse::Failure::Aborted;
  else if (code == CURLE_OPERATION_TIMEDOUT)
    response.failure = HttpResponse::Failure::TimedOut;
  else if (transfer.tooLarge)
    response.failure = HttpResponse::Failure::TooLarge;
  else
    response.failure = HttpResponse::Failure::Network;
  return response;
}

} // namespace

int retryAfterSeconds(const QByteArray &value, const QDateTime &now) {
  bool ok = false;
  const int seconds = value.toInt(&ok);
  if (ok)
    return seconds >= 0 ? seconds : -1;
  // The HTTP date, in its one current form: "Sun, 06 Nov 1994 08:49:37 GMT".
  QDateTime date = QLocale::c().toDateTime(QString::fromLatin1(value.trimmed()),
                                           QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
  if (!date.isValid())
    return -1;
  date.setTimeZone(QTimeZone::utc());
  return int(std::clamp<qint64>(now.secsTo(date), 0, std::numeric_limits<int>::max()));
}

QByteArray formEncoded(const QString &text) {
  return QUrl::toPercentEncoding(text);
}

} // namespace tarvelo

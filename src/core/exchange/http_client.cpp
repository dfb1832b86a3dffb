#include "exchange/http_client.h"

#include <QCoreApplication>
#include <QUrl>
#include <curl/curl.h>
#include <mutex>

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

// libcurl calls this at least once a second, also while it waits for a connection.
int progressed(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto *transfer = static_cast<const Transfer *>(user);
  return transfer->abort && transfer->abort->load() ? 1 : 0;
}

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

HttpResponse performHttp(const HttpRequest &request, const std::atomic<bool> *abort) {
  HttpResponse response;
  initialiseOnce();
  CURL *curl = curl_easy_init();
  if (!curl) {
    response.failure = HttpResponse::Failure::Network;
    response.error = QStringLiteral("libcurl could not be initialised");
    return response;
  }
  Transfer transfer{&response.body, request.maxBytes, false, abort};
  const QByteArray url = request.url.toUtf8();
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  // Time-outs by signal would hit other threads.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(request.connectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(request.totalTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Tarvelo");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, received);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progressed);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
  if (request.method == HttpRequest::Method::Post) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.constData());
  }
  curl_slist *headers = nullptr;
  for (const auto &header : request.headers)
    headers = curl_slist_append(headers, (header.first + ": " + header.second).constData());
  // No "Expect: 100-continue" round trip for the larger batches.
  headers = curl_slist_append(headers, "Expect:");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);

  char errorText[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  response.status = int(status);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);

  if (code == CURLE_OK)
    return response;
  response.error = QString::fromUtf8(*errorText ? errorText : curl_easy_strerror(code));
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

QByteArray formEncoded(const QString &text) {
  return QUrl::toPercentEncoding(text);
}

} // namespace tarvelo

#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <atomic>

namespace tarvelo {

// One HTTP exchange of the online services (machine translation, update check).
struct HttpRequest {
  enum class Method { Get, Post };
  Method method = Method::Get;
  QString url;
  QList<QPair<QByteArray, QByteArray>> headers;
  QByteArray body; // sent with POST
  int connectTimeoutMs = 10000;
  int totalTimeoutMs = 30000;
  // Answers larger than this are cut off and fail: a server cannot fill the memory.
  qint64 maxBytes = 8 * 1024 * 1024;

  void addHeader(const QByteArray &name, const QByteArray &value) {
    headers.append(QPair<QByteArray, QByteArray>(name, value));
  }
};

struct HttpResponse {
  enum class Failure { None, Network, TimedOut, Aborted, TooLarge };
  Failure failure = Failure::None;
  int status = 0; // the HTTP status when the server answered
  QByteArray body;
  QString error; // what went wrong on the way, for messages

  bool answered() const { return failure == Failure::None; }
  bool ok() const { return answered() && status >= 200 && status < 300; }
};

// Performs the request with libcurl: HTTP and HTTPS only, certificate checks on,
// redirections followed. Blocks; call it off the user-interface thread. Setting
// abort makes it return within a second with Failure::Aborted.
HttpResponse performHttp(const HttpRequest &request, const std::atomic<bool> *abort = nullptr);

// Percent-encodes a text for a query string or a form body (UTF-8, RFC 3986).
QByteArray formEncoded(const QString &text);

} // namespace tarvelo

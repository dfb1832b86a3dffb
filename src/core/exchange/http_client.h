// One HTTP exchange of the online services, and how it is performed.
#pragma once

#include <QByteArray>
#include <QDateTime>
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
  // A key rides in the address, the body or a header: the request is never redirected
  // to another origin.
  bool carriesSecret = false;

  void addHeader(const QByteArray &name, const QByteArray &value) {
    headers.append(QPair<QByteArray, QByteArray>(name, value));
  }
};

struct HttpResponse {
  enum class Failure { None, Network, TimedOut, Aborted, TooLarge };
  Failure failure = Failure::None;
  int status = 0; // the HTTP status when the server answered
  QByteArray body;
  QString error;              // what went wrong on the way, for messages
  int retryAfterSeconds = -1; // the Retry-After header in seconds, when the server sent one

  bool answered() const { return failure == Failure::None; }
  bool ok() const { return answered() && status >= 200 && status < 300; }
};

// Performs the request with libcurl: HTTP and HTTPS only, certificate checks on,
// redirections followed as redirectAllowed permits (at most five). Blocks; call it off
// the user-interface thread. Setting abort makes it return within a second with
// Failure::Aborted.
HttpResponse performHttp(const HttpRequest &request, const std::atomic<bool> *abort = nullptr);

// Whether a redirection from one address to another may be followed: never from https
// to http, and with a secret only to the same origin (scheme, host and port) or from
// http to https on the same host. Empty when it may, else why not.
QString redirectRefusal(const QString &from, const QString &to, bool carriesSecret);

// The seconds a Retry-After value asks to wait: a number of seconds, or an HTTP date
// (a date past is no wait); -1 when it is neither.
int retryAfterSeconds(const QByteArray &value, const QDateTime &now);

// Percent-encodes a text for a query string or a form body (UTF-8, RFC 3986).
QByteArray formEncoded(const QString &text);

} // namespace tarvelo

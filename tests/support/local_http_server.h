// A real HTTP server on 127.0.0.1 inside the test process, for web-service clients.
#pragma once

// A real HTTP server inside the test process, on 127.0.0.1, for the clients of web
// services. It runs its own thread, so that a blocking client on the test's thread
// can talk to it. Tests that use it link Qt6::Network.

#include <QByteArray>
#include <QEventLoop>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrlQuery>
#include <functional>
#include <memory>

namespace tarvelo::test {

class LocalHttpServer {
public:
  struct Request {
    QByteArray method, path, query, body;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QString queryValue(const QString &name) const {
      return QUrlQuery(QString::fromUtf8(query)).queryItemValue(name, QUrl::FullyDecoded);
    }
  };
  struct Reply {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    bool silent = false;        // accept the request and never answer
    QByteArray location = {};   // sent as the Location header when not empty
    QByteArray retryAfter = {}; // sent as the Retry-After header when not empty
  };
  using Handler = std::function<Reply(const Request &)>;

  explicit LocalHttpServer(Handler handler) : m_handler(std::move(handler)) {
    QSemaphore ready;
    m_thread.reset(QThread::create([this, &ready] { serve(ready); }));
    m_thread->start();
    ready.acquire();
  }
  ~LocalHttpServer() {
    m_thread->quit();
    m_thread->wait();
  }

  QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
  QList<Request> requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
  }
  void setHandler(Handler handler) {
    QMutexLocker lock(&m_mutex);
    m_handler = std::move(handler);
  }

  static Reply json(const QByteArray &body, int status = 200) { return {status, body}; }
  static Reply redirect(const QString &to, int status = 307) {
    Reply reply{status, QByteArray()};
    reply.location = to.toUtf8();
    return reply;
  }

private:
  void serve(QSemaphore &ready) {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    m_port = server.serverPort();
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
      while (QTcpSocket *socket = server.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
          buffer->append(socket->readAll());
          handle(socket, *buffer);
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
    ready.release();
    QEventLoop loop;
    loop.exec();
  }

  void handle(QTcpSocket *socket, const QByteArray &buffer) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
      return;
    Request request;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    const QByteArray target = first.value(1);
    const qsizetype question = target.indexOf('?');
    request.path = question < 0 ? target : target.left(question);
    request.query = question < 0 ? QByteArray() : target.mid(question + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const qsizetype colon = lines[i].indexOf(':');
      if (colon > 0)
        request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                               lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length").toInt();
    if (buffer.size() - end - 4 < length)
      return; // the body is still coming
    request.body = buffer.mid(end + 4, length);
    Handler handler;
    {
      QMutexLocker lock(&m_mutex);
      m_requests.append(request);
      handler = m_handler;
    }
    const Reply reply = handler(request);
    if (reply.silent)
      return;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n";
    response += "Content-Type: " + reply.contentType + "\r\n";
    if (!reply.location.isEmpty())
      response += "Location: " + reply.location + "\r\n";
    if (!reply.retryAfter.isEmpty())
      response += "Retry-After: " + reply.retryAfter + "\r\n";
    response += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n";
    response += reply.body;
    socket->write(response);
    socket->disconnectFromHost();
  }

  Handler m_handler;
  std::unique_ptr<QThread> m_thread;
  quint16 m_port = 0;
  mutable QMutex m_mutex;
  QList<Request> m_requests;
};

} // namespace tarvelo::test

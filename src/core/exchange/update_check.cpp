// Checking for a newer version and downloading its installer, digest checked.
#include "exchange/update_check.h"

#include "exchange/http_client.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace tarvelo {

std::optional<QList<int>> parseVersion(const QString &text) {
  const QStringList parts = text.split(u'.');
  if (text.isEmpty() || parts.size() > 4)
    return std::nullopt;
  QList<int> version;
  for (const QString &part : parts) {
    if (part.isEmpty() || part.size() > 9)
      return std::nullopt;
    for (QChar c : part)
      if (c < u'0' || c > u'9')
        return std::nullopt;
    version.append(part.toInt());
  }
  while (version.size() < 4)
    version.append(0);
  return version;
}

bool isNewerVersion(const QString &offered, const QString &current) {
  const std::optional<QList<int>> a = parseVersion(offered);
  const std::optional<QList<int>> b = parseVersion(current);
  if (!a || !b)
    return false;
  return *a > *b;
}

QString installerName(const QString &version) {
  const std::optional<QList<int>> parts = parseVersion(version);
  if (!parts)
    return QString();
  QString name = QStringLiteral("Tarvelo%1_%2").arg((*parts)[0]).arg((*parts)[1]);
  if ((*parts)[2] != 0)
    name += QChar(u'0' + (*parts)[2] % 10);
  return name + QStringLiteral(".exe");
}

QString descriptorUrl(const QString &updateUrl) {
  const QString url = updateUrl.trimmed();
  return url.endsWith(u'/') ? url + QStringLiteral("update.txt") : url;
}

QString releasePage(const QString &descriptorUrl) {
  return descriptorUrl.left(descriptorUrl.lastIndexOf(u'/') + 1);
}

UpdateCheckResult checkForUpdate(const QString &updateUrl, const QString &currentVersion,
                                 int connectTimeoutMs, int totalTimeoutMs,
                                 const std::atomic<bool> *abort) {
  UpdateCheckResult result;
  const QString descriptor = descriptorUrl(updateUrl);
  if (descriptor.isEmpty() || !isSecureUpdateUrl(descriptor))
    return result;
  HttpRequest request;
  request.url = descriptor;
  request.connectTimeoutMs = connectTimeoutMs;
  request.totalTimeoutMs = totalTimeoutMs;
  request.maxBytes = 1024 * 1024;
  request.addHeader("Cache-Control", "no-cache");
  const HttpResponse response = performHttp(request, abort);
  if (!response.ok()) {
    result.code = response.answered() || response.failure != HttpResponse::Failure::TooLarge
                      ? UpdateCheckResult::NotReachable
                      : UpdateCheckResult::NotReadable;
    return result;
  }
  // The first 4096 bytes, as ANSI text, are the version and nothing else.
  result.version = QString::fromLatin1(response.body.left(4096));
  result.releasePage = releasePage(descriptor);
  if (!isNewerVersion(result.version, currentVersion)) {
    result.code = UpdateCheckResult::NotNewer;
    return result;
  }
  result.installerUrl = result.releasePage + installerName(result.version);
  result.code = UpdateCheckResult::Newer;
  return result;
}

namespace {

HttpResponse fetch(const QString &url, int connectTimeoutMs, int totalTimeoutMs, qint64 maxBytes,
                   const std::atomic<bool> *abort) {
  HttpRequest request;
  request.url = url;
  request.connectTimeoutMs = connectTimeoutMs;
  request.totalTimeoutMs = totalTimeoutMs;
  request.maxBytes = maxBytes;
  return performHttp(request, abort);
}

InstallerDownload failed(UpdateCheckResult::Code code, const QString &error) {
  return {code, QString(), error};
}

// The digest a ".sha256" file gives: its first word, 64 hexadecimal digits.
QByteArray digestOf(const QByteArray &file) {
  const QByteArray word = file.trimmed().split(' ').value(0).split('\t').value(0).toLower();
  if (word.size() != 64)
    return {};
  for (const char c : word)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
      return {};
  return word;
}

// Writes the installer into a new folder that only the user may enter, so that no one
// else can swap it before it is started.
InstallerDownload keep(const QByteArray &program, const QString &folder, const QString &name) {
  QTemporaryDir privateFolder(QDir(folder).filePath(QStringLiteral("tarvelo-update-XXXXXX")));
  if (!privateFolder.isValid())
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("no folder for the installer can be made in %1")
                      .arg(QDir::toNativeSeparators(folder)));
  privateFolder.setAutoRemove(false);
  const QString path = privateFolder.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
      file.write(program) != program.size() || !file.flush()) {
    file.close();
    privateFolder.remove();
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("the installer cannot be written to %1")
                      .arg(QDir::toNativeSeparators(path)));
  }
  return {UpdateCheckResult::Started, path, QString()};
}

} // namespace

bool isSecureUpdateUrl(const QString &url) {
  const QUrl address(url);
  const QString scheme = address.scheme().toLower();
  if (scheme == QLatin1String("https"))
    return true;
  // This machine: nothing crosses a network. "127.x.y.z" in digits, not a name that
  // merely begins so.
  const QString host = address.host().toLower();
  static const QRegularExpression loopback(QStringLiteral("^127(\\.\\d{1,3}){3}$"));
  return scheme == QLatin1String("http") &&
         (host == QLatin1String("localhost") || host == QLatin1String("::1") ||
          loopback.match(host).hasMatch());
}

InstallerDownload downloadInstaller(const QString &url, const QString &folder, int connectTimeoutMs,
                                    int totalTimeoutMs, const std::atomic<bool> *abort) {
  if (!isSecureUpdateUrl(url))
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("the installer's address %1 is not https").arg(url));
  const HttpResponse digestFile =
      fetch(url + QStringLiteral(".sha256"), connectTimeoutMs, totalTimeoutMs, 4096, abort);
  if (!digestFile.ok())
    return failed(
        UpdateCheckResult::NotReachable,
        QStringLiteral("the installer's digest cannot be fetched (%1)")
            .arg(digestFile.answered() ? QString::number(digestFile.status) : digestFile.error));
  const QByteArray digest = digestOf(digestFile.body);
  if (digest.isEmpty())
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("the installer's digest file holds no SHA-256 digest"));
  const HttpResponse response =
      fetch(url, connectTimeoutMs, totalTimeoutMs, 512 * 1024 * 1024, abort);
  if (!response.ok())
    return failed(
        UpdateCheckResult::NotReachable,
        QStringLiteral("the installer cannot be fetched (%1)")
            .arg(response.answered() ? QString::number(response.status) : response.error));
  // An error page instead of the program.
  if (response.body.left(4096).contains("HTML PUBLIC") || response.body.isEmpty())
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("the server sent a page instead of the installer"));
  if (QCryptographicHash::hash(response.body, QCryptographicHash::Sha256).toHex() != digest)
    return failed(UpdateCheckResult::DownloadFailed,
                  QStringLiteral("the installer does not match its SHA-256 digest"));
  return keep(response.body, folder, QUrl(url).fileName());
}

QString updateQuestion(const QString &name) {
  return QCoreApplication::translate("Prompter",
                                     "An update of %1 is now available. Proceed with the update?")
      .arg(name);
}

} // namespace tarvelo

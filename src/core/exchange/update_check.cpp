#include "exchange/update_check.h"

#include "exchange/http_client.h"

#include <QCoreApplication>
#include <QSaveFile>

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
  if (descriptor.isEmpty())
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

UpdateCheckResult::Code downloadInstaller(const QString &url, const QString &path,
                                          int connectTimeoutMs, int totalTimeoutMs) {
  HttpRequest request;
  request.url = url;
  request.connectTimeoutMs = connectTimeoutMs;
  request.totalTimeoutMs = totalTimeoutMs;
  request.maxBytes = 512 * 1024 * 1024;
  const HttpResponse response = performHttp(request);
  if (!response.ok())
    return UpdateCheckResult::NotReachable;
  // An error page instead of the program.
  if (response.body.left(4096).contains("HTML PUBLIC") || response.body.isEmpty())
    return UpdateCheckResult::DownloadFailed;
  // Written whole or not at all, so that nothing half-downloaded is ever started.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(response.body) != response.body.size() ||
      !file.commit())
    return UpdateCheckResult::DownloadFailed;
  return UpdateCheckResult::Started;
}

QString updateQuestion(const QString &name) {
  return QCoreApplication::translate("Prompter",
                                     "An update of %1 is now available. Proceed with the update?")
      .arg(name);
}

} // namespace tarvelo

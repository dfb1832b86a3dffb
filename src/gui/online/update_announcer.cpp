#include "online/update_announcer.h"

#include "exchange/translation_provider.h"
#include "seam/prompter.h"
#include "seam/settings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>

namespace tarvelo::gui {

UpdateAnnouncer::UpdateAnnouncer(Settings &settings, Prompter &prompter, QString currentVersion,
                                 QObject *parent)
    : QObject(parent), m_settings(settings), m_prompter(prompter),
      m_version(std::move(currentVersion)),
      m_open([](const QUrl &url) { return QDesktopServices::openUrl(url); }) {}

UpdateAnnouncer::~UpdateAnnouncer() {
  m_abort = true;
  if (m_worker.joinable())
    m_worker.join();
}

bool UpdateAnnouncer::start() {
  const QString url = m_settings.text(QStringLiteral("UpdateURL")).trimmed();
  if (m_settings.integer(QStringLiteral("AutoUpdate")) != 1 || url.isEmpty() || m_worker.joinable())
    return false;
  const MtConfig timeouts = MtConfig::read(m_settings);
  m_worker = std::thread([this, url, timeouts] {
    const UpdateCheckResult result = checkForUpdate(url, m_version, timeouts.connectTimeoutMs,
                                                    timeouts.totalTimeoutMs, &m_abort);
    if (m_abort)
      return;
    // The answer is shown on the user-interface thread.
    QMetaObject::invokeMethod(
        this, [this, result] { announce(result); }, Qt::QueuedConnection);
  });
  return true;
}

void UpdateAnnouncer::announce(const UpdateCheckResult &result) {
  if (result.code != UpdateCheckResult::Newer) {
    Q_EMIT finished(result.code);
    return;
  }
#ifdef Q_OS_WIN
  const QString name = installerName(result.version);
#else
  const QString name = QStringLiteral("Tarvelo ") + result.version;
#endif
  const Prompter::Answer answer = m_prompter.captionedMessage(
      QCoreApplication::translate("Prompter", "Update is available"), updateQuestion(name),
      Prompter::Buttons::YesNo, Prompter::Icon::Question);
  if (answer != Prompter::Answer::Yes) {
    Q_EMIT finished(UpdateCheckResult::Declined);
    return;
  }
#ifdef Q_OS_WIN
  const MtConfig timeouts = MtConfig::read(m_settings);
  const QString local = QDir::temp().filePath(name);
  const UpdateCheckResult::Code downloaded =
      downloadInstaller(result.installerUrl, local, timeouts.connectTimeoutMs, 30 * 60 * 1000);
  if (downloaded != UpdateCheckResult::Started) {
    Q_EMIT finished(downloaded);
    return;
  }
  if (!QProcess::startDetached(local, {})) {
    Q_EMIT finished(UpdateCheckResult::Declined);
    return;
  }
  Q_EMIT finished(UpdateCheckResult::Started);
  QCoreApplication::quit();
#else
  // Programs here come from the package manager: the release page tells how.
  m_open(QUrl(result.releasePage));
  Q_EMIT finished(UpdateCheckResult::Started);
#endif
}

} // namespace tarvelo::gui

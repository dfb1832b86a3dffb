// The update check of the start-up, and the download of a newer version's installer.

#include "online/update_announcer.h"

#include "exchange/translation_provider.h"
#include "seam/prompter.h"
#include "seam/settings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QTimer>

namespace tarvelo::gui {

namespace {

#ifdef Q_OS_WIN
constexpr bool kInstallsItself = true;
#else
constexpr bool kInstallsItself = false;
#endif

// Starts the installer on its own and ends the program, so that it can be replaced.
bool startInstaller(const QString &path) {
  if (!QProcess::startDetached(path, {}))
    return false;
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  return true;
}

} // namespace

UpdateAnnouncer::UpdateAnnouncer(Settings &settings, Prompter &prompter, QString currentVersion,
                                 QObject *parent)
    : QObject(parent), m_settings(settings), m_prompter(prompter),
      m_version(std::move(currentVersion)),
      m_open([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_start(startInstaller), m_folder(QDir::tempPath()), m_installs(kInstallsItself) {}

UpdateAnnouncer::~UpdateAnnouncer() {
  m_abort = true;
  if (m_worker.joinable())
    m_worker.join();
}

void UpdateAnnouncer::inBackground(std::function<void()> work) {
  if (m_worker.joinable())
    m_worker.join();
  m_worker = std::thread(std::move(work));
}

bool UpdateAnnouncer::start() {
  const QString url = m_settings.text(QStringLiteral("UpdateURL")).trimmed();
  if (m_settings.integer(QStringLiteral("AutoUpdate")) != 1 || url.isEmpty() || m_worker.joinable())
    return false;
  const MtConfig timeouts = MtConfig::read(m_settings);
  inBackground([this, url, timeouts] {
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
  const QString name =
      m_installs ? installerName(result.version) : QStringLiteral("Tarvelo ") + result.version;
  const Prompter::Answer answer = m_prompter.captionedMessage(
      QCoreApplication::translate("Prompter", "Update is available"), updateQuestion(name),
      Prompter::Buttons::YesNo, Prompter::Icon::Question);
  if (answer != Prompter::Answer::Yes) {
    Q_EMIT finished(UpdateCheckResult::Declined);
    return;
  }
  if (m_installs) {
    download(result);
    return;
  }
  // Programs here come from the package manager: the release page tells how.
  m_open(QUrl(result.releasePage));
  Q_EMIT finished(UpdateCheckResult::Started);
}

// The installer comes in the background: the window stays alive while it does.
void UpdateAnnouncer::download(const UpdateCheckResult &result) {
  const MtConfig timeouts = MtConfig::read(m_settings);
  const QString url = result.installerUrl;
  const QString folder = m_folder;
  inBackground([this, url, folder, timeouts] {
    const InstallerDownload download =
        downloadInstaller(url, folder, timeouts.connectTimeoutMs, 30 * 60 * 1000, &m_abort);
    if (m_abort)
      return;
    QMetaObject::invokeMethod(
        this, [this, download] { installerReady(download); }, Qt::QueuedConnection);
  });
}

void UpdateAnnouncer::installerReady(const InstallerDownload &download) {
  if (download.code != UpdateCheckResult::Started) {
    m_prompter.error(
        QCoreApplication::translate("Prompter", "The update could not be downloaded: %1.")
            .arg(download.error));
    Q_EMIT finished(download.code);
    return;
  }
  if (!m_start(download.path)) {
    m_prompter.error(
        QCoreApplication::translate("Prompter", "The installer %1 could not be started.")
            .arg(QDir::toNativeSeparators(download.path)));
    Q_EMIT finished(UpdateCheckResult::Declined);
    return;
  }
  Q_EMIT finished(UpdateCheckResult::Started);
}

} // namespace tarvelo::gui

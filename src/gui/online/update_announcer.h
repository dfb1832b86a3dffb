// The update check of the start-up, in the background.
#pragma once

#include "exchange/update_check.h"

#include <QObject>
#include <QUrl>
#include <atomic>
#include <functional>
#include <thread>

namespace tarvelo {
class Prompter;
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

// The update check of the start-up, in the background: it never delays the main window.
// A newer version is announced with the question "Update is available". Where programs
// install themselves (Windows) the installer is then downloaded in the background,
// checked against its digest and started, and the program ends; elsewhere the release
// page opens in the desktop's handler (the package manager installs).
class UpdateAnnouncer : public QObject {
  Q_OBJECT
public:
  UpdateAnnouncer(Settings &settings, Prompter &prompter, QString currentVersion,
                  QObject *parent = nullptr);
  ~UpdateAnnouncer() override;

  // Starts the check; false when "AutoUpdate" is 0 or "UpdateURL" is empty.
  bool start();
  // How the release page is opened; the desktop's handler unless replaced.
  void setOpener(std::function<bool(const QUrl &)> open) { m_open = std::move(open); }
  // Whether the installer is downloaded and started instead; so on Windows.
  void setInstallsItself(bool installs) { m_installs = installs; }
  // Where the installer's own folder is made (the temporary folder) and how it is
  // started (a process of its own, and the program ends) unless replaced.
  void setDownloadFolder(QString folder) { m_folder = std::move(folder); }
  void setStarter(std::function<bool(const QString &)> start) { m_start = std::move(start); }

Q_SIGNALS:
  // The check ended with its code (UpdateCheckResult::Code; 7 when declined).
  void finished(int code);

private:
  void announce(const UpdateCheckResult &result);
  void download(const UpdateCheckResult &result);
  void installerReady(const InstallerDownload &download);
  // Runs work on the background thread (the previous work has ended).
  void inBackground(std::function<void()> work);

  Settings &m_settings;
  Prompter &m_prompter;
  QString m_version;
  std::function<bool(const QUrl &)> m_open;
  std::function<bool(const QString &)> m_start;
  QString m_folder;
  bool m_installs;
  std::atomic<bool> m_abort{false};
  std::thread m_worker;
};

} // namespace tarvelo::gui

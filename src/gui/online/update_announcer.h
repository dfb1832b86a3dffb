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
// A newer version is announced with the question "Update is available"; on Linux the
// release page opens in the desktop's handler (the package manager installs), on
// Windows the installer is downloaded and started and the program ends.
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

Q_SIGNALS:
  // The check ended with its code (UpdateCheckResult::Code; 7 when declined).
  void finished(int code);

private:
  void announce(const UpdateCheckResult &result);

  Settings &m_settings;
  Prompter &m_prompter;
  QString m_version;
  std::function<bool(const QUrl &)> m_open;
  std::atomic<bool> m_abort{false};
  std::thread m_worker;
};

} // namespace tarvelo::gui

// The update check: versions, the descriptor's address and the installer download.
#pragma once

#include <QList>
#include <QString>
#include <atomic>
#include <optional>

namespace tarvelo {

// A version text: one to four decimal numbers separated by "."; missing parts are 0.
// Nothing for any other text (spaces, a line break, a fifth part, letters).
std::optional<QList<int>> parseVersion(const QString &text);
// Whether the offered version is greater than the current one; an unparsable text is
// never newer.
bool isNewerVersion(const QString &offered, const QString &current);
// "Tarvelo" + major "_" minor, the third part as one digit when it is not 0, ".exe";
// empty for a version that is not one.
QString installerName(const QString &version);

// The descriptor's address from the "UpdateURL" setting (a folder ending in "/" gets
// "update.txt"), and the release page: the descriptor's folder.
QString descriptorUrl(const QString &updateUrl);
QString releasePage(const QString &descriptorUrl);

struct UpdateCheckResult {
  // The codes of the check: 0 an installer was started, 2 descriptor not reachable,
  // 3 not readable, 4 download failed, 5 a newer version is offered (the question
  // comes next), 6 no newer version, 7 declined or not started.
  enum Code {
    Started = 0,
    NotReachable = 2,
    NotReadable = 3,
    DownloadFailed = 4,
    Newer = 5,
    NotNewer = 6,
    Declined = 7
  };
  Code code = NotReachable;
  QString version;     // the descriptor's version
  QString releasePage; // where a newer version is announced
  QString installerUrl;
};

// Whether updates may come from the address: https, or http to this machine only.
bool isSecureUpdateUrl(const QString &url);

// Fetches the descriptor and compares it with the current version; an address that is
// not secure (see isSecureUpdateUrl) is NotReachable. Blocks; the program runs it in
// the background after the main window is shown.
UpdateCheckResult checkForUpdate(const QString &updateUrl, const QString &currentVersion,
                                 int connectTimeoutMs, int totalTimeoutMs,
                                 const std::atomic<bool> *abort = nullptr);

// What downloading the installer gave.
struct InstallerDownload {
  UpdateCheckResult::Code code = UpdateCheckResult::DownloadFailed;
  QString path;  // the installer, when Started
  QString error; // what failed, for the message
};

// Downloads the installer of a secure address and its SHA-256 digest, the first word of
// the file named like it with ".sha256" added (as sha256sum writes it), and keeps it
// in a new folder under `folder` that only the user may enter, with the name of the
// address. Started when the installer is whole and matches its digest; NotReachable
// when the server did not give both; DownloadFailed, with nothing kept, for an HTML
// page ("HTML PUBLIC" in its first 4096 bytes), a digest that does not match, or a
// file that cannot be written. Blocks; run it off the user-interface thread.
InstallerDownload downloadInstaller(const QString &url, const QString &folder, int connectTimeoutMs,
                                    int totalTimeoutMs, const std::atomic<bool> *abort = nullptr);

// The question 32932 for the offered version's name.
QString updateQuestion(const QString &name);

} // namespace tarvelo

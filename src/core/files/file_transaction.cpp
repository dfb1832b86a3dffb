// Writing files through temporary files beside them, flushed before they replace them.
#include "files/file_transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo {

namespace {

QString systemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

#ifdef Q_OS_UNIX
// The kernel's rule for links in sticky world-writable folders: one is followed only
// when its owner is the one following it or the folder's owner.
bool linkMayBeFollowed(const QString &path) {
  struct stat link, folder;
  const QByteArray name = QFile::encodeName(path);
  const QByteArray parent = QFile::encodeName(QFileInfo(path).absolutePath());
  if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
    return true;
  if (::stat(parent.constData(), &folder) != 0)
    return true;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}
#endif

QString notWritten(const QString &path, const QString &reason) {
  return QCoreApplication::translate("Prompter",
                                     "The file '%1' could not be written: %2. The files on the "
                                     "disk were left as they were.")
      .arg(QDir::toNativeSeparators(path), reason);
}

// No one may write it, whoever the one asking is.
bool isMarkedReadOnly(const QString &path) {
  constexpr QFile::Permissions kWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  return (QFile::permissions(path) & kWrite) == 0;
}

// The file a path names: itself, or what its links lead to.
QString resolvedPath(const QString &path) {
  QString current = QFileInfo(path).absoluteFilePath();
  for (int depth = 0; depth < 40 && QFileInfo(current).isSymLink(); ++depth) {
    const QString target = QFileInfo(current).symLinkTarget();
    if (target.isEmpty())
      break;
    current = QFileInfo(target).absoluteFilePath();
  }
  return current;
}

} // namespace

FileTransaction::~FileTransaction() {
  cancel();
}

void FileTransaction::cancel() {
  for (const Staged &staged : m_staged)
    QFile::remove(staged.temporary);
  m_staged.clear();
}

bool FileTransaction::fail(const QString &path, const QString &reason) {
  m_failedPath = path;
  m_reason = reason;
  cancel();
  return false;
}

bool FileTransaction::stage(const QString &path, const QByteArray &content) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
#ifdef Q_OS_UNIX
  if (!linkMayBeFollowed(absolute))
    return fail(absolute,
                QCoreApplication::translate(
                    "Prompter", "it is a link that another user owns in a shared folder"));
#endif
  const QString real = resolvedPath(absolute);
  const QFileInfo existing(real);
  if (existing.exists() && !existing.isFile())
    return fail(absolute, QCoreApplication::translate("Prompter", "it is not a regular file"));
  if (!QFileInfo(existing.absolutePath()).isDir())
    return fail(absolute, systemReason(ENOENT));
  // A file or folder the user may not write, or that is marked read-only, is left
  // alone, though the folder would allow replacing it (or the user is the superuser).
  if (existing.exists() && (!existing.isWritable() || isMarkedReadOnly(real)))
    return fail(absolute, systemReason(EACCES));
  if (!QFileInfo(existing.absolutePath()).isWritable() || isMarkedReadOnly(existing.absolutePath()))
    return fail(absolute, systemReason(EACCES));
  QTemporaryFile temporary(existing.absolutePath() + QStringLiteral("/.") + existing.fileName() +
                           QStringLiteral(".XXXXXX"));
  temporary.setAutoRemove(false);
  if (!temporary.open())
    return fail(absolute, temporary.errorString());
  const QString temporaryPath = temporary.fileName();
  bool written = temporary.write(content) == content.size() && temporary.flush();
  QString reason = written ? QString() : temporary.errorString();
#ifdef Q_OS_UNIX
  if (written && ::fsync(temporary.handle()) != 0) {
    written = false;
    reason = systemReason(errno);
  }
  // The new file keeps the old one's permissions; a new one gets the usual ones.
  struct stat old;
  const bool hadMode = existing.exists() && ::stat(QFile::encodeName(real).constData(), &old) == 0;
  ::fchmod(temporary.handle(), hadMode ? (old.st_mode & 07777) : newFileMode());
#endif
  temporary.close();
  if (written && temporary.error() != QFileDevice::NoError) {
    written = false;
    reason = temporary.errorString();
  }
  if (!written) {
    QFile::remove(temporaryPath);
    return fail(absolute, reason);
  }
  m_staged.push_back({real, temporaryPath});
  return true;
}

bool FileTransaction::commit() {
  for (size_t i = 0; i < m_staged.size(); ++i) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_staged[i].temporary).toStdString(),
                            QFile::encodeName(m_staged[i].path).toStdString(), error);
    if (error) {
      m_failedPath = m_staged[i].path;
      m_reason = QString::fromLocal8Bit(error.message());
      for (size_t j = i; j < m_staged.size(); ++j)
        QFile::remove(m_staged[j].temporary);
      m_staged.clear();
      return false;
    }
  }
  m_staged.clear();
  return true;
}

QString FileTransaction::failureMessage() const {
  return notWritten(m_failedPath, m_reason);
}

bool makeFolderFor(const QString &path, QString *message) {
  const QString folder = QFileInfo(path).absolutePath();
  if (QFileInfo(folder).isDir())
    return true;
  std::error_code error;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
  if (!error)
    return true;
  if (message)
    *message = notWritten(path, QString::fromLocal8Bit(error.message()));
  return false;
}

bool writeFileSafely(const QString &path, const QByteArray &content, QString *message) {
  FileTransaction transaction;
  if (transaction.stage(path, content) && transaction.commit())
    return true;
  if (message)
    *message = transaction.failureMessage();
  return false;
}

} // namespace tarvelo

// Files replaced together, and only once each new content is complete on the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvelo {

// Each staged content is written to a temporary file in its file's folder and flushed
// to the disk; commit() then puts every one of them in place of its file. A failure
// while staging leaves every file as it was. A symbolic link is written through to
// the file it names, unless another user owns it in a shared sticky folder (where
// the kernel would not follow it either).
class FileTransaction {
public:
  FileTransaction() = default;
  FileTransaction(const FileTransaction &) = delete;
  FileTransaction &operator=(const FileTransaction &) = delete;
  // Temporary files not committed are removed.
  ~FileTransaction();

  // False when the content cannot be written whole beside the file; failure() says why.
  bool stage(const QString &path, const QByteArray &content);
  // Replaces the files by their staged contents; false, with the failure, when one
  // could not be (those replaced before it stay replaced).
  bool commit();
  // Drops what was staged.
  void cancel();

  // The file and the system's reason of the failure.
  const QString &failedPath() const { return m_failedPath; }
  const QString &reason() const { return m_reason; }
  // "The file '%1' could not be written: %2. ..." for messages.
  QString failureMessage() const;

private:
  bool fail(const QString &path, const QString &reason);
  struct Staged {
    QString path;      // the file replaced (a link's target)
    QString temporary; // its new content
  };
  std::vector<Staged> m_staged;
  QString m_failedPath;
  QString m_reason;
};

// Creates the folder a file is to be written in, when missing; false (with the failure
// message in *message) when it cannot be.
bool makeFolderFor(const QString &path, QString *message = nullptr);

// Writes one file that way; false (with the failure message in *message) when it could not.
bool writeFileSafely(const QString &path, const QByteArray &content, QString *message = nullptr);

} // namespace tarvelo

// Secrets a command takes without showing them to other users.

#include "cli/secret_options.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::cli {

bool isOwnersSecretFile(const QString &path, QString &error) {
#ifdef Q_OS_UNIX
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
    error = QStringLiteral("the key file '%1' cannot be read").arg(path);
    return false;
  }
  if (status.st_uid != ::getuid() || (status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    error = QStringLiteral("the key file '%1' may be read or changed by other users; "
                           "make it yours alone (chmod 600)")
                .arg(path);
    return false;
  }
  return true;
#else
  // Files in the user's profile are the user's alone unless shared on purpose.
  if (!QFileInfo(path).isFile()) {
    error = QStringLiteral("the key file '%1' cannot be read").arg(path);
    return false;
  }
  return true;
#endif
}

bool readMtKey(const CliArguments &read, QString &key, QString &error) {
  const bool fromFile = read.has(QStringLiteral("mt-key-file"));
  const bool fromLine = read.has(QStringLiteral("mt-key"));
  if (fromFile && fromLine) {
    error = QStringLiteral("give --mt-key-file or --mt-key, not both");
    return false;
  }
  if (fromFile) {
    const QString path = read.value(QStringLiteral("mt-key-file"));
    if (!isOwnersSecretFile(path, error))
      return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("the key file '%1' cannot be read").arg(path);
      return false;
    }
    key = QString::fromUtf8(file.readLine(4096)).trimmed();
    return true;
  }
  if (fromLine) {
    std::fprintf(stderr,
                 "warning: --mt-key shows the key to every user of this machine; "
                 "use %s or --mt-key-file\n",
                 kMtKeyVariable);
    key = read.value(QStringLiteral("mt-key"));
    return true;
  }
  key = qEnvironmentVariable(kMtKeyVariable).trimmed();
  return true;
}

bool readMemoryLocation(const CliArguments &read, QString &location, QString &error) {
  if (!read.has(QStringLiteral("tm-env"))) {
    location = read.value(QStringLiteral("tm"));
    return true;
  }
  if (read.has(QStringLiteral("tm"))) {
    error = QStringLiteral("give --tm or --tm-env, not both");
    return false;
  }
  const QString variable = read.value(QStringLiteral("tm-env"));
  location = qEnvironmentVariable(variable.toLocal8Bit().constData());
  if (location.isEmpty()) {
    error = QStringLiteral("the environment variable %1 of --tm-env is empty").arg(variable);
    return false;
  }
  return true;
}

} // namespace tarvelo::cli

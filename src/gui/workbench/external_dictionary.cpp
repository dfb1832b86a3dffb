// The external dictionary program: its path and the process started last.
#include "workbench/external_dictionary.h"

#include "files/file_messages.h"
#include "seam/settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace tarvelo::gui {

ExternalDictionary::ExternalDictionary(Settings &settings) : m_settings(settings) {
  reload();
}

void ExternalDictionary::reload() {
  QString path = m_settings.text(QStringLiteral("ExternalLexicon"));
  // A path whose file is gone is forgotten.
  if (!path.isEmpty() && !QFileInfo::exists(path))
    path.clear();
  if (path != m_path)
    m_pid = 0;
  m_path = path;
}

void ExternalDictionary::choosePath(QWidget *parent) {
  const QString chosen = QFileDialog::getOpenFileName(
      parent, QString(), m_path, QFileDialog::tr("Exe files (*.exe);;All files (*)"));
  if (chosen.isEmpty())
    return;
  const QString absolute = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
  m_settings.setText(QStringLiteral("ExternalLexicon"), absolute);
  if (absolute != m_path)
    m_pid = 0;
  m_path = absolute;
}

bool ExternalDictionary::running() const {
  if (m_pid <= 0)
    return false;
#ifdef Q_OS_UNIX
  return ::kill(pid_t(m_pid), 0) == 0;
#else
  return false;
#endif
}

bool ExternalDictionary::open() {
  if (m_path.isEmpty())
    return false;
  // The program started before still runs: its window is the user's to raise.
  if (running())
    return true;
  qint64 pid = 0;
  if (!QProcess::startDetached(m_path, {}, QFileInfo(m_path).absolutePath(), &pid))
    return false;
  m_pid = pid;
  return true;
}

QString ExternalDictionary::failure() const {
  const QFileInfo info(m_path);
  if (!info.isFile())
    return readFailureReason(m_path);
  return info.isExecutable() ? tr("it could not be started")
                             : tr("it is not a program that can be started");
}

} // namespace tarvelo::gui

// The external dictionary program: its path and the process started last.
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace tarvelo {
class Settings;
}

namespace tarvelo::gui {

// The external dictionary program: its path ("ExternalLexicon") and the process
// started last, so that opening it again does not start a second one.
class ExternalDictionary {
  Q_DECLARE_TR_FUNCTIONS(ExternalDictionary)

public:
  explicit ExternalDictionary(Settings &settings);

  QString path() const { return m_path; }
  bool hasPath() const { return !m_path.isEmpty(); }
  // The path dialog; a different path forgets the process.
  void choosePath(QWidget *parent);
  // Re-reads the path after the Options dialog changed it.
  void reload();
  // Starts the program unless the one started before still runs.
  bool open();
  // Why the program could not be started.
  QString failure() const;

private:
  bool running() const;

  Settings &m_settings;
  QString m_path;
  qint64 m_pid = 0;
};

} // namespace tarvelo::gui

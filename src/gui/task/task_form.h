// The controls shared by the Open Resources and Task Properties dialogs.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvelo {
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

class LanguageCombo;

// The controls shared by the Open Resources and Task Properties dialogs: source and
// target script with their languages, "Specify later" and the memory fill option.
class TaskForm : public QWidget {
  Q_OBJECT
public:
  explicit TaskForm(bool withTaskName, QWidget *parent = nullptr);

  QLineEdit *taskName() const { return m_taskName; }
  QLineEdit *sourcePath() const { return m_sourcePath; }
  QPushButton *sourceBrowse() const { return m_sourceBrowse; }
  LanguageCombo *sourceLanguage() const { return m_sourceLanguage; }
  QLineEdit *targetPath() const { return m_targetPath; }
  QPushButton *targetBrowse() const { return m_targetBrowse; }
  LanguageCombo *targetLanguage() const { return m_targetLanguage; }
  QCheckBox *specifyLater() const { return m_specifyLater; }
  QCheckBox *fillFromMemory() const { return m_fillFromMemory; }
  // What the source and the target are: a script, a program, a new file to be written
  // as a language DLL...
  QLabel *sourceKind() const { return m_sourceKind; }
  QLabel *targetKind() const { return m_targetKind; }
  // The program's resource header, for a compiled source.
  QLineEdit *sourceHeader() const { return m_sourceHeader; }

  // Target path and browse follow "Specify later" (a partly checked box, which
  // stands for differing tasks, leaves them enabled).
  void updateTargetEnabled();
  // Browsing follows "UseSearch": the "Search resource files" dialog, or the Open
  // dialog with a way over to it. openTargetPath is the target of the open task.
  void offerSearch(Settings *settings, const QString &openTargetPath);

Q_SIGNALS:
  void changed();

private:
  void browse(QLineEdit *edit, bool mustExist);
  void setTarget(const QString &path);
  void showKinds();
  void connectControls();

  Settings *m_settings = nullptr;
  QString m_openTargetPath;

  QLineEdit *m_taskName = nullptr;
  QLineEdit *m_sourcePath;
  QPushButton *m_sourceBrowse;
  LanguageCombo *m_sourceLanguage;
  QLineEdit *m_targetPath;
  QPushButton *m_targetBrowse;
  LanguageCombo *m_targetLanguage;
  QCheckBox *m_specifyLater;
  QCheckBox *m_fillFromMemory;
  QLabel *m_sourceKind;
  QLabel *m_targetKind;
  QLineEdit *m_sourceHeader;
  QPushButton *m_headerBrowse;
};

// The Open dialog for a resource script, starting at the current path: the chosen
// path made absolute, or empty when cancelled. With searchAsked, the dialog has a
// "Search dialog..." button, which closes it and sets *searchAsked.
QString browseForScript(QWidget *parent, const QString &caption, const QString &current,
                        bool mustExist, bool *searchAsked = nullptr);

} // namespace tarvelo::gui

// "Search resource files": the scripts under a folder, in a Visual C++ or a Tarvelo project.
#pragma once

#include "project/search_runner.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QVBoxLayout;

namespace tarvelo {
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

class LanguageCombo;

// "Search resource files": finds scripts in a folder tree, through the files of a
// Visual C++ project or workspace, or through a project of ours, and hands one to
// the opener as its source or target. The search runs on a worker thread and its
// results stream into the list.
class ScriptSearchDialog : public QDialog {
  Q_OBJECT
public:
  // The result of "Simple dialog...": the opener shows its simple Open dialog.
  static constexpr int SimpleDialog = 30;

  // openerPath is the script path the opener holds: the folder searched by default,
  // and selected when a search finds it. openTargetPath, the target of the open
  // task, passes the language filter even when it cannot be read.
  ScriptSearchDialog(Settings &settings, const QString &openerPath,
                     const QString &openTargetPath = {}, QWidget *parent = nullptr);
  ~ScriptSearchDialog() override;

  QTreeWidget *results() const { return m_results; }
  bool isSearching() const { return m_runner.isRunning(); }
  // Starts the search of the chosen method with the filters as they stand.
  void startSearch();

Q_SIGNALS:
  void sourceChosen(const QString &path);
  void targetChosen(const QString &path);

public Q_SLOTS:
  void done(int result) override;

private:
  QButtonGroup *addMethods(QVBoxLayout *layout);
  void addFilters(QVBoxLayout *layout);
  void addResults(QVBoxLayout *layout);
  void addButtons(QVBoxLayout *layout);
  void connectSearch(QButtonGroup *group);
  int method() const;
  void setMethod(int method);
  void chooseFile(int method);
  void addResult(const QString &path);
  void searchFinished();
  void handOver(bool asSource);
  void storeSettings(bool withDates);
  void updateEnabled();

  Settings &m_settings;
  QString m_openerPath;
  QString m_openTargetPath;
  SearchRunner m_runner;
  // Off once the dialog closes: results of the stopped search still queued are dropped.
  bool m_listening = true;
  QRadioButton *m_methods[3];
  QLineEdit *m_paths[3];
  QPushButton *m_browse[3];
  QCheckBox *m_dateCheck;
  QDateEdit *m_earliest;
  QDateEdit *m_latest;
  QCheckBox *m_languageCheck;
  LanguageCombo *m_language;
  QTreeWidget *m_results;
  QProgressBar *m_animation;
  QLabel *m_count;
  QPushButton *m_setSource;
  QPushButton *m_setTarget;
  QPushButton *m_close;
};

} // namespace tarvelo::gui

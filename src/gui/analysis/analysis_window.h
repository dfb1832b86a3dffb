// "Tarvelo - Analysis": the words of the open task or project by memory match band.
#pragma once

#include "analysis/analysis_job.h"
#include "script/task.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tarvelo {
class MemoryClient;
class Progress;
class Prompter;
class Session;
} // namespace tarvelo

namespace tarvelo::gui {

class BandChart;

// "Tarvelo - Analysis": counts the open task, or every task of the open project, per
// band of how the memory matches its texts, as a table per task and in total with a
// bar chart of the words, and saves the result as an HTML page or CSV. The counting
// rule and the band limits are remembered in the settings.
class AnalysisWindow : public QMainWindow {
  Q_OBJECT
public:
  // projectTasks gives the open project's tasks (none when no project is open).
  AnalysisWindow(Session &session, MemoryClient &memory, Prompter &prompter, Progress &progress,
                 std::function<QList<Task>()> projectTasks, QWidget *parent = nullptr);
  ~AnalysisWindow() override;

  // Offers "Open task" and "Whole project" as far as each makes sense now.
  void refreshScopes();
  // Runs the analysis the controls ask for; false when it did not complete (cancelled,
  // band limits not valid, no memory), the reason told through the prompter.
  bool analyse();
  // Writes the result: CSV for a name ending in ".csv", else an HTML page. False, told
  // through the prompter, when nothing could be written.
  bool saveTo(const QString &path);
  // Asks for a file and saves there; chooser stands in for the file dialog in tests.
  void saveAs();
  void setSaveChooser(std::function<QString(QWidget *)> chooser) {
    m_chooseFile = std::move(chooser);
  }

  const AnalysisRun *result() const { return m_run.get(); }
  QComboBox *scopeBox() const { return m_scope; }
  QComboBox *countingBox() const { return m_counting; }
  QLineEdit *bandsBox() const { return m_bands; }
  QComboBox *shownBox() const { return m_shown; }
  QTableWidget *table() const { return m_table; }
  BandChart *chart() const { return m_chart; }
  QPushButton *analyseButton() const { return m_analyse; }
  QPushButton *saveButton() const { return m_save; }
  QString statusText() const;

private:
  QWidget *createControls();
  QList<AnalysisSource> sources() const;
  void storeChoices(const BandLimits &limits, CountingRule rule);
  void fillShownBox();
  void showCounts();
  QString bandLabel(int band) const;
  void clearResult(const QString &status);

  Session &m_session;
  MemoryClient &m_memory;
  Prompter &m_prompter;
  Progress &m_progress;
  std::function<QList<Task>()> m_projectTasks;
  std::function<QString(QWidget *)> m_chooseFile;
  std::unique_ptr<AnalysisRun> m_run;
  QComboBox *m_scope = nullptr;
  QComboBox *m_counting = nullptr;
  QLineEdit *m_bands = nullptr;
  QPushButton *m_analyse = nullptr;
  QComboBox *m_shown = nullptr;
  QTableWidget *m_table = nullptr;
  BandChart *m_chart = nullptr;
  QPushButton *m_save = nullptr;
  QLabel *m_status = nullptr;
};

} // namespace tarvelo::gui

// The analysis window over a task with a known memory: its table and chart, the saved
// results against the command line's, the remembered choices and a cancelled run.
#include "analysis/analysis_window.h"
#include "analysis/band_chart.h"
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "project/project_file.h"
#include "project/project_pane.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Cancelled once the analysis has served the window `after` times.
class CancellingProgress : public NullProgress {
public:
  void serve() override { ++served; }
  bool cancelled() const override { return after >= 0 && served > after; }
  int after = -1;
  int served = 0;
};

// 1 is translated in the target (a context match), "Save the document" is in the memory
// (twice here: both 100%), "Print the document now" is like a stored text, and "Close
// all windows" is unknown, then a repetition. The memory scores the printing text 80-84.
const char kSource[] = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
                       "    1 \"Open the file\"\n"
                       "    2 \"Save the document\"\n"
                       "    3 \"Print the document now\"\n"
                       "    4 \"Close all windows\"\n"
                       "    5 \"Close all windows\"\n"
                       "    6 \"Save the document\"\n"
                       "END\n";
const char kTarget[] = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\nSTRINGTABLE\nBEGIN\n"
                       "    1 \"Datei laden\"\n"
                       "END\n";

class AnalysisWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    initGuiResources();
    write(QStringLiteral("source.rc"), kSource);
    write(QStringLiteral("target_de.rc"), kTarget);
    ASSERT_TRUE(
        library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
    settings.setText(QStringLiteral("TMPath"), path("TM"));
    settings.setInteger(QStringLiteral("InitTM"), 0);
    workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, &library);
    OpenRequest request{path("source.rc"), 1033, false, path("target_de.rc"), 1031};
    ASSERT_EQ(workbench->session().open(request), Session::OpenResult::Opened);
    remember("Save the document", "Dokument speichern");
    remember("Print the document", "Dokument drucken");
    workbench->frame().updateCommands();
    prompter.messages.clear();
  }
  void TearDown() override {
    prompter.answers = {Prompter::Answer::No};
    workbench->session().close();
  }

  Task task(const char *source, const char *target, const char *name) const {
    Task task;
    task.sourcePath = path(source);
    task.sourceLanguage = 1033;
    task.targetPath = path(target);
    task.targetLanguage = 1031;
    task.name = QString::fromLatin1(name);
    return task;
  }
  QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  void write(const QString &name, const QByteArray &content) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  void remember(const char *source, const char *target) {
    const QString s = QString::fromUtf8(source), t = QString::fromUtf8(target);
    library.exports().addPair(reinterpret_cast<const char16_t *>(s.utf16()),
                              reinterpret_cast<const char16_t *>(t.utf16()), 1);
  }
  AnalysisWindow *openWindow() {
    QAction *command = workbench->frame().command(CmdAnalysis);
    EXPECT_TRUE(command->isEnabled());
    command->trigger();
    QApplication::processEvents();
    return workbench->analysisWindow();
  }
  // The command line's analysis of the same task and memory.
  QByteArray commandLine(const QStringList &arguments) {
    QProcess cli;
    cli.start(QStringLiteral(TARVELO_BIN_DIR "/tarvelo-cli"),
              QStringList{QStringLiteral("analyze"), QStringLiteral("--tm"), path("TM")} +
                  arguments);
    EXPECT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput();
  }
  QStringList taskArguments(const char *format) {
    return {QStringLiteral("--source"),          path("source.rc"),
            QStringLiteral("--source-language"), QStringLiteral("1033"),
            QStringLiteral("--target"),          path("target_de.rc"),
            QStringLiteral("--target-language"), QStringLiteral("1031"),
            QStringLiteral("--format"),          QString::fromLatin1(format)};
  }
  static QByteArray read(const QString &name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static QString text(QTableWidget *table, int row, int column) {
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
  }

  QTemporaryDir dir;
  TmLibrary library;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  CancellingProgress progress;
  std::unique_ptr<WorkbenchAssembly> workbench;
};

TEST_F(AnalysisWindowTest, TheTableCountsEachBandOfTheOpenTask) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  // No project: the open task is the one choice.
  EXPECT_EQ(window->scopeBox()->count(), 1);
  EXPECT_FALSE(window->saveButton()->isEnabled());
  window->analyseButton()->click();
  ASSERT_NE(window->result(), nullptr);
  EXPECT_EQ(window->shownBox()->currentText(), QStringLiteral("Total"));
  struct Row {
    const char *band;
    const char *segments, *words, *characters, *share;
  };
  // 19 words: 3 + 3 + 4 + 3 + 3 + 3.
  const Row expected[] = {
      {"Context match", "1", "3", "11", "15.8"}, {"Repetition", "1", "3", "15", "15.8"},
      {"100%", "2", "6", "30", "31.6"},          {"95-99%", "0", "0", "0", "0.0"},
      {"85-94%", "0", "0", "0", "0.0"},          {"75-84%", "1", "4", "19", "21.1"},
      {"50-74%", "0", "0", "0", "0.0"},          {"No match", "1", "3", "15", "15.8"},
      {"Total", "6", "19", "90", "100.0"},
  };
  QTableWidget *table = window->table();
  ASSERT_EQ(table->rowCount(), int(std::size(expected)));
  for (int row = 0; row < table->rowCount(); ++row) {
    const Row &want = expected[row];
    SCOPED_TRACE(want.band);
    EXPECT_EQ(table->verticalHeaderItem(row)->text(), QLatin1String(want.band));
    EXPECT_EQ(text(table, row, 0), QLatin1String(want.segments));
    EXPECT_EQ(text(table, row, 1), QLatin1String(want.words));
    EXPECT_EQ(text(table, row, 2), QLatin1String(want.characters));
    EXPECT_EQ(text(table, row, 3), QLatin1String(want.share));
  }
  EXPECT_TRUE(window->saveButton()->isEnabled());
  EXPECT_EQ(window->statusText(), QStringLiteral("1 task analysed."));
}

TEST_F(AnalysisWindowTest, TheBarsFollowTheWordsOfTheShownTable) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  // Weighted words show two decimals; the bars carry the same numbers.
  window->countingBox()->setCurrentIndex(1);
  window->bandsBox()->setText(QStringLiteral("100,80"));
  ASSERT_TRUE(window->analyse());
  QTableWidget *table = window->table();
  const QList<double> bars = window->chart()->values();
  const QStringList labels = window->chart()->labels();
  // Context, repetition, 100%, 80-99%, no match; the total has no bar.
  ASSERT_EQ(bars.size(), 5);
  ASSERT_EQ(table->rowCount(), 6);
  for (int row = 0; row < bars.size(); ++row) {
    EXPECT_EQ(labels[row], table->verticalHeaderItem(row)->text());
    EXPECT_DOUBLE_EQ(bars[row], text(table, row, 1).toDouble()) << row;
  }
  EXPECT_EQ(labels[3], QStringLiteral("80-99%"));
  EXPECT_EQ(text(table, 3, 1), QStringLiteral("4.00"));
  EXPECT_DOUBLE_EQ(bars[2], 6.0);
  // The task's own table is the total's when it is the one task.
  window->shownBox()->setCurrentIndex(0);
  EXPECT_EQ(window->chart()->values(), bars);
}

TEST_F(AnalysisWindowTest, SavedResultsAreWhatTheCommandLineWrites) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->analyse());
  for (const char *format : {"html", "csv"}) {
    SCOPED_TRACE(format);
    const QString saved = dir.filePath(QStringLiteral("analysis.") + QLatin1String(format));
    window->setSaveChooser([saved](QWidget *) { return saved; });
    window->saveButton()->click();
    const QByteArray written = read(saved);
    EXPECT_FALSE(written.isEmpty());
    EXPECT_EQ(written, commandLine(taskArguments(format)));
  }
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'\n').toStdString();
}

TEST_F(AnalysisWindowTest, TheWholeProjectCountsRepetitionsAcrossItsTasks) {
  // The task twice: everything the first asked of the memory below 100% comes again.
  write(QStringLiteral("product.tvx"),
        formatProjectFile({task("source.rc", "target_de.rc", "first"),
                           task("source.rc", "target_de.rc", "second")},
                          dir.path(), false));
  ASSERT_TRUE(workbench->frame().openProject(path("product.tvx")));
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->scopeBox()->count(), 2);
  EXPECT_TRUE(window->scopeBox()->isEnabled());
  window->scopeBox()->setCurrentIndex(1);
  EXPECT_EQ(window->scopeBox()->currentText(), QStringLiteral("Whole project"));
  ASSERT_TRUE(window->analyse());
  ASSERT_EQ(window->shownBox()->count(), 3);
  window->shownBox()->setCurrentIndex(1);
  EXPECT_EQ(window->shownBox()->currentText(), QStringLiteral("second"));
  // The second task: the context match stays, the fuzzy and unknown texts repeat.
  EXPECT_EQ(text(window->table(), 0, 0), QStringLiteral("1"));
  EXPECT_EQ(text(window->table(), 1, 0), QStringLiteral("3"));
  EXPECT_EQ(text(window->table(), 2, 0), QStringLiteral("2"));
  const QString saved = path("project.csv");
  ASSERT_TRUE(window->saveTo(saved));
  EXPECT_EQ(read(saved), commandLine({QStringLiteral("--project"), path("product.tvx"),
                                      QStringLiteral("--format"), QStringLiteral("csv")}));
  // The memory is the open task's again.
  EXPECT_EQ(workbench->memory()->sourceLanguage(), 1033);
  EXPECT_EQ(workbench->memory()->targetLanguage(), 1031);
}

TEST_F(AnalysisWindowTest, TheCommandWantsATaskOrAProject) {
  prompter.answers = {Prompter::Answer::No};
  ASSERT_TRUE(workbench->session().close());
  workbench->frame().updateCommands();
  EXPECT_FALSE(workbench->frame().command(CmdAnalysis)->isEnabled());
  write(QStringLiteral("product.tvx"),
        formatProjectFile({task("source.rc", "target_de.rc", "first")}, dir.path(), false));
  ASSERT_TRUE(workbench->frame().openProject(path("product.tvx")));
  workbench->frame().updateCommands();
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  // Without an open task the project is the one choice.
  ASSERT_EQ(window->scopeBox()->count(), 1);
  EXPECT_EQ(window->scopeBox()->currentText(), QStringLiteral("Whole project"));
  EXPECT_FALSE(window->scopeBox()->isEnabled());
  ASSERT_TRUE(window->analyse());
  EXPECT_EQ(window->result()->tasks().size(), 1);
}

TEST_F(AnalysisWindowTest, AProjectTaskThatCannotBeReadIsListedWithItsFile) {
  write(QStringLiteral("product.tvx"),
        formatProjectFile({task("gone.rc", "gone_de.rc", "gone")}, dir.path(), false));
  ASSERT_TRUE(workbench->frame().openProject(path("product.tvx")));
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  window->scopeBox()->setCurrentIndex(1);
  ASSERT_TRUE(window->analyse());
  ASSERT_EQ(window->result()->tasks().size(), 1);
  EXPECT_TRUE(window->result()->tasks()[0].error.contains(QStringLiteral("gone.rc")));
  EXPECT_EQ(window->statusText(), QStringLiteral("1 task could not be analysed."));
}

TEST_F(AnalysisWindowTest, TheCountingRuleAndBandsAreRemembered) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  window->countingBox()->setCurrentIndex(1);
  window->bandsBox()->setText(QStringLiteral("100,90,60"));
  ASSERT_TRUE(window->analyse());
  EXPECT_EQ(settings.text(QStringLiteral("AnalysisBands")), QStringLiteral("100,90,60"));
  EXPECT_EQ(settings.integer(QStringLiteral("AnalysisWeights")), 1);
  AnalysisWindow another(workbench->session(), *workbench->memory(), prompter, progress,
                         [] { return QList<Task>(); });
  EXPECT_EQ(another.bandsBox()->text(), QStringLiteral("100,90,60"));
  EXPECT_EQ(another.countingBox()->currentIndex(), 1);
  // Limits that are not a falling list are refused, and nothing is counted or stored.
  another.bandsBox()->setText(QStringLiteral("50,90"));
  EXPECT_FALSE(another.analyse());
  EXPECT_EQ(another.result(), nullptr);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("The bands are not valid")));
  EXPECT_EQ(settings.text(QStringLiteral("AnalysisBands")), QStringLiteral("100,90,60"));
}

TEST_F(AnalysisWindowTest, ACancelledAnalysisLeavesNothingToSave) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->analyse());
  progress.served = 0;
  progress.after = 2;
  EXPECT_FALSE(window->analyse());
  EXPECT_EQ(window->result(), nullptr);
  EXPECT_EQ(window->table()->rowCount(), 0);
  EXPECT_TRUE(window->chart()->values().isEmpty());
  EXPECT_FALSE(window->saveButton()->isEnabled());
  EXPECT_EQ(window->statusText(), QStringLiteral("The analysis was cancelled."));
  const QString saved = path("cancelled.html");
  window->setSaveChooser([saved](QWidget *) { return saved; });
  window->saveAs();
  EXPECT_FALSE(window->saveTo(saved));
  EXPECT_FALSE(QFile::exists(saved));
}

TEST_F(AnalysisWindowTest, AFailedSaveIsToldAndLeavesNoFile) {
  AnalysisWindow *window = openWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->analyse());
  const QString saved = path("missing-folder/analysis.html");
  EXPECT_FALSE(window->saveTo(saved));
  EXPECT_FALSE(QFile::exists(saved));
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("analysis.html")))
      << prompter.messages[0].toStdString();
}

} // namespace
} // namespace tarvelo::gui

// "Tarvelo - Analysis": the words of the open task or project by memory match band.
#include "analysis/analysis_window.h"

#include "analysis/analysis_output.h"
#include "analysis/band_chart.h"
#include "files/file_transaction.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "workbench/session.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tarvelo::gui {

namespace {

const QString kBandsKey = QStringLiteral("AnalysisBands");
const QString kWeightsKey = QStringLiteral("AnalysisWeights");
enum Scope { OpenTask, WholeProject };
enum Column { Segments, Words, Characters, Share, Columns };

QTableWidgetItem *cell(const QString &text) {
  auto *item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

} // namespace

AnalysisWindow::AnalysisWindow(Session &session, MemoryClient &memory, Prompter &prompter,
                               Progress &progress, std::function<QList<Task>()> projectTasks,
                               QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_session(session), m_memory(memory), m_prompter(prompter),
      m_progress(progress), m_projectTasks(std::move(projectTasks)) {
  setWindowTitle(tr("Tarvelo - Analysis"));
  if (parent)
    setWindowIcon(parent->windowIcon());
  m_chooseFile = [](QWidget *owner) {
    const QString html = tr("HTML page (*.html)"), csv = tr("CSV (*.csv)");
    QString filter = html;
    QString path = QFileDialog::getSaveFileName(owner, tr("Save Analysis As"), QString(),
                                                html + QStringLiteral(";;") + csv, &filter);
    // The format follows the name: a name without a suffix takes the chosen filter's.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
      path += filter == csv ? QStringLiteral(".csv") : QStringLiteral(".html");
    return path;
  };
  setCentralWidget(createControls());
  m_status = new QLabel(this);
  statusBar()->addWidget(m_status, 1);
  // Another task opened or the task closed: the choices follow.
  connect(&m_session, &Session::entriesReset, this, &AnalysisWindow::refreshScopes);
  refreshScopes();
  clearResult(tr("Choose what to analyse and press Analyse."));
  resize(860, 480);
}

AnalysisWindow::~AnalysisWindow() = default;

QWidget *AnalysisWindow::createControls() {
  auto *central = new QWidget(this);
  auto *form = new QFormLayout;
  m_scope = new QComboBox(central);
  form->addRow(tr("Ana&lyse:"), m_scope);
  m_counting = new QComboBox(central);
  m_counting->addItem(tr("Each Chinese, Japanese or Korean character is a word"),
                      int(CountingRule::Characters));
  m_counting->addItem(tr("GMX-V weights for Chinese, Japanese and Korean"),
                      int(CountingRule::GmxV));
  m_counting->setCurrentIndex(m_session.settings().integer(kWeightsKey) == 1 ? 1 : 0);
  form->addRow(tr("&Counting:"), m_counting);
  m_bands = new QLineEdit(central);
  const QString stored = m_session.settings().text(kBandsKey);
  BandLimits limits;
  m_bands->setText(!stored.isEmpty() && BandLimits::parse(stored, limits, nullptr)
                       ? stored
                       : QStringLiteral("100,95,85,75,50"));
  m_bands->setToolTip(tr("The lower limits of the match bands in percent, highest first"));
  form->addRow(tr("&Bands:"), m_bands);
  m_shown = new QComboBox(central);
  form->addRow(tr("Sho&w:"), m_shown);

  m_table = new QTableWidget(0, Columns, central);
  m_table->setHorizontalHeaderLabels(
      {tr("Segments"), tr("Words"), tr("Characters"), tr("% of words")});
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_chart = new BandChart(central);
  auto *split = new QSplitter(Qt::Horizontal, central);
  split->addWidget(m_table);
  split->addWidget(m_chart);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setChildrenCollapsible(false);

  m_analyse = new QPushButton(tr("Analy&se"), central);
  m_analyse->setDefault(true);
  m_save = new QPushButton(tr("Save &As..."), central);
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(m_analyse);
  buttons->addStretch(1);
  buttons->addWidget(m_save);
  auto *layout = new QVBoxLayout(central);
  layout->addLayout(form);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);

  connect(m_analyse, &QPushButton::clicked, this, [this] { analyse(); });
  connect(m_save, &QPushButton::clicked, this, &AnalysisWindow::saveAs);
  connect(m_shown, &QComboBox::currentIndexChanged, this, &AnalysisWindow::showCounts);
  return central;
}

void AnalysisWindow::refreshScopes() {
  const int chosen = m_scope->currentData().isValid() ? m_scope->currentData().toInt() : -1;
  m_scope->clear();
  if (m_session.isOpen())
    m_scope->addItem(tr("Open task"), int(OpenTask));
  if (!m_projectTasks().isEmpty())
    m_scope->addItem(tr("Whole project"), int(WholeProject));
  const int index = m_scope->findData(chosen);
  m_scope->setCurrentIndex(index >= 0 ? index : 0);
  // One choice is no choice.
  m_scope->setEnabled(m_scope->count() > 1);
  m_analyse->setEnabled(m_scope->count() > 0);
}

QList<AnalysisSource> AnalysisWindow::sources() const {
  QList<AnalysisSource> sources;
  if (m_scope->currentData().toInt() == OpenTask && m_session.isOpen()) {
    Task task;
    task.sourceLanguage = m_session.sourceLanguage();
    task.targetLanguage = m_session.targetLanguage();
    sources.append({QFileInfo(m_session.sourcePath()).fileName(), task, &m_session.entries()});
    return sources;
  }
  for (const Task &task : m_projectTasks())
    sources.append({task.name, task, nullptr});
  return sources;
}

void AnalysisWindow::storeChoices(const BandLimits &limits, CountingRule rule) {
  QStringList lowest;
  for (int limit : limits.lowest)
    lowest.append(QString::number(limit));
  m_session.settings().setText(kBandsKey, lowest.join(u','));
  m_session.settings().setInteger(kWeightsKey, rule == CountingRule::GmxV ? 1 : 0);
}

bool AnalysisWindow::analyse() {
  BandLimits limits;
  QString error;
  if (!BandLimits::parse(m_bands->text(), limits, &error)) {
    m_prompter.error(tr("The bands are not valid: %1").arg(error));
    return false;
  }
  const auto rule = CountingRule(m_counting->currentData().toInt());
  const QList<AnalysisSource> chosen = sources();
  if (chosen.isEmpty())
    return false;
  storeChoices(limits, rule);
  auto run = std::make_unique<AnalysisRun>(limits, rule);
  const AnalysisEnd end =
      analyseSources(chosen, *run, m_memory, m_session.settings(), m_progress, error);
  if (end == AnalysisEnd::NoMemory) {
    clearResult(error);
    m_prompter.error(error);
    return false;
  }
  if (end == AnalysisEnd::Cancelled) {
    // Part of a run would price the work too low: nothing of it is kept.
    clearResult(tr("The analysis was cancelled."));
    return false;
  }
  m_run = std::move(run);
  fillShownBox();
  m_save->setEnabled(true);
  int failed = 0;
  for (const TaskAnalysis &task : m_run->tasks())
    failed += task.error.isEmpty() ? 0 : 1;
  const int done = int(m_run->tasks().size());
  if (failed > 0)
    m_status->setText(failed == 1 ? tr("1 task could not be analysed.")
                                  : tr("%1 tasks could not be analysed.").arg(failed));
  else
    m_status->setText(done == 1 ? tr("1 task analysed.") : tr("%1 tasks analysed.").arg(done));
  return true;
}

void AnalysisWindow::clearResult(const QString &status) {
  m_run.reset();
  m_shown->clear();
  m_table->setRowCount(0);
  m_chart->setBands({}, {});
  m_save->setEnabled(false);
  m_status->setText(status);
}

// The tasks in order, then the total, which is shown first.
void AnalysisWindow::fillShownBox() {
  const QSignalBlocker block(m_shown);
  m_shown->clear();
  for (int i = 0; i < m_run->tasks().size(); ++i)
    m_shown->addItem(m_run->tasks()[i].name, i);
  m_shown->addItem(tr("Total"), -1);
  m_shown->setCurrentIndex(m_shown->count() - 1);
  showCounts();
}

QString AnalysisWindow::bandLabel(int band) const {
  if (band == BandLimits::kContext)
    return tr("Context match");
  if (band == BandLimits::kRepetition)
    return tr("Repetition");
  if (band == m_run->limits().noMatch())
    return tr("No match");
  return m_run->limits().label(band);
}

void AnalysisWindow::showCounts() {
  if (!m_run || m_shown->currentIndex() < 0)
    return;
  const int index = m_shown->currentData().toInt();
  const TaskAnalysis *task = index >= 0 ? &m_run->tasks()[index] : nullptr;
  const std::vector<BandCount> bands = task ? task->bands : m_run->total();
  const BandCount total = addedBands(bands);
  const CountingRule rule = m_run->rule();
  m_table->setRowCount(int(bands.size()) + 1);
  QStringList labels;
  QList<double> words;
  for (int row = 0; row <= int(bands.size()); ++row) {
    const bool last = row == int(bands.size());
    const BandCount &count = last ? total : bands[size_t(row)];
    const QString label = last ? tr("Total") : bandLabel(row);
    m_table->setVerticalHeaderItem(row, new QTableWidgetItem(label));
    m_table->setItem(row, Segments, cell(QString::number(count.segments)));
    m_table->setItem(row, Words, cell(analysisWordsText(count.words, rule)));
    m_table->setItem(row, Characters, cell(QString::number(count.characters)));
    const double share = total.words > 0 ? 100.0 * count.words / total.words : 0;
    m_table->setItem(row, Share, cell(QString::number(share, 'f', 1)));
    if (!last) {
      labels.append(label);
      words.append(rule == CountingRule::Characters ? double(std::llround(count.words))
                                                    : std::round(count.words * 100) / 100);
    }
  }
  m_chart->setBands(labels, words);
  // The whole table stays in view beside the chart.
  m_table->resizeColumnsToContents();
  int width = m_table->verticalHeader()->sizeHint().width() + 2 * m_table->frameWidth() +
              m_table->verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < Columns; ++column)
    width += m_table->horizontalHeader()->sectionSize(column);
  m_table->setMinimumWidth(width);
  if (task && !task->error.isEmpty())
    m_status->setText(tr("%1 was not analysed: %2").arg(task->name, task->error));
}

bool AnalysisWindow::saveTo(const QString &path) {
  if (!m_run)
    return false;
  const AnalysisFormat format = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                                    ? AnalysisFormat::Csv
                                    : AnalysisFormat::Html;
  QString message;
  if (!writeFileSafely(path, formatAnalysis(*m_run, format), &message)) {
    m_prompter.error(message);
    return false;
  }
  m_status->setText(tr("Saved to %1.").arg(QDir::toNativeSeparators(path)));
  return true;
}

void AnalysisWindow::saveAs() {
  if (!m_run)
    return;
  const QString path = m_chooseFile(this);
  if (!path.isEmpty())
    saveTo(path);
}

QString AnalysisWindow::statusText() const {
  return m_status->text();
}

} // namespace tarvelo::gui

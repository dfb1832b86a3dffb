// "Search resource files": the scripts under a folder, in a Visual C++ or a Tarvelo project.
#include "project/script_search_dialog.h"

#include "options/help.h"
#include "seam/settings.h"
#include "task/language_combo.h"
#include "workbench/path_rules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

const char *const pathKeys[3] = {"SearchPath", "SearchProject", "SearchTvxProject"};

// The two dates of the date filter last for the program's run, not longer.
struct DateRange {
  QDate earliest = QDate::currentDate().addMonths(-1);
  QDate latest = QDate::currentDate();
};
DateRange &rememberedDates() {
  static DateRange range;
  return range;
}

QString folderOf(const QString &path) {
  const QFileInfo info(path);
  return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

} // namespace

ScriptSearchDialog::ScriptSearchDialog(Settings &settings, const QString &openerPath,
                                       const QString &openTargetPath, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_openerPath(openerPath),
      m_openTargetPath(openTargetPath) {
  setWindowTitle(tr("Search resource files"));
  auto *layout = new QVBoxLayout(this);
  QButtonGroup *group = addMethods(layout);
  addFilters(layout);
  addResults(layout);
  addButtons(layout);
  connectSearch(group);
  setMethod(settings.integer(QStringLiteral("SearchMethod")));
  updateEnabled();
  startSearch();
}

// The three ways to search, each with its path and its button "...".
QButtonGroup *ScriptSearchDialog::addMethods(QVBoxLayout *layout) {
  auto *grid = new QGridLayout;
  grid->setColumnStretch(0, 1);
  layout->addLayout(grid);

  const QString captions[3] = {
      tr("Search subfolders"),
      tr("Search Microsoft Visual C++ project  (*.dsw; *.dsp; *.sln; *.vcproj)"),
      tr("Search Tarvelo project  (*.tvx)")};
  auto *group = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    m_methods[i] = new QRadioButton(captions[i], this);
    m_paths[i] = new QLineEdit(this);
    m_browse[i] = new QPushButton(tr("..."), this);
    m_browse[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_browse[i]->setMaximumWidth(
        m_browse[i]->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    group->addButton(m_methods[i], i);
    grid->addWidget(m_methods[i], i * 2, 0, 1, 2);
    grid->addWidget(m_paths[i], i * 2 + 1, 0);
    grid->addWidget(m_browse[i], i * 2 + 1, 1);
    m_paths[i]->setText(m_settings.text(QLatin1String(pathKeys[i])));
    connect(m_browse[i], &QPushButton::clicked, this, [this, i] { chooseFile(i); });
    // A path typed by hand is searched when the user confirms it.
    connect(m_paths[i], &QLineEdit::returnPressed, this, &ScriptSearchDialog::startSearch);
  }
  m_methods[0]->setObjectName(QStringLiteral("folderMethod"));
  m_methods[1]->setObjectName(QStringLiteral("visualCppMethod"));
  m_methods[2]->setObjectName(QStringLiteral("projectMethod"));
  if (!m_settings.stored(QStringLiteral("SearchPath")).isValid() && !m_openerPath.isEmpty())
    m_paths[0]->setText(folderOf(m_openerPath));
  return group;
}

// "Modified between" and "Containing language".
void ScriptSearchDialog::addFilters(QVBoxLayout *layout) {
  auto *filters = new QGridLayout;
  layout->addLayout(filters);
  m_dateCheck = new QCheckBox(tr("Modified between:"), this);
  m_earliest = new QDateEdit(rememberedDates().earliest, this);
  m_latest = new QDateEdit(rememberedDates().latest, this);
  for (QDateEdit *edit : {m_earliest, m_latest})
    edit->setCalendarPopup(true);
  m_dateCheck->setChecked(m_settings.integer(QStringLiteral("SearchDateCheck")) != 0);
  filters->addWidget(m_dateCheck, 0, 0);
  filters->addWidget(m_earliest, 0, 1);
  filters->addWidget(m_latest, 0, 2);
  m_languageCheck = new QCheckBox(tr("Containing language:"), this);
  m_language = new LanguageCombo(this);
  m_language->removeItem(0); // the search has no use for "<No Language>"
  m_language->setLanguage(m_settings.integer(QStringLiteral("SearchLanguage")));
  m_languageCheck->setChecked(m_settings.integer(QStringLiteral("SearchLanguageCheck")) != 0);
  filters->addWidget(m_languageCheck, 1, 0);
  filters->addWidget(m_language, 1, 1, 1, 2);
  filters->setColumnStretch(3, 1);
}

// The scripts found, and the busy indicator and the count under them.
void ScriptSearchDialog::addResults(QVBoxLayout *layout) {
  m_results = new QTreeWidget(this);
  m_results->setObjectName(QStringLiteral("results"));
  m_results->setHeaderLabels({tr("Name")});
  m_results->setRootIsDecorated(false);
  m_results->setSelectionMode(QAbstractItemView::SingleSelection);
  m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_results->setMinimumSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 10);
  layout->addWidget(m_results, 1);

  auto *status = new QHBoxLayout;
  m_animation = new QProgressBar(this);
  m_animation->setRange(0, 0); // a busy indicator while the worker runs
  m_animation->setTextVisible(false);
  m_animation->setMaximumWidth(fontMetrics().averageCharWidth() * 12);
  m_animation->setVisible(false);
  m_count = new QLabel(this);
  m_count->setObjectName(QStringLiteral("count"));
  status->addWidget(m_animation);
  status->addWidget(m_count, 1);
  layout->addLayout(status);
}

void ScriptSearchDialog::addButtons(QVBoxLayout *layout) {
  auto *buttons = new QDialogButtonBox(this);
  m_setSource = buttons->addButton(tr("Set as Source"), QDialogButtonBox::ActionRole);
  m_setTarget = buttons->addButton(tr("Set as Target"), QDialogButtonBox::ActionRole);
  QPushButton *simple = buttons->addButton(tr("Simple dialog..."), QDialogButtonBox::ActionRole);
  m_close = buttons->addButton(QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  m_setSource->setObjectName(QStringLiteral("setSource"));
  m_setTarget->setObjectName(QStringLiteral("setTarget"));
  simple->setObjectName(QStringLiteral("simpleDialog"));
  m_close->setObjectName(QStringLiteral("close"));

  connect(m_setSource, &QPushButton::clicked, this, [this] { handOver(true); });
  connect(m_setTarget, &QPushButton::clicked, this, [this] { handOver(false); });
  connect(simple, &QPushButton::clicked, this, [this] { done(SimpleDialog); });
  connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

// The search runs again whenever its method or a filter changes.
void ScriptSearchDialog::connectSearch(QButtonGroup *group) {
  connect(m_results, &QTreeWidget::itemSelectionChanged, this, &ScriptSearchDialog::updateEnabled);
  connect(m_results, &QTreeWidget::itemDoubleClicked, this, [this] { handOver(true); });
  connect(group, &QButtonGroup::idClicked, this, [this](int) {
    updateEnabled();
    startSearch();
  });
  // A changed filter makes the list out of date: it is searched again.
  connect(m_dateCheck, &QCheckBox::toggled, this, [this] {
    updateEnabled();
    startSearch();
  });
  connect(m_languageCheck, &QCheckBox::toggled, this, [this] {
    updateEnabled();
    startSearch();
  });
  connect(m_language, &QComboBox::activated, this, &ScriptSearchDialog::startSearch);
  connect(m_earliest, &QDateEdit::editingFinished, this, &ScriptSearchDialog::startSearch);
  connect(m_latest, &QDateEdit::editingFinished, this, &ScriptSearchDialog::startSearch);

  connect(&m_runner, &SearchRunner::started, this, [this] {
    m_count->clear();
    m_animation->setVisible(true);
  });
  connect(&m_runner, &SearchRunner::found, this, &ScriptSearchDialog::addResult);
  connect(&m_runner, &SearchRunner::finished, this, &ScriptSearchDialog::searchFinished);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("search.html")); });
}

ScriptSearchDialog::~ScriptSearchDialog() {
  m_runner.stop();
}

int ScriptSearchDialog::method() const {
  for (int i = 0; i < 3; ++i)
    if (m_methods[i]->isChecked())
      return i;
  return 0;
}

void ScriptSearchDialog::setMethod(int method) {
  m_methods[method >= 0 && method < 3 ? method : 0]->setChecked(true);
}

void ScriptSearchDialog::updateEnabled() {
  const int chosen = method();
  for (int i = 0; i < 3; ++i) {
    m_paths[i]->setEnabled(i == chosen);
    m_browse[i]->setEnabled(i == chosen);
  }
  m_earliest->setEnabled(m_dateCheck->isChecked());
  m_latest->setEnabled(m_dateCheck->isChecked());
  m_language->setEnabled(m_languageCheck->isChecked());
  const bool selected = !m_results->selectedItems().isEmpty();
  m_setSource->setEnabled(selected);
  m_setTarget->setEnabled(selected);
}

void ScriptSearchDialog::startSearch() {
  m_runner.stop();
  m_listening = true;
  m_results->clear();
  updateEnabled();
  SearchRequest request;
  request.method = SearchMethod(method());
  request.start = m_paths[method()]->text().trimmed();
  request.openTargetPath = m_openTargetPath;
  if (m_languageCheck->isChecked())
    request.language = m_language->language();
  if (m_dateCheck->isChecked()) {
    request.earliest = m_earliest->date().startOfDay();
    request.latest = m_latest->date().endOfDay();
  }
  if (request.start.isEmpty()) {
    m_count->setText(tr("%1 files").arg(0));
    return;
  }
  m_runner.start(request);
}

void ScriptSearchDialog::chooseFile(int which) {
  const QString current = m_paths[which]->text().trimmed();
  QString chosen;
  if (which == 0) {
    chosen = QFileDialog::getExistingDirectory(this, QString(), current);
  } else if (which == 1) {
    chosen = QFileDialog::getOpenFileName(
        this, QString(), current, tr("Project files (*.dsp *.dsw *.sln *.vcproj *.vcxproj)"));
  } else {
    chosen = QFileDialog::getOpenFileName(this, QString(), current, tr("Project file (*.tvx)"));
  }
  if (chosen.isEmpty())
    return;
  m_paths[which]->setText(absolutePath(chosen));
  startSearch();
}

void ScriptSearchDialog::addResult(const QString &path) {
  if (!m_listening)
    return;
  for (int i = 0; i < m_results->topLevelItemCount(); ++i)
    if (m_results->topLevelItem(i)->text(0).compare(path, Qt::CaseInsensitive) == 0)
      return;
  auto *item = new QTreeWidgetItem(m_results, {path});
  item->setToolTip(0, path);
  m_results->resizeColumnToContents(0);
  if (!m_openerPath.isEmpty() && path.compare(m_openerPath, Qt::CaseInsensitive) == 0) {
    m_results->setCurrentItem(item);
    m_results->scrollToItem(item);
  }
}

void ScriptSearchDialog::searchFinished() {
  if (!m_listening)
    return;
  m_animation->setVisible(false);
  m_results->setFocus();
  m_count->setText(tr("%1 files").arg(m_results->topLevelItemCount()));
}

void ScriptSearchDialog::handOver(bool asSource) {
  const QList<QTreeWidgetItem *> selected = m_results->selectedItems();
  if (selected.isEmpty())
    return;
  // The open dialogs' fields hold paths of at most 255 characters.
  const QString path = selected.front()->text(0).left(255);
  if (asSource)
    Q_EMIT sourceChosen(path);
  else
    Q_EMIT targetChosen(path);
  m_close->setText(tr("Close"));
}

void ScriptSearchDialog::storeSettings(bool withDates) {
  m_settings.setInteger(QStringLiteral("SearchMethod"), method());
  for (int i = 0; i < 3; ++i)
    m_settings.setText(QLatin1String(pathKeys[i]), m_paths[i]->text().trimmed());
  m_settings.setInteger(QStringLiteral("SearchLanguage"), m_language->language());
  m_settings.setInteger(QStringLiteral("SearchLanguageCheck"), m_languageCheck->isChecked());
  if (!withDates)
    return;
  m_settings.setInteger(QStringLiteral("SearchDateCheck"), m_dateCheck->isChecked());
  rememberedDates().earliest = m_earliest->date();
  rememberedDates().latest = m_latest->date();
}

void ScriptSearchDialog::done(int result) {
  m_runner.stop();
  m_listening = false;
  m_animation->setVisible(false);
  storeSettings(result != SimpleDialog);
  if (result != SimpleDialog)
    m_results->clear();
  QDialog::done(result);
}

} // namespace tarvelo::gui

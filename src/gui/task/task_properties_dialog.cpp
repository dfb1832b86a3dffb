// "Task Properties": one task or several edited at once.
#include "task/task_properties_dialog.h"

#include "options/help.h"
#include "script/task.h"
#include "seam/settings.h"
#include "task/language_combo.h"
#include "task/open_resources_dialog.h"
#include "task/task_form.h"
#include "workbench/path_rules.h"
#include "workbench/session.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <functional>
#include <optional>

namespace tarvelo::gui {

namespace {

// Item data of the "<Different values>" entry of a language combo.
constexpr int kDifferentLanguage = -2;

QString differentValues() {
  return TaskPropertiesDialog::tr("<Different values>");
}

// The value all tasks share, or nothing.
template <class T>
std::optional<T> common(const QList<Task *> &tasks, const std::function<T(const Task &)> &get) {
  if (tasks.isEmpty())
    return T();
  const T first = get(*tasks.constFirst());
  for (const Task *task : tasks)
    if (get(*task) != first)
      return std::nullopt;
  return first;
}

void showText(QLineEdit *edit, const std::optional<QString> &value) {
  edit->setText(value ? *value : differentValues());
}

void showLanguage(LanguageCombo *combo, const std::optional<int> &value) {
  if (value) {
    combo->setLanguage(*value);
    return;
  }
  combo->insertItem(0, differentValues(), kDifferentLanguage);
  combo->setCurrentIndex(0);
}

} // namespace

TaskPropertiesDialog::TaskPropertiesDialog(const QList<Task *> &tasks, Session *session,
                                           bool memoryBound, QWidget *parent)
    : QDialog(parent), m_tasks(tasks), m_session(session), m_form(new TaskForm(true, this)) {
  setWindowTitle(tr("Task Properties"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  if (session && tasks.size() == 1) {
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    m_open->setObjectName(QStringLiteral("openTask"));
    connect(m_open, &QPushButton::clicked, this, &TaskPropertiesDialog::openTask);
  }
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(m_form);
  layout->addStretch(1);
  layout->addWidget(buttons);

  showText(m_form->taskName(), common<QString>(tasks, [](const Task &t) { return t.name; }));
  showText(m_form->sourcePath(),
           common<QString>(tasks, [](const Task &t) { return t.sourcePath; }));
  showText(m_form->targetPath(),
           common<QString>(tasks, [](const Task &t) { return t.targetPath; }));
  showText(m_form->sourceHeader(),
           common<QString>(tasks, [](const Task &t) { return t.sourceHeader; }));
  showLanguage(m_form->sourceLanguage(),
               common<int>(tasks, [](const Task &t) { return t.sourceLanguage; }));
  showLanguage(m_form->targetLanguage(),
               common<int>(tasks, [](const Task &t) { return t.targetLanguage; }));
  const std::optional<bool> later =
      common<bool>(tasks, [](const Task &t) { return t.targetPath.isEmpty(); });
  QCheckBox *specifyLater = m_form->specifyLater();
  if (later) {
    specifyLater->setChecked(*later);
  } else {
    specifyLater->setTristate(true);
    specifyLater->setCheckState(Qt::PartiallyChecked);
  }
  // Once the user has decided, the box is an ordinary one again.
  connect(specifyLater, &QCheckBox::stateChanged, this, [specifyLater](int state) {
    if (state != Qt::PartiallyChecked)
      specifyLater->setTristate(false);
  });

  QCheckBox *fill = m_form->fillFromMemory();
  if (session) {
    fill->setChecked(session->settings().integer(QStringLiteral("InitTM")) != 0);
    fill->setEnabled(memoryBound);
  } else {
    fill->hide();
  }
  m_form->updateTargetEnabled();

  m_initialName = m_form->taskName()->text();
  m_initialSource = m_form->sourcePath()->text();
  m_initialTarget = m_form->targetPath()->text();
  m_initialHeader = m_form->sourceHeader()->text();
  m_initialSourceIndex = m_form->sourceLanguage()->currentIndex();
  m_initialTargetIndex = m_form->targetLanguage()->currentIndex();
  m_initialSpecifyLater = specifyLater->checkState();

  connect(buttons, &QDialogButtonBox::accepted, this, &TaskPropertiesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TaskPropertiesDialog::reject);
  connect(m_form, &TaskForm::changed, this, &TaskPropertiesDialog::updateEnabled);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("edittask.html")); });
  updateEnabled();
}

bool TaskPropertiesDialog::pathsUsable() const {
  const QString source = m_form->sourcePath()->text().trimmed();
  const QString target = m_form->targetPath()->text().trimmed();
  const Qt::CheckState later = m_form->specifyLater()->checkState();
  // Differing values the user left alone stay what each task has.
  const bool sourceKept = source == m_initialSource && m_initialSource == differentValues();
  const bool targetKept = target == m_initialTarget && m_initialTarget == differentValues();
  if (sourceKept)
    return later != Qt::Unchecked || !target.isEmpty();
  if (later == Qt::PartiallyChecked || targetKept)
    return QFileInfo(source).isFile();
  return canOpenTask(source, later == Qt::Checked, target);
}

void TaskPropertiesDialog::updateEnabled() {
  const bool usable = pathsUsable();
  m_ok->setEnabled(usable);
  if (m_open)
    m_open->setEnabled(usable);
}

void TaskPropertiesDialog::store() {
  const QString name = m_form->taskName()->text();
  const QString source = m_form->sourcePath()->text().trimmed();
  const QString target = m_form->targetPath()->text().trimmed();
  const QString header = m_form->sourceHeader()->text().trimmed();
  const LanguageCombo *sourceLanguage = m_form->sourceLanguage();
  const LanguageCombo *targetLanguage = m_form->targetLanguage();
  const Qt::CheckState later = m_form->specifyLater()->checkState();
  for (Task *task : std::as_const(m_tasks)) {
    if (name != m_initialName)
      task->name = name;
    if (source != m_initialSource)
      task->sourcePath = absolutePath(source);
    if (header != m_initialHeader)
      task->sourceHeader = absolutePath(header);
    if (sourceLanguage->currentIndex() != m_initialSourceIndex &&
        sourceLanguage->language() != kDifferentLanguage)
      task->sourceLanguage = sourceLanguage->language();
    if (targetLanguage->currentIndex() != m_initialTargetIndex &&
        targetLanguage->language() != kDifferentLanguage)
      task->targetLanguage = targetLanguage->language();
    if (later == Qt::Checked)
      task->targetPath.clear();
    else if (later == Qt::Unchecked &&
             (target != m_initialTarget || later != m_initialSpecifyLater))
      task->targetPath = target == differentValues() ? task->targetPath : absolutePath(target);
  }
}

void TaskPropertiesDialog::accept() {
  if (!m_ok->isEnabled())
    return;
  store();
  QDialog::accept();
}

void TaskPropertiesDialog::openTask() {
  if (!m_session || m_tasks.size() != 1 || !m_open->isEnabled())
    return;
  store();
  const Task &task = *m_tasks.constFirst();
  OpenRequest request;
  request.sourcePath = task.sourcePath;
  request.sourceLanguage = task.sourceLanguage;
  request.specifyLater = task.targetPath.isEmpty();
  request.targetPath = task.targetPath;
  request.targetLanguage = task.targetLanguage;
  request.sourceHeader = task.sourceHeader;
  if (m_form->fillFromMemory()->isEnabled())
    m_session->settings().setInteger(QStringLiteral("InitTM"),
                                     m_form->fillFromMemory()->isChecked() ? 1 : 0);
  // The session may replace its tasks while opening: the request is a copy.
  if (m_session->open(request) == Session::OpenResult::Opened)
    done(Opened);
}

} // namespace tarvelo::gui

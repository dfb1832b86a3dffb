// The dialog view of the board: the live preview, its layout editor and the controls list.
#include "dialogs/dialog_board.h"

#include "dialogs/controls_properties.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/layout_editor.h"
#include "dialogs/live_dialog.h"
#include "dialogs/shown_dialog.h"
#include "options/help.h"
#include "script/text_entry.h"
#include "seam/prompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

QLineEdit *placeField(QWidget *parent) {
  auto *field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000,00000")) + 12);
  return field;
}

} // namespace

DialogEntry *dialogOf(const TextEntry *entry) {
  TextEntry *head = entry ? entry->head() : nullptr;
  if (!head || head->entryClass() != TextEntry::Class::Dialog)
    return nullptr;
  auto *dialog = static_cast<DialogEntry *>(head);
  return dialog->layoutsBuilt ? dialog : nullptr;
}

DialogBoard::DialogBoard(Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_prompter(prompter) {
  buildToolBar();
  m_notice = new QLabel(this);
  m_notice->setObjectName(QStringLiteral("fontNotice"));
  m_notice->setContentsMargins(6, 3, 6, 3);
  m_notice->setStyleSheet(QStringLiteral("QLabel { background: #fff4c2; color: #5a4500; }"));
  m_notice->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  m_notice->hide();
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_toolBar);
  layout->addWidget(m_notice);
  layout->addWidget(buildViews(), 1);
  m_editor = new LayoutEditor(m_canvas, m_prompter, m_measure, this);
  connectEditor();
}

// The view's commands go before the fields "Position" and "Size" of the reference item.
void DialogBoard::buildToolBar() {
  m_toolBar = new QToolBar(this);
  m_toolBar->setObjectName(QStringLiteral("dialogToolBar"));
  m_toolBar->setIconSize(QSize(20, 20));
  m_fieldsStart = m_toolBar->addSeparator();
  m_toolBar->addWidget(new QLabel(tr("Position") + QStringLiteral(" "), m_toolBar));
  m_position = placeField(m_toolBar);
  m_toolBar->addWidget(m_position);
  m_toolBar->addWidget(
      new QLabel(QStringLiteral("  ") + tr("Size") + QStringLiteral(" "), m_toolBar));
  m_size = placeField(m_toolBar);
  m_toolBar->addWidget(m_size);
}

// The scrolled canvas the preview stands on, and the controls list beside it.
QWidget *DialogBoard::buildViews() {
  auto *splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setChildrenCollapsible(false);
  m_scroll = new QScrollArea(splitter);
  m_scroll->setBackgroundRole(QPalette::Dark);
  m_scroll->setWidgetResizable(false);
  // The preview's host: the layout editor takes its mouse and keys.
  m_canvas = new QWidget(m_scroll);
  m_canvas->setFocusPolicy(Qt::StrongFocus);
  m_canvas->resize(2 * kMargin, 2 * kMargin);
  m_scroll->setWidget(m_canvas);
  m_list = new QListWidget(splitter);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  splitter->addWidget(m_scroll);
  splitter->addWidget(m_list);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setSizes({700, 220});
  return splitter;
}

void DialogBoard::connectEditor() {
  connect(m_list, &QListWidget::currentRowChanged, this, &DialogBoard::rowChosen);
  connect(m_editor, &LayoutEditor::referenceChosen, this, &DialogBoard::referenceChosen);
  connect(m_editor, &LayoutEditor::selectionChanged, this, [this] {
    showPlace();
    Q_EMIT commandStateChanged();
  });
  connect(m_editor, &LayoutEditor::used, this, [this] { setInUse(true); });
  connect(m_editor, &LayoutEditor::layoutChanged, this, [this] {
    showPlace();
    fitCanvas();
    setInUse(true);
    Q_EMIT layoutChanged();
    Q_EMIT commandStateChanged();
  });
  // Style words show once the dialog is built from them again.
  connect(m_editor, &LayoutEditor::stylesChanged, this, [this] { build(m_dialog, true); });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (now && decidesUse(now))
      setInUse(owns(now));
  });
}

void DialogBoard::setInUse(bool inUse) {
  if (m_inUse == inUse)
    return;
  m_inUse = inUse;
  Q_EMIT commandStateChanged();
}

DialogBoard::~DialogBoard() {
  delete m_properties;
}

bool DialogBoard::owns(const QWidget *widget) const {
  if (widget == this || isAncestorOf(widget))
    return true;
  return m_properties && (widget == m_properties || m_properties->isAncestorOf(widget));
}

// Menus, tool bars and other windows (a message, the help) pass through: the view stays
// the translator's until another pane of the main window takes the focus.
bool DialogBoard::decidesUse(const QWidget *widget) const {
  if (owns(widget))
    return true;
  if (widget->window() != window())
    return false;
  for (const QWidget *w = widget; w; w = w->parentWidget())
    if (qobject_cast<const QMenuBar *>(w) || qobject_cast<const QToolBar *>(w) ||
        qobject_cast<const QMenu *>(w))
      return false;
  return true;
}

bool DialogBoard::inUse() const {
  return m_inUse && m_preview && isVisible();
}

void DialogBoard::addCommands(const QList<QAction *> &actions) {
  m_toolBar->insertActions(m_fieldsStart, actions);
}

void DialogBoard::clear() {
  m_selecting = true;
  m_list->clear();
  m_selecting = false;
  m_editor->attach(nullptr, nullptr, false);
  delete m_preview;
  m_preview = nullptr;
  m_dialog = nullptr;
  m_notice->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  m_notice->hide();
  m_canvas->resize(2 * kMargin, 2 * kMargin);
  showPlace();
  if (m_properties)
    m_properties->refresh();
  Q_EMIT commandStateChanged();
}

void DialogBoard::build(DialogEntry *dialog, bool keepState) {
  if (!dialog) {
    clear();
    return;
  }
  const bool same = dialog == m_dialog;
  const int row = m_list->currentRow();
  m_selecting = true;
  m_list->clear();
  m_selecting = false;
  m_editor->detach();
  delete m_preview;
  m_preview = nullptr;
  m_dialog = dialog;
  const ShownDialog shown = tarvelo::shownDialog(*dialog, DialogSide::Translated);
  m_preview = new DialogPreview(shown, DialogSide::Translated, m_measure, m_canvas);
  const QPoint corner =
      m_preview->liveDialog()->placement(QRect(shown.rect.topLeft(), QSize(0, 0))).topLeft();
  m_preview->move(kMargin + std::max(0, corner.x()), kMargin + std::max(0, corner.y()));
  m_preview->show();
  const QString notice = m_preview->liveDialog()->dialogFont().notice();
  m_notice->setText(notice);
  m_notice->setVisible(!notice.isEmpty());
  fitCanvas();
  m_selecting = true;
  for (const LiveControl &control : m_preview->liveDialog()->controls())
    m_list->addItem(controlLabel(control));
  if (same && row < m_list->count())
    m_list->setCurrentRow(row);
  m_selecting = false;
  m_editor->attach(m_preview, dialog, same && keepState);
  if (m_properties)
    m_properties->refresh();
  Q_EMIT commandStateChanged();
}

void DialogBoard::reload() {
  if (m_dialog)
    build(m_dialog, false);
}

void DialogBoard::fitCanvas() {
  if (!m_preview)
    return;
  // The dialog and room to make it larger.
  m_canvas->resize(m_preview->geometry().right() + 1 + kScrollRoom,
                   m_preview->geometry().bottom() + 1 + kScrollRoom);
}

void DialogBoard::showEntry(TextEntry *entry) {
  DialogEntry *dialog = dialogOf(entry);
  if (!dialog)
    return;
  if (dialog != m_dialog)
    build(dialog, false);
  selectRowOf(entry);
}

void DialogBoard::selectRowOf(const TextEntry *entry) {
  if (!m_preview)
    return;
  const int row = m_editor->controlOf(entry);
  m_selecting = true;
  m_list->setCurrentRow(row < 0 ? -1 : row);
  if (row < 0)
    m_list->clearSelection();
  else
    m_list->scrollToItem(m_list->item(row));
  m_selecting = false;
  // The control of the current item is selected, unless it already is.
  if (row >= 0 && !m_editor->isSelected(row))
    m_editor->select(row);
}

void DialogBoard::refreshTexts() {
  if (m_preview)
    m_preview->refreshTexts();
}

void DialogBoard::rowChosen(int row) {
  if (m_selecting || !m_preview || row < 0)
    return;
  if (!m_editor->isSelected(row))
    m_editor->select(row);
  if (TextEntry *entry = m_editor->entryOf(row))
    Q_EMIT entrySelected(entry);
}

// The reference item chosen in the editor: the list shows it, and the item panes
// follow its text.
void DialogBoard::referenceChosen(int item) {
  m_selecting = true;
  m_list->setCurrentRow(item >= 0 ? item : -1);
  if (item < 0)
    m_list->clearSelection();
  m_selecting = false;
  if (item >= 0)
    if (TextEntry *entry = m_editor->entryOf(item))
      Q_EMIT entrySelected(entry);
}

void DialogBoard::showPlace() {
  const int reference = m_editor->reference();
  if (!m_preview || reference == LayoutEditor::kNone) {
    m_position->clear();
    m_size->clear();
    return;
  }
  const QRect units = m_editor->unitsOf(reference);
  m_position->setText(QStringLiteral("%1,%2").arg(units.x()).arg(units.y()));
  m_size->setText(QStringLiteral("%1,%2").arg(units.width()).arg(units.height()));
}

bool DialogBoard::propertiesVisible() const {
  return m_properties && m_properties->isVisible();
}

void DialogBoard::setPropertiesVisible(bool visible) {
  if (!visible) {
    if (m_properties)
      m_properties->hide();
    return;
  }
  if (!m_properties) {
    m_properties = new ControlsPropertiesWindow(*m_editor, this);
    m_properties->resize(520, 300);
    m_properties->move(mapToGlobal(QPoint(width() - 540, 40)));
    connect(m_properties, &ControlsPropertiesWindow::visibilityChanged, this,
            &DialogBoard::commandStateChanged);
  }
  m_properties->refresh();
  m_properties->show();
  m_properties->raise();
}

QString DialogBoard::shownFace() const {
  const DialogLayout *layout = m_preview ? m_preview->liveDialog()->layout() : nullptr;
  return layout && !layout->fontFace.isEmpty() ? layout->fontFace : defaultDialogFace();
}

void DialogBoard::setDefaultFont() {
  if (!m_preview || !m_dialog)
    return;
  const QString face = shownFace();
  if (face.compare(defaultDialogFace(), Qt::CaseInsensitive) == 0)
    return;
  if (!m_editor->mayEdit())
    return;
  if (!m_prompter.askYesNo(
          tr("Current dialog font is '%1'.\nDo you want to set it to the system dialog font?")
              .arg(face)))
    return;
  m_dialog->targetLayout.fontFace = defaultDialogFace();
  m_dialog->targetLayout.fontSize = QStringLiteral("8");
  build(m_dialog, false);
  setInUse(true);
  Q_EMIT layoutChanged();
  m_canvas->setFocus();
}

// F1 anywhere in the view: its list and tool bar pass the key on.
void DialogBoard::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, QStringLiteral("dialog.html"));
    return;
  }
  QWidget::keyPressEvent(event);
}

void DialogBoard::hideEvent(QHideEvent *event) {
  // The properties are the view's: they go and come back with it.
  m_propertiesWereVisible = propertiesVisible();
  if (m_propertiesWereVisible)
    m_properties->hide();
  QWidget::hideEvent(event);
  Q_EMIT commandStateChanged();
}

void DialogBoard::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (m_propertiesWereVisible && m_properties)
    m_properties->show();
  m_propertiesWereVisible = false;
  Q_EMIT commandStateChanged();
}

} // namespace tarvelo::gui

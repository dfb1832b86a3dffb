// "Dialog controls properties": the dialog view's window of places, alignment and styles.
#include "dialogs/controls_properties.h"

#include "dialogs/alignment_properties.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/layout_editor.h"
#include "dialogs/live_dialog.h"
#include "options/help.h"
#include "script/dialog_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

namespace tarvelo::gui {

namespace {

// A coordinate as typed; nothing when the field is empty or holds no number the
// script can take (sizes are not negative).
std::optional<int> typedNumber(const QLineEdit *field, bool size) {
  bool ok = false;
  const int value = field->text().trimmed().toInt(&ok, 10);
  if (!ok || value > SHRT_MAX || value < (size ? 0 : SHRT_MIN))
    return std::nullopt;
  return value;
}

} // namespace

ControlsPropertiesWindow::ControlsPropertiesWindow(LayoutEditor &editor, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_editor(editor) {
  setWindowTitle(tr("Dialog controls properties"));
  setModal(false);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("controls"));
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setMinimumWidth(200);
  m_tabs = new QTabWidget(this);
  // Every tab's name in sight.
  m_tabs->setUsesScrollButtons(false);
  m_tabs->addTab(sizeTab(), tr("Size && Position"));
  m_tabs->addTab(alignmentTab(), tr("Alignment"));
  m_tabs->addTab(stylesTab(), tr("Styles"));
  auto *layout = new QHBoxLayout(this);
  layout->addWidget(m_list, 2);
  layout->addWidget(m_tabs, 3);
  connect(m_list, &QListWidget::itemSelectionChanged, this, &ControlsPropertiesWindow::rowsChosen);
  connect(&m_editor, &LayoutEditor::selectionChanged, this, &ControlsPropertiesWindow::refresh);
  connect(&m_editor, &LayoutEditor::layoutChanged, this, &ControlsPropertiesWindow::showValues);
  refresh();
}

QWidget *ControlsPropertiesWindow::sizeTab() {
  auto *page = new QWidget(this);
  auto *form = new QFormLayout;
  const QString labels[4] = {tr("X:"), tr("Y:"), tr("Width:"), tr("Height:")};
  for (int i = 0; i < 4; ++i) {
    m_fields[i] = new QLineEdit(page);
    connect(m_fields[i], &QLineEdit::returnPressed, this, &ControlsPropertiesWindow::apply);
    form->addRow(labels[i], m_fields[i]);
  }
  m_apply = new QPushButton(tr("Apply"), page);
  m_apply->setAutoDefault(false);
  connect(m_apply, &QPushButton::clicked, this, &ControlsPropertiesWindow::apply);
  auto *column = new QVBoxLayout(page);
  column->addLayout(form);
  column->addWidget(m_apply, 0, Qt::AlignRight);
  column->addStretch(1);
  return page;
}

QWidget *ControlsPropertiesWindow::alignmentTab() {
  auto *page = new QWidget(this);
  auto *form = new QFormLayout;
  m_horizontal = new QComboBox(page);
  m_horizontal->addItems({tr("Left"), tr("Right"), tr("Center")});
  m_vertical = new QComboBox(page);
  m_vertical->addItems({tr("Top"), tr("Bottom"), tr("Center")});
  form->addRow(tr("Horizontal:"), m_horizontal);
  form->addRow(tr("Vertical:"), m_vertical);
  connect(m_horizontal, &QComboBox::activated, this, &ControlsPropertiesWindow::horizontalChosen);
  connect(m_vertical, &QComboBox::activated, this, &ControlsPropertiesWindow::verticalChosen);
  auto *column = new QVBoxLayout(page);
  column->addLayout(form);
  const QString texts[4] = {tr("Right-to-left reading order"), tr("Right aligned text"),
                            tr("Left scrollbar"), tr("Multiline")};
  for (int i = 0; i < 4; ++i) {
    m_flags[i] = new QCheckBox(texts[i], page);
    connect(m_flags[i], &QCheckBox::clicked, this, [this, i](bool on) { flagClicked(i, on); });
    column->addWidget(m_flags[i]);
  }
  column->addStretch(1);
  return page;
}

QWidget *ControlsPropertiesWindow::stylesTab() {
  auto *page = new QWidget(this);
  m_styles = new QListWidget(page);
  m_styles->setObjectName(QStringLiteral("styles"));
  m_styles->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_remove = new QPushButton(tr("Remove"), page);
  m_remove->setAutoDefault(false);
  connect(m_remove, &QPushButton::clicked, this, &ControlsPropertiesWindow::removeWords);
  auto *column = new QVBoxLayout(page);
  column->addWidget(m_styles, 1);
  column->addWidget(m_remove, 0, Qt::AlignRight);
  return page;
}

void ControlsPropertiesWindow::refresh() {
  const LiveDialog *live = m_editor.preview() ? m_editor.preview()->liveDialog() : nullptr;
  const int count = m_editor.controlCount();
  const void *dialog = m_editor.dialog();
  if (count != m_rowsFor || dialog != m_rowsOf) {
    m_updating = true;
    m_list->clear();
    if (live)
      for (const LiveControl &control : live->controls())
        m_list->addItem(controlLabel(control));
    m_rowsFor = count;
    m_rowsOf = dialog;
    m_updating = false;
  }
  showSelection();
  showValues();
}

void ControlsPropertiesWindow::showSelection() {
  m_updating = true;
  m_list->clearSelection();
  for (int item : m_editor.selection())
    if (item >= 0 && item < m_list->count())
      m_list->item(item)->setSelected(true);
  const int reference = m_editor.reference();
  if (reference >= 0 && reference < m_list->count()) {
    m_list->setCurrentRow(reference, QItemSelectionModel::Current);
    m_list->scrollToItem(m_list->item(reference));
  }
  m_updating = false;
}

void ControlsPropertiesWindow::rowsChosen() {
  if (m_updating)
    return;
  std::vector<int> rows;
  for (int row = 0; row < m_list->count(); ++row)
    if (m_list->item(row)->isSelected())
      rows.push_back(row);
  const int current = m_list->currentRow();
  if (rows.empty())
    m_editor.select(LayoutEditor::kDialog);
  else
    m_editor.setSelection(rows, current);
}

void ControlsPropertiesWindow::showValues() {
  const std::vector<const ControlLayout *> layouts = m_editor.selectedLayouts();
  const DialogLayout *dialog = m_editor.dialogLayout();
  const bool any = m_editor.preview() != nullptr;
  const bool controls = !layouts.empty();
  // The reference's place: a control's rectangle, or the dialog's.
  const int reference = m_editor.reference();
  const QRect units =
      m_editor.unitsOf(controls && reference >= 0 ? reference : LayoutEditor::kDialog);
  const int values[4] = {units.x(), units.y(), units.width(), units.height()};
  for (int i = 0; i < 4; ++i) {
    m_fields[i]->setText(any ? QString::number(values[i]) : QString());
    // The dialog's place stays where the script has it.
    m_fields[i]->setEnabled(any && (controls || i >= 2));
  }
  m_apply->setEnabled(any);

  Alignment alignment;
  if (controls) {
    const ControlLayout *shown = reference >= 0 ? m_editor.layoutShown(reference) : nullptr;
    alignment = readAlignment(shown ? *shown : *layouts.front());
  } else if (dialog) {
    alignment = readAlignment(*dialog);
  }
  m_horizontal->setEnabled(any && alignment.horizontal >= 0);
  m_horizontal->setCurrentIndex(alignment.horizontal);
  m_vertical->setEnabled(any && alignment.vertical >= 0);
  m_vertical->setCurrentIndex(alignment.vertical);
  for (int i = 0; i < 4; ++i) {
    const auto flag = AlignmentFlag(i);
    m_flags[i]->setEnabled(any && alignment.offers(flag));
    m_flags[i]->setChecked(alignment.has(flag));
  }

  std::vector<const QStringList *> lists;
  if (controls) {
    for (const ControlLayout *layout : layouts) {
      lists.push_back(&layout->styles);
      lists.push_back(&layout->exStyles);
    }
  } else if (dialog) {
    lists = {&dialog->styles, &dialog->exStyles};
  }
  m_styles->clear();
  m_styles->addItems(styleWords(lists));
  m_remove->setEnabled(any);
}

void ControlsPropertiesWindow::apply() {
  m_editor.applyUnits(typedNumber(m_fields[0], false), typedNumber(m_fields[1], false),
                      typedNumber(m_fields[2], true), typedNumber(m_fields[3], true));
  showValues();
}

void ControlsPropertiesWindow::horizontalChosen(int index) {
  if (index < 0)
    return;
  m_editor.changeStyles([index](ControlLayout &c) { return setHorizontal(c, Horizontal(index)); },
                        [](DialogLayout &) { return false; });
  showValues();
}

void ControlsPropertiesWindow::verticalChosen(int index) {
  if (index < 0)
    return;
  m_editor.changeStyles([index](ControlLayout &c) { return setVertical(c, Vertical(index)); },
                        [](DialogLayout &) { return false; });
  showValues();
}

void ControlsPropertiesWindow::flagClicked(int flag, bool on) {
  const auto which = AlignmentFlag(flag);
  m_editor.changeStyles([which, on](ControlLayout &c) { return setFlag(c, which, on); },
                        [which, on](DialogLayout &d) { return setFlag(d, which, on); });
  showValues();
}

void ControlsPropertiesWindow::removeWords() {
  QStringList words;
  for (const QListWidgetItem *item : m_styles->selectedItems())
    words.append(item->text());
  if (words.isEmpty())
    return;
  const auto remove = [&words](QStringList &styles, QStringList &exStyles) {
    bool removed = false;
    for (const QString &word : std::as_const(words))
      removed = removeWord(styles, word) | removeWord(exStyles, word) | removed;
    return removed;
  };
  m_editor.changeStyles([&](ControlLayout &c) { return remove(c.styles, c.exStyles); },
                        [&](DialogLayout &d) { return remove(d.styles, d.exStyles); });
  showValues();
}

void ControlsPropertiesWindow::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  Q_EMIT visibilityChanged();
}

void ControlsPropertiesWindow::hideEvent(QHideEvent *event) {
  QDialog::hideEvent(event);
  Q_EMIT visibilityChanged();
}

void ControlsPropertiesWindow::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, QStringLiteral("dialog.html"));
    return;
  }
  if (event->key() == Qt::Key_Delete && m_styles->hasFocus()) {
    removeWords();
    return;
  }
  QDialog::keyPressEvent(event);
}

} // namespace tarvelo::gui

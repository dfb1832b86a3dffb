#include "dialogs/dialog_board.h"

#include "dialogs/dialog_preview.h"
#include "dialogs/live_dialog.h"
#include "dialogs/shown_dialog.h"
#include "options/help.h"
#include "script/text_entry.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

// The preview's host: it takes the focus and the mouse the preview passes on.
class PreviewCanvas : public QWidget {
public:
  using QWidget::QWidget;

protected:
  void keyPressEvent(QKeyEvent *event) override {
    if (event->key() == Qt::Key_F1) {
      showHelp(this, QStringLiteral("dialog.html"));
      return;
    }
    QWidget::keyPressEvent(event);
  }
};

// "IDOK (DEFPUSHBUTTON)", or with the class of a CONTROL statement.
QString rowText(const LiveControl &control) {
  const ControlLayout *layout = control.item.layout;
  if (!layout)
    return control.item.scriptIdentifier;
  const bool isControl =
      layout->keyword.compare(QLatin1String("CONTROL"), Qt::CaseInsensitive) == 0;
  return QStringLiteral("%1 (%2)").arg(layout->identifier,
                                       isControl ? layout->className : layout->keyword);
}

} // namespace

DialogEntry *dialogOf(const TextEntry *entry) {
  TextEntry *head = entry ? entry->head() : nullptr;
  if (!head || head->entryClass() != TextEntry::Class::Dialog)
    return nullptr;
  auto *dialog = static_cast<DialogEntry *>(head);
  return dialog->layoutsBuilt ? dialog : nullptr;
}

DialogBoard::DialogBoard(QWidget *parent) : QWidget(parent) {
  auto *splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setChildrenCollapsible(false);
  m_scroll = new QScrollArea(splitter);
  m_scroll->setBackgroundRole(QPalette::Dark);
  m_scroll->setWidgetResizable(false);
  m_canvas = new PreviewCanvas(m_scroll);
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
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  connect(m_list, &QListWidget::currentRowChanged, this, &DialogBoard::rowChosen);
}

DialogBoard::~DialogBoard() = default;

void DialogBoard::clear() {
  m_selecting = true;
  m_list->clear();
  m_selecting = false;
  delete m_preview;
  m_preview = nullptr;
  m_dialog = nullptr;
  m_canvas->resize(2 * kMargin, 2 * kMargin);
}

void DialogBoard::build(DialogEntry *dialog) {
  clear();
  if (!dialog)
    return;
  m_dialog = dialog;
  const ShownDialog shown = tarvelo::shownDialog(*dialog, DialogSide::Translated);
  m_preview = new DialogPreview(shown, DialogSide::Translated, m_measure, m_canvas);
  const QPoint corner =
      m_preview->liveDialog()->placement(QRect(shown.rect.topLeft(), QSize(0, 0))).topLeft();
  m_preview->move(kMargin + std::max(0, corner.x()), kMargin + std::max(0, corner.y()));
  m_preview->show();
  m_canvas->resize(m_preview->geometry().right() + 1 + kScrollRoom,
                   m_preview->geometry().bottom() + 1 + kScrollRoom);
  m_selecting = true;
  for (const LiveControl &control : m_preview->liveDialog()->controls())
    m_list->addItem(rowText(control));
  m_selecting = false;
}

void DialogBoard::showEntry(TextEntry *entry) {
  DialogEntry *dialog = dialogOf(entry);
  if (!dialog)
    return;
  if (dialog != m_dialog)
    build(dialog);
  selectRowOf(entry);
}

void DialogBoard::selectRowOf(const TextEntry *entry) {
  if (!m_preview)
    return;
  const auto &controls = m_preview->liveDialog()->controls();
  int row = -1;
  for (size_t i = 0; i < controls.size() && row < 0; ++i)
    if (entry && controls[i].entry == entry)
      row = int(i);
  m_selecting = true;
  m_list->setCurrentRow(row);
  if (row < 0)
    m_list->clearSelection();
  else
    m_list->scrollToItem(m_list->item(row));
  m_selecting = false;
}

void DialogBoard::refreshTexts() {
  if (m_preview)
    m_preview->refreshTexts();
}

void DialogBoard::rowChosen(int row) {
  if (m_selecting || !m_preview || row < 0)
    return;
  const auto &controls = m_preview->liveDialog()->controls();
  if (size_t(row) < controls.size() && controls[size_t(row)].entry)
    Q_EMIT entrySelected(controls[size_t(row)].entry);
}

} // namespace tarvelo::gui

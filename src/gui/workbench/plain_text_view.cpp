// The "TEXT" board view: a resource without translatable text as its verbatim block.
#include "workbench/plain_text_view.h"

#include "script/text_entry.h"
#include "seam/prompter.h"
#include "workbench/session.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

OtherEntry *otherEntry(TextEntry *entry) {
  return entry && entry->entryClass() == TextEntry::Class::Other ? static_cast<OtherEntry *>(entry)
                                                                 : nullptr;
}

bool takesSourceBlock(TextEntry *entry) {
  const OtherEntry *other = otherEntry(entry);
  return !entry->targetBlock || (other && other->useSourceBlock);
}

} // namespace

PlainTextView::PlainTextView(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto *bar = new QToolBar(this);
  m_fromSource = bar->addAction(tr("Load from source"));
  m_fromTarget = bar->addAction(tr("Load from target"));
  m_fromSource->setCheckable(true);
  m_fromTarget->setCheckable(true);
  m_edit = new QPlainTextEdit(this);
  QFont font(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFamilies(
      {QStringLiteral("Courier"), QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  m_edit->setFont(font);
  m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_edit->setReadOnly(true);
  layout->addWidget(bar);
  layout->addWidget(m_edit, 1);

  connect(m_fromSource, &QAction::triggered, this, [this] { takeBlock(true); });
  connect(m_fromTarget, &QAction::triggered, this, [this] { takeBlock(false); });
  refreshActions();
}

// "Load from source" and "Load from target": the resource is written from that block.
void PlainTextView::takeBlock(bool source) {
  OtherEntry *other = otherEntry(m_resource);
  if (!other || (!source && !other->targetBlock))
    return;
  storeEdits();
  other->useSourceBlock = source;
  m_session.setModified(true);
  load();
  Q_EMIT blockChoiceChanged(m_resource);
}

QString PlainTextView::text() const {
  return m_edit->toPlainText();
}

void PlainTextView::storeEdits() {
  if (!m_resource || m_edit->toPlainText() == m_shown)
    return;
  if (!m_session.prompter().askYesNo(tr("Are you sure you want to change this resource item?")))
    return;
  RawBlockPtr block =
      takesSourceBlock(m_resource) ? m_resource->sourceBlock : m_resource->targetBlock;
  if (block) {
    QString text = m_edit->toPlainText();
    if (!text.endsWith(u'\n'))
      text += u'\n';
    block->setText(text);
    m_session.setModified(true);
  }
}

void PlainTextView::showResource(TextEntry *entry) {
  TextEntry *resource = entry ? (entry->head() ? entry->head() : entry) : nullptr;
  if (resource == m_resource)
    return;
  storeEdits();
  m_resource = resource;
  load();
}

void PlainTextView::load() {
  if (!m_resource) {
    m_shown.clear();
  } else {
    const RawBlockPtr &block =
        takesSourceBlock(m_resource) ? m_resource->sourceBlock : m_resource->targetBlock;
    m_shown = block ? block->text() : QString();
  }
  m_edit->setPlainText(m_shown);
  m_edit->setReadOnly(!m_resource);
  refreshActions();
}

void PlainTextView::refreshActions() {
  OtherEntry *other = otherEntry(m_resource);
  m_fromSource->setEnabled(other != nullptr);
  m_fromSource->setChecked(other && takesSourceBlock(other));
  m_fromTarget->setEnabled(m_resource && m_resource->targetBlock);
  m_fromTarget->setChecked(m_resource && !takesSourceBlock(m_resource));
}

} // namespace tarvelo::gui

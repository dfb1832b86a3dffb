// The source pane over the target pane: the texts and comments of the current entry.
#include "workbench/split_edit.h"

#include "options/help.h"
#include "script/text_entry.h"
#include "text/locale_table.h"
#include "workbench/fuzzy_alternatives_dialog.h"
#include "workbench/item_icons.h"
#include "workbench/session.h"
#include "workbench/target_editor.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

QLabel *headerLabel(QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Button);
  label->setContentsMargins(2, 2, 2, 2);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

// A pane: the header over the text, with the comment box beside the text.
QWidget *pane(QWidget *parent, QLabel *header, QWidget *text, QWidget *comment,
              QToolButton *extra = nullptr) {
  auto *widget = new QWidget(parent);
  auto *layout = new QGridLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  if (extra) {
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(header, 1);
    row->addWidget(extra);
    layout->addLayout(row, 0, 0, 1, 2);
  } else {
    layout->addWidget(header, 0, 0, 1, 2);
  }
  auto *commentBox = new QWidget(widget);
  auto *commentLayout = new QVBoxLayout(commentBox);
  commentLayout->setContentsMargins(0, 0, 0, 0);
  commentLayout->setSpacing(1);
  commentLayout->addWidget(new QLabel(QObject::tr("Comment:"), commentBox));
  commentLayout->addWidget(comment, 1);
  layout->addWidget(text, 1, 0);
  layout->addWidget(commentBox, 1, 1);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 1);
  return widget;
}

} // namespace

SplitEdit::SplitEdit(Session &session, QWidget *parent) : QWidget(parent), m_session(session) {
  m_sourceHeader = headerLabel(this);
  m_targetHeader = headerLabel(this);
  m_source = new QPlainTextEdit(this);
  m_source->setReadOnly(true);
  m_sourceComment = new TargetEditor(session, TargetEditor::SourceComment, this);
  m_target = new TargetEditor(session, TargetEditor::TargetText, this);
  m_targetComment = new TargetEditor(session, TargetEditor::TargetComment, this);
  m_fuzzy = new QToolButton(this);
  m_fuzzy->setIcon(fuzzyIcon());
  m_fuzzy->setIconSize(QSize(16, 16));
  m_fuzzy->setAutoRaise(true);
  m_fuzzy->setToolTip(tr("Fuzzy Item Translation Alternatives"));
  m_fuzzy->hide();

  auto *splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(pane(splitter, m_sourceHeader, m_source, m_sourceComment));
  splitter->addWidget(pane(splitter, m_targetHeader, m_target, m_targetComment, m_fuzzy));
  splitter->setChildrenCollapsible(false);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  // Enter moves on from each of the three editors alike.
  for (TargetEditor *editor : {m_target, m_targetComment, m_sourceComment})
    connect(editor, &TargetEditor::nextItemRequested, this, &SplitEdit::nextItemRequested);
  connect(m_fuzzy, &QToolButton::clicked, this, [this] {
    if (!m_entry)
      return;
    FuzzyAlternativesDialog dialog(*m_entry, font(), this);
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenText().isEmpty()) {
      m_target->setPlainText(dialog.chosenText());
      m_target->setFocus();
    }
  });
  refreshHeaders();
}

void SplitEdit::refreshHeaders() {
  const int source = m_session.sourceLanguage();
  const int target = m_session.targetLanguage();
  const bool named = source != 0 && target != 0;
  m_sourceHeader->setText(named && source != -1
                              ? tr(" Original Text - %1").arg(localizedLanguageName(source))
                              : tr(" Original Text"));
  m_targetHeader->setText(named && target != -1
                              ? tr(" Translated Text - %1").arg(localizedLanguageName(target))
                              : tr(" Translated Text"));
  QTextOption option = m_source->document()->defaultTextOption();
  const bool rtl = isRightToLeftLanguage(source);
  option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  option.setAlignment(rtl ? Qt::AlignRight : Qt::AlignLeft);
  m_source->document()->setDefaultTextOption(option);
  m_target->setRightToLeft(isRightToLeftLanguage(target));
}

void SplitEdit::showEntry(TextEntry *entry) {
  TextEntry *text = entry && entry->isTranslatable() ? entry : nullptr;
  m_entry = text;
  m_source->setPlainText(text ? text->sourceText : QString());
  m_sourceComment->showEntry(text);
  m_target->showEntry(text);
  m_targetComment->showEntry(text);
  refreshFuzzyButton();
}

void SplitEdit::refreshFuzzyButton() {
  const bool fuzzy = m_entry &&
                     (m_entry->matchState == Fuzzy || m_entry->matchState == FoundEmpty) &&
                     !FuzzyAlternativesDialog::alternativesOf(*m_entry).isEmpty();
  m_fuzzy->setVisible(fuzzy);
}

void SplitEdit::commit() {
  m_sourceComment->commit();
  m_target->commit();
  m_targetComment->commit();
}

void SplitEdit::release() {
  m_sourceComment->release();
  m_target->release();
  m_targetComment->release();
  m_entry = nullptr;
}

void SplitEdit::pasteSource() {
  m_target->pasteSource();
}

void SplitEdit::startTyping(const QString &text) {
  if (!m_target->entry())
    return;
  m_target->setFocus();
  m_target->selectAll();
  m_target->insertPlainText(text);
}

void SplitEdit::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, QStringLiteral("translating.html"));
    return;
  }
  QWidget::keyPressEvent(event);
}

} // namespace tarvelo::gui

// Edits one field of the current entry: its target text or one of its comments.
#include "workbench/target_editor.h"

#include "script/text_entry.h"
#include "seam/prompter.h"
#include "spelling/spell_service.h"
#include "workbench/session.h"
#include "workbench/spell_highlighter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace tarvelo::gui {

TargetEditor::TargetEditor(Session &session, Mode mode, QWidget *parent)
    : QPlainTextEdit(parent), m_session(session), m_mode(mode) {
  setReadOnly(true);
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString TargetEditor::storedValue() const {
  if (!m_entry)
    return {};
  switch (m_mode) {
  case TargetText:
    return m_entry->targetText;
  case TargetComment:
    return m_entry->targetComment();
  case SourceComment:
    return m_entry->sourceComment();
  }
  return {};
}

void TargetEditor::store(const QString &text) {
  if (!m_entry || text == storedValue())
    return;
  TextEntry *entry = m_entry;
  if (m_mode == TargetText)
    m_session.changeTargetText(entry, text);
  else
    m_session.changeComment(entry, text, m_mode == TargetComment ? 0 : 1);
  // An entry whose own occurrence row is unchecked keeps its text: the editor shows
  // it again, so that the text is not stored a second time on leaving.
  if (storedValue() != text)
    reload();
  else
    m_loaded = text;
}

void TargetEditor::commit() {
  if (m_entry && !isReadOnly())
    store(toPlainText());
}

void TargetEditor::showEntry(TextEntry *entry) {
  if (entry != m_entry)
    commit();
  m_entry = entry && entry->isTranslatable() ? entry : nullptr;
  reload();
}

void TargetEditor::reload() {
  m_loaded = storedValue();
  QSignalBlocker block(this);
  setPlainText(m_loaded);
  setReadOnly(!m_entry);
  moveCursor(QTextCursor::End);
}

void TargetEditor::pasteSource() {
  if (!m_entry || m_mode != TargetText)
    return;
  setPlainText(m_entry->sourceText);
  selectAll();
  setFocus();
}

void TargetEditor::setRightToLeft(bool rightToLeft) {
  QTextOption option = document()->defaultTextOption();
  option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  option.setAlignment(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
  document()->setDefaultTextOption(option);
}

// Undo and redo belong to the editor only while it has typing of its own to take
// back; otherwise they go to the program's changes of the translations.
bool TargetEditor::event(QEvent *event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->matches(QKeySequence::Undo) && !document()->isUndoAvailable()) ||
        (key->matches(QKeySequence::Redo) && !document()->isRedoAvailable())) {
      event->ignore();
      return false;
    }
  }
  return QPlainTextEdit::event(event);
}

void TargetEditor::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
      !(event->modifiers() & Qt::ShiftModifier)) {
    commit();
    Q_EMIT nextItemRequested();
    return;
  }
  if (key == Qt::Key_Escape) {
    reload();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
  if (m_mode != TargetText || !m_entry || !m_completion || isReadOnly())
    return;
  const QString typed = event->text();
  if (typed.isEmpty() || key == Qt::Key_Backspace || typed.at(0) < u' ')
    return;
  QTextCursor cursor = textCursor();
  const QString text = toPlainText();
  QString completed;
  int selectionStart = 0;
  if (cursor.hasSelection() || cursor.position() != text.size())
    return;
  if (!m_completion(m_entry, text, cursor.position(), completed, selectionStart))
    return;
  QSignalBlocker block(this);
  setPlainText(completed);
  cursor = textCursor();
  cursor.setPosition(int(completed.size()));
  cursor.setPosition(selectionStart, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void TargetEditor::setSpelling(SpellService *service) {
  if (m_mode != TargetText || m_spelling || !service)
    return;
  m_spelling = service;
  new SpellHighlighter(*service, document());
}

QMenu *TargetEditor::contextMenuAt(int position) {
  QMenu *menu = createStandardContextMenu();
  if (!m_spelling || isReadOnly())
    return menu;
  QAction *first = menu->actions().value(0);
  SpellChecker *checker = m_spelling->checker();
  if (!checker) {
    const QString missing = m_spelling->missingText();
    if (!missing.isEmpty()) {
      QAction *note = new QAction(missing, menu);
      note->setEnabled(false);
      menu->insertAction(first, note);
      menu->insertSeparator(first);
    }
    return menu;
  }
  const QString text = toPlainText();
  for (const SpellWord &word : checker->misspelt(text)) {
    if (position < word.start || position > word.end)
      continue;
    const QStringList suggestions = checker->suggestions(word.word);
    for (const QString &suggestion : suggestions) {
      QAction *action = new QAction(suggestion, menu);
      // An access-key mark inside the word stays before the same letter if it can.
      connect(action, &QAction::triggered, this, [this, word, suggestion] {
        QTextCursor cursor = textCursor();
        cursor.setPosition(word.start);
        cursor.setPosition(word.end, QTextCursor::KeepAnchor);
        QString replacement = suggestion;
        const QString written = toPlainText().mid(word.start, word.end - word.start);
        const int mark = int(written.indexOf(u'&'));
        if (mark >= 0 && mark < replacement.size())
          replacement.insert(mark, u'&');
        cursor.insertText(replacement);
        setTextCursor(cursor);
      });
      menu->insertAction(first, action);
    }
    if (suggestions.isEmpty()) {
      QAction *none = new QAction(tr("(no suggestions)"), menu);
      none->setEnabled(false);
      menu->insertAction(first, none);
    }
    QAction *add = new QAction(tr("Add to dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, word] {
      if (!m_spelling->checker())
        return;
      if (!m_spelling->checker()->addToDictionary(word.word))
        m_session.prompter().error(
            tr("The word '%1' could not be kept in the user dictionary.").arg(word.word));
      Q_EMIT m_spelling->checkerChanged();
    });
    menu->insertAction(first, add);
    menu->insertSeparator(first);
    break;
  }
  return menu;
}

void TargetEditor::contextMenuEvent(QContextMenuEvent *event) {
  QMenu *menu = contextMenuAt(cursorForPosition(event->pos()).position());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

bool TargetEditor::canInsertFromMimeData(const QMimeData *source) const {
  return source->hasText();
}

// Only plain text comes in, whatever the clipboard offers besides.
void TargetEditor::insertFromMimeData(const QMimeData *source) {
  if (source->hasText())
    insertPlainText(source->text());
}

} // namespace tarvelo::gui

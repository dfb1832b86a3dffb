// Edits one field of the current entry: its target text or one of its comments.
#pragma once

#include <QPlainTextEdit>
#include <functional>

class QMenu;

namespace tarvelo {
class Session;
class SpellService;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

// Edits one field of the current entry: its target text, its target comment or its
// source comment. Text typed goes to the entry when another entry becomes current,
// on Enter and before a save; Esc brings the stored value back.
class TargetEditor : public QPlainTextEdit {
  Q_OBJECT
public:
  enum Mode { TargetText = 0, TargetComment = 1, SourceComment = 2 };

  // Completes a typed text from the memory: given the text and the caret, the
  // completed text and the selection to show, or false.
  using Completion = std::function<bool(TextEntry *entry, const QString &typed, int caret,
                                        QString &completed, int &selectionStart)>;

  TargetEditor(Session &session, Mode mode, QWidget *parent = nullptr);

  Mode mode() const { return m_mode; }
  TextEntry *entry() const { return m_entry; }
  // Stores the pending text of the entry shown, then loads the entry's field.
  void showEntry(TextEntry *entry);
  // Stores the pending text into the entry.
  void commit();
  // Forgets the entry without storing (a text was set from elsewhere).
  void release() { m_entry = nullptr; }
  // Loads the stored value again.
  void reload();
  // Ctrl+T: the source text replaces the editor's text, all selected.
  void pasteSource();
  void setCompletion(Completion completion) { m_completion = std::move(completion); }
  void setRightToLeft(bool rightToLeft);
  // Underlines misspelt words and offers suggestions in the context menu.
  void setSpelling(SpellService *service);
  // The context menu for a place in the text: the editing commands, after the
  // suggestions and "Add to dictionary" when a misspelt word stands there.
  QMenu *contextMenuAt(int position);

Q_SIGNALS:
  // Enter: the text was stored; the next item is wanted.
  void nextItemRequested();

protected:
  bool event(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void insertFromMimeData(const QMimeData *source) override;
  bool canInsertFromMimeData(const QMimeData *source) const override;
  void contextMenuEvent(QContextMenuEvent *event) override;

private:
  QString storedValue() const;
  void store(const QString &text);

  Session &m_session;
  Mode m_mode;
  TextEntry *m_entry = nullptr;
  QString m_loaded;
  Completion m_completion;
  SpellService *m_spelling = nullptr;
};

} // namespace tarvelo::gui

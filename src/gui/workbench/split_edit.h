// The source pane over the target pane: the texts and comments of the current entry.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace tarvelo {
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

class TargetEditor;

// The source pane over the target pane: the texts of the current entry, its two
// comments and the fuzzy button.
class SplitEdit : public QWidget {
  Q_OBJECT
public:
  explicit SplitEdit(Session &session, QWidget *parent = nullptr);

  void showEntry(TextEntry *entry);
  // Stores whatever the editors hold into the entry.
  void commit();
  // Lets go of the entry without storing, so a text set elsewhere is not overwritten.
  void release();
  // The pane headers follow the session's languages.
  void refreshHeaders();
  void pasteSource();
  // Starts typing in the target editor with the text.
  void startTyping(const QString &text);

  TargetEditor *targetEditor() const { return m_target; }
  TargetEditor *targetCommentEditor() const { return m_targetComment; }
  TargetEditor *sourceCommentEditor() const { return m_sourceComment; }

Q_SIGNALS:
  void nextItemRequested();

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void refreshFuzzyButton();

  Session &m_session;
  TextEntry *m_entry = nullptr;
  QLabel *m_sourceHeader;
  QLabel *m_targetHeader;
  QPlainTextEdit *m_source;
  TargetEditor *m_sourceComment;
  TargetEditor *m_target;
  TargetEditor *m_targetComment;
  QToolButton *m_fuzzy;
};

} // namespace tarvelo::gui

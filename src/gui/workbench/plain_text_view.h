// The "TEXT" board view: a resource without translatable text as its verbatim block.
#pragma once

#include <QWidget>

class QAction;
class QPlainTextEdit;

namespace tarvelo {
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

// The "TEXT" board view: a resource without translatable text, shown and edited as
// its verbatim block, with the choice between the source's and the target's block.
class PlainTextView : public QWidget {
  Q_OBJECT
public:
  explicit PlainTextView(Session &session, QWidget *parent = nullptr);

  // Shows the resource of the entry (null clears the view); an edited text of the
  // resource shown before is stored after the user confirms it.
  void showResource(TextEntry *entry);
  TextEntry *shownResource() const { return m_resource; }
  QString text() const;

Q_SIGNALS:
  // The block a resource takes changed: the resource tree redraws.
  void blockChoiceChanged(TextEntry *resource);

private:
  void load();
  void takeBlock(bool source);
  void storeEdits();
  void refreshActions();

  Session &m_session;
  TextEntry *m_resource = nullptr;
  QString m_shown;
  QPlainTextEdit *m_edit;
  QAction *m_fromSource;
  QAction *m_fromTarget;
};

} // namespace tarvelo::gui

// The "MENU" board view: the current menu resource drawn as a menu bar.
#pragma once

#include <QScrollArea>
#include <vector>

class QFrame;

namespace tarvelo {
class EntryList;
class TextEntry;
struct MenuNode;
} // namespace tarvelo

namespace tarvelo::gui {

// The "MENU" board view: the current menu resource as a horizontal bar of its
// top-level items, with the vertical bar of every popup on the way to the current
// item opened beside it. Captions are the translations; clicking an item makes it
// current.
class MenuView : public QScrollArea {
  Q_OBJECT
public:
  MenuView(const EntryList &entries, QWidget *parent = nullptr);

  // Shows the entry's menu with the entry as the current item.
  void showMenu(TextEntry *entry);
  // Draws the menu again (its texts changed).
  void refresh();
  TextEntry *shownHead() const { return m_head; }
  // The captions of the bars shown, top bar first: for tests and for reading aloud.
  QStringList barCaptions() const;

Q_SIGNALS:
  void entrySelected(TextEntry *entry);
  void typingStarted(const QString &text);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  // Coming to the board opens the preview as Down would; nothing is grabbed, so the
  // rest of the window keeps taking input.
  void focusInEvent(QFocusEvent *event) override;

private:
  QFrame *addBar(const std::vector<MenuNode> &items, Qt::Orientation orientation,
                 const MenuNode *&openPopup, QPoint at, QRect &bounds);
  void step(int dx, int dy);

  const EntryList &m_entries;
  TextEntry *m_head = nullptr;
  TextEntry *m_current = nullptr;
  QWidget *m_canvas;
  std::vector<QFrame *> m_bars;
};

} // namespace tarvelo::gui

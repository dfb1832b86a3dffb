// The item list of the board, with its context menu.
#pragma once

#include "workbench/item_menu.h"

#include <QStringList>

class QMenu;
#include <QTreeView>
#include <functional>

namespace tarvelo {
class ItemListModel;
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

// What the item list's context menu needs of the translation memory and of
// machine translation; each may be left empty.
struct ItemListServices {
  std::function<bool()> memoryBound;  // ConnectTM: learning
  std::function<bool()> addPairBound; // AddPair: "Add to Translation Memory"
  std::function<QStringList(TextEntry *)> memoryTexts;
  // Preferred to memoryTexts when given: the texts with their scores.
  std::function<QList<MemoryMatch>(TextEntry *)> memoryMatches;
  std::function<void(TextEntry *)> addToMemory;
  std::function<void(TextEntry *)> translate;
  std::function<bool(TextEntry *)> explain; // shows the inspection message; false when none
};

// The item list (and the DLGINIT and filtered lists): a row per text with its state,
// source, target and comment; selecting a row makes its entry current.
class ItemListView : public QTreeView {
  Q_OBJECT
public:
  ItemListView(Session &session, ItemListModel &model, QWidget *parent = nullptr);

  ItemListModel &itemModel() { return m_model; }
  void setServices(ItemListServices services) { m_services = std::move(services); }
  void setHelpTopic(const QString &topic) { m_helpTopic = topic; }

  // Selects the row standing for the entry without making it current again.
  void showEntry(TextEntry *entry);
  TextEntry *selectedEntry() const;
  // Ctrl+Down and Ctrl+Up: the next or previous row; stops at the ends.
  void moveSelection(int step);
  // The context menu of a row's entry, in its order.
  void fillContextMenu(QMenu &menu, TextEntry *entry);

Q_SIGNALS:
  void entrySelected(TextEntry *entry);
  // A text chosen from the context menu becomes the entry's target.
  void targetTextChosen(TextEntry *entry, const QString &text);
  // A printable key starts typing in the target editor.
  void typingStarted(const QString &text);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
  Session &m_session;
  ItemListModel &m_model;
  ItemListServices m_services;
  QString m_helpTopic = QStringLiteral("mainview.html");
  bool m_showing = false;
};

} // namespace tarvelo::gui

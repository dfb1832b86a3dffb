// The nested items of a MENU resource, read from its block, and their captions.
#include "workbench/menu_structure.h"

#include "script/block_tokenizer.h"
#include "script/entry_list.h"

namespace tarvelo {

namespace {

bool startsStatement(const BlockToken &token) {
  if (token.kind != TokenKind::Word)
    return token.kind == TokenKind::EndOfFile;
  const QStringView word = token.text();
  return word == u"MENUITEM" || word == u"POPUP" || word == u"BEGIN" || word == u"END";
}

// The options after an item's text, up to the next statement.
void readOptions(BlockTokenizer &tokens, MenuNode &node) {
  while (!startsStatement(tokens.peek())) {
    const BlockToken token = tokens.next();
    if (token.kind != TokenKind::Word)
      continue;
    const QStringView word = token.text();
    if (word == u"CHECKED")
      node.checked = true;
    else if (word == u"GRAYED" || word == u"INACTIVE")
      node.grayed = true;
  }
}

} // namespace

std::vector<MenuNode> menuStructure(const EntryList &entries, const TextEntry *head) {
  std::vector<MenuNode> top;
  if (!head || !head->sourceBlock)
    return top;
  std::vector<TextEntry *> items;
  entries.forEachInBlock(head, [&](TextEntry *entry) {
    if (entry != head)
      items.push_back(entry);
    return true;
  });
  size_t nextItem = 0;
  const QString text = head->sourceBlock->text();
  BlockTokenizer tokens(text);
  // The list being filled at each open BEGIN; the resource's own BEGIN opens `top`.
  std::vector<std::vector<MenuNode> *> levels;
  MenuNode *pendingPopup = nullptr;
  bool started = false;
  for (BlockToken token = tokens.next(); token.kind != TokenKind::EndOfFile;
       token = tokens.next()) {
    if (token.kind != TokenKind::Word)
      continue;
    const QStringView word = token.text();
    if (word == u"BEGIN") {
      if (!started) {
        started = true;
        levels.push_back(&top);
      } else if (pendingPopup) {
        levels.push_back(&pendingPopup->children);
        pendingPopup = nullptr;
      }
      continue;
    }
    if (word == u"END") {
      if (!levels.empty())
        levels.pop_back();
      if (levels.empty() && started)
        break;
      continue;
    }
    if (levels.empty() || (word != u"POPUP" && word != u"MENUITEM"))
      continue;
    MenuNode node;
    if (tokens.peek().kind != TokenKind::String) {
      // MENUITEM SEPARATOR
      node.separator = true;
      readOptions(tokens, node);
      levels.back()->push_back(std::move(node));
      continue;
    }
    tokens.next();
    if (nextItem >= items.size())
      break;
    node.entry = items[nextItem++];
    node.popup = word == u"POPUP";
    readOptions(tokens, node);
    levels.back()->push_back(std::move(node));
    if (levels.back()->back().popup)
      pendingPopup = &levels.back()->back();
  }
  return top;
}

QString menuCaption(const QString &text, bool popupOnVerticalBar) {
  if (text.isEmpty())
    return QStringLiteral("   ");
  QString caption = text;
  caption.replace(QStringLiteral("\\t"), QStringLiteral("  \t"));
  if (popupOnVerticalBar)
    caption += QStringLiteral("  ");
  return caption;
}

MenuItemLabel menuItemLabel(const QString &text) {
  const qsizetype tab = text.indexOf(QLatin1String("\\t"));
  if (tab < 0)
    return {text, QString()};
  return {text.left(tab), text.mid(tab + 2)};
}

} // namespace tarvelo

// Compiled resources rebuilt with a task's translations: string blocks, menus and
// dialogs take the texts of the entries read from their decompiled script.
#include "compiled/translated_resources.h"

#include "compiled/decompiled_parts.h"
#include "compiled/dialog_template.h"
#include "compiled/menu_template.h"
#include "compiled/string_block.h"
#include "script/entry_list.h"
#include "script/write_context.h"

namespace tarvelo {

namespace {

constexpr quint16 kMenu = 4;
constexpr quint16 kDialog = 5;
constexpr quint16 kStringTable = 6;

// The entries of a resource's block in order, from its head, one at a time.
class BlockEntries {
public:
  BlockEntries(const EntryList &entries, const Task *task, const QString &kind,
               const QString &identifier) {
    const EntryList::Lookup found = entries.lookup(task, kind, identifier);
    m_next = found.empty() ? nullptr : found.front()->head();
    m_block = m_next ? m_next->sourceBlock.get() : nullptr;
  }
  bool found() const { return m_block != nullptr; }
  const TextEntry *take() {
    const TextEntry *entry = m_next;
    if (m_next) {
      m_next = m_next->next();
      if (m_next && m_next->sourceBlock.get() != m_block)
        m_next = nullptr;
    }
    return entry;
  }

private:
  const TextEntry *m_next = nullptr;
  const RawBlock *m_block = nullptr;
};

QString translated(const TextEntry *entry, const QString &original, const WriteContext &context) {
  return entry ? storedText(entry->writtenText(context)) : original;
}

bool translateStrings(CompiledResource &resource, const EntryList &entries, const Task *task,
                      const WriteContext &context) {
  QStringList strings;
  if (!resource.name.isNumber() || !readStringBlock(resource.data, strings))
    return false;
  const int first = (int(resource.name.number) - 1) * kStringsPerBlock;
  for (int i = 0; i < strings.size(); ++i) {
    if (strings[i].isEmpty())
      continue;
    const EntryList::Lookup found =
        entries.lookup(task, QStringLiteral("STRINGTABLE"), QString::number(first + i));
    strings[i] = translated(found.empty() ? nullptr : found.front(), strings[i], context);
  }
  resource.data = writeStringBlock(strings);
  return true;
}

bool translateMenu(CompiledResource &resource, const EntryList &entries, const Task *task,
                   const WriteContext &context) {
  CompiledMenu menu;
  QString error;
  qsizetype offset = -1;
  if (!readMenuTemplate(resource.data, menu, error, offset))
    return false;
  BlockEntries block(entries, task, QStringLiteral("MENU"), resourceName(resource.name));
  if (!block.found())
    return false;
  block.take(); // the head stands for the menu itself
  for (CompiledMenuItem &item : menu.items)
    if (!isSeparator(menu, item))
      item.text = translated(block.take(), item.text, context);
  resource.data = writeMenuTemplate(menu);
  return true;
}

bool translateDialog(CompiledResource &resource, const EntryList &entries, const Task *task,
                     const WriteContext &context) {
  CompiledDialog dialog;
  QString error;
  qsizetype offset = -1;
  if (!readDialogTemplate(resource.data, dialog, error, offset))
    return false;
  BlockEntries block(entries, task, QStringLiteral("DIALOG"), resourceName(resource.name));
  if (!block.found())
    return false;
  dialog.caption = translated(block.take(), dialog.caption, context);
  for (CompiledControl &control : dialog.controls) {
    if (!controlHasText(control))
      continue;
    const QString text = translated(block.take(), control.title.text, context);
    control.title = text.isEmpty() ? TemplateName() : TemplateName::fromText(text);
  }
  resource.data = writeDialogTemplate(dialog);
  return true;
}

} // namespace

QString storedText(const QString &written) {
  QString out;
  out.reserve(written.size());
  for (qsizetype i = 0; i < written.size(); ++i) {
    if (written[i] != u'\\' || i + 1 == written.size()) {
      out += written[i];
      continue;
    }
    const QChar next = written[++i];
    if (next >= u'0' && next <= u'7') {
      int value = 0;
      int digits = 0;
      for (; digits < 3 && i < written.size() && written[i] >= u'0' && written[i] <= u'7';
           ++digits, ++i)
        value = value * 8 + (written[i].unicode() - u'0');
      --i;
      out += QChar(char16_t(value));
      continue;
    }
    switch (next.unicode()) {
    case u'n':
      out += u'\n';
      break;
    case u'r':
      out += u'\r';
      break;
    case u't':
      out += u'\t';
      break;
    case u'a':
      out += u'\a';
      break;
    default:
      out += next;
    }
  }
  return out;
}

QList<CompiledResource> translatedResources(const QList<CompiledResource> &source,
                                            quint16 sourceLanguage, const EntryList &entries,
                                            const Task *task, quint16 targetLanguage,
                                            const WriteContext &context) {
  QList<CompiledResource> out;
  for (CompiledResource resource : source) {
    if (resource.language != sourceLanguage)
      continue;
    if (resource.type.isNumber()) {
      const quint16 type = resource.type.number;
      // A resource the script could not spell as statements keeps its data.
      if (type == kStringTable)
        translateStrings(resource, entries, task, context);
      else if (type == kMenu)
        translateMenu(resource, entries, task, context);
      else if (type == kDialog)
        translateDialog(resource, entries, task, context);
    }
    resource.language = targetLanguage;
    out.append(std::move(resource));
  }
  return out;
}

} // namespace tarvelo

// Compiled resources rebuilt with a task's translations: string blocks, menus, dialogs
// and DLGINIT data take the texts of the entries read from their decompiled script.
#include "compiled/translated_resources.h"

#include "compiled/decompiled_parts.h"
#include "compiled/dialog_template.h"
#include "compiled/dlginit_data.h"
#include "compiled/menu_template.h"
#include "compiled/string_block.h"
#include "compiled/template_layout.h"
#include "compiled/version_resource.h"
#include "script/entry_list.h"
#include "script/language.h"
#include "script/write_context.h"
#include "text/code_page.h"

namespace tarvelo {

namespace {

constexpr quint16 kMenu = 4;
constexpr quint16 kDialog = 5;
constexpr quint16 kStringTable = 6;
constexpr quint16 kVersion = 16;

// What the resources are translated with.
struct Translation {
  const EntryList &entries;
  const Task *task;
  const WriteContext &context;
  const HeaderNames *names;
  TemplateSide side;
};

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

bool translateStrings(CompiledResource &resource, const Translation &with) {
  QStringList strings;
  if (!resource.name.isNumber() || !readStringBlock(resource.data, strings))
    return false;
  const int first = (int(resource.name.number) - 1) * kStringsPerBlock;
  for (int i = 0; i < strings.size(); ++i) {
    if (strings[i].isEmpty())
      continue;
    const EntryList::Lookup found =
        with.entries.lookup(with.task, QStringLiteral("STRINGTABLE"),
                            numberName(first + i, with.names, NameKind::String));
    strings[i] = translated(found.empty() ? nullptr : found.front(), strings[i], with.context);
  }
  resource.data = writeStringBlock(strings);
  return true;
}

bool translateMenu(CompiledResource &resource, const Translation &with) {
  CompiledMenu menu;
  QString error;
  qsizetype offset = -1;
  if (!readMenuTemplate(resource.data, menu, error, offset))
    return false;
  BlockEntries block(with.entries, with.task, QStringLiteral("MENU"),
                     resourceName(resource.name, with.names, NameKind::Menu));
  if (!block.found())
    return false;
  block.take(); // the head stands for the menu itself
  for (CompiledMenuItem &item : menu.items)
    if (!isSeparator(menu, item))
      item.text = translated(block.take(), item.text, with.context);
  resource.data = writeMenuTemplate(menu);
  return true;
}

bool translateDialog(CompiledResource &resource, const Translation &with) {
  CompiledDialog dialog;
  QString error;
  qsizetype offset = -1;
  if (!readDialogTemplate(resource.data, dialog, error, offset))
    return false;
  BlockEntries block(with.entries, with.task, QStringLiteral("DIALOG"),
                     resourceName(resource.name, with.names, NameKind::Dialog));
  if (!block.found())
    return false;
  const TextEntry *head = block.take();
  dialog.caption = translated(head, dialog.caption, with.context);
  // Where the translated dialog's layout differs (a longer text given room), so does
  // the template.
  if (head && head->entryClass() == TextEntry::Class::Dialog)
    applyTranslatedLayout(dialog, static_cast<const DialogEntry &>(*head), with.side);
  for (CompiledControl &control : dialog.controls) {
    if (!controlHasText(control))
      continue;
    const QString text = translated(block.take(), control.title.text, with.context);
    control.title = text.isEmpty() ? TemplateName() : TemplateName::fromText(text);
  }
  resource.data = writeDialogTemplate(dialog);
  return true;
}

// The combo-box strings of DLGINIT data, in the target language's ANSI code page as the
// program reads them; a string left as it was keeps its bytes.
bool translateDlgInit(CompiledResource &resource, const Translation &with, int codePage) {
  QList<DlgInitRecord> records;
  if (!readDlgInit(resource.data, records))
    return false;
  BlockEntries block(with.entries, with.task, QStringLiteral("DLGINIT"),
                     resourceName(resource.name, with.names, NameKind::DlgInit));
  if (!block.found())
    return false;
  block.take(); // the head stands for the resource itself
  for (DlgInitRecord &record : records) {
    if (record.message != kDlgInitComboString)
      continue;
    const TextEntry *entry = block.take();
    if (!entry ||
        entry->identifier != numberName(record.control, with.names, NameKind::DlgInitControl))
      return false;
    const QString text = entry->writtenText(with.context);
    if (text == entry->sourceText)
      continue;
    record.data = CodePage::fromUtf16(text, codePage) + QByteArray(1, '\0');
  }
  resource.data = writeDlgInit(records);
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
                                            const WriteContext &context, const HeaderNames *names,
                                            TemplateSide side) {
  const Translation with{entries, task, context, names, side};
  const int codePage = defaultCodePage(targetLanguage);
  QList<CompiledResource> out;
  for (CompiledResource resource : source) {
    if (resource.language != sourceLanguage)
      continue;
    // A resource the script could not spell as statements keeps its data.
    if (isDlgInit(resource)) {
      translateDlgInit(resource, with, codePage > 0 ? codePage : 1252);
    } else if (resource.type.isNumber()) {
      const quint16 type = resource.type.number;
      if (type == kStringTable)
        translateStrings(resource, with);
      else if (type == kMenu)
        translateMenu(resource, with);
      else if (type == kDialog)
        translateDialog(resource, with);
      else if (type == kVersion)
        resource.data = adaptVersionResource(resource.data, sourceLanguage, targetLanguage);
    }
    resource.language = targetLanguage;
    out.append(std::move(resource));
  }
  return out;
}

} // namespace tarvelo

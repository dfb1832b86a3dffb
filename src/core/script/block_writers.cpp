// The script text written for each kind of resource: string tables, menus and other
// resources here, dialogs and DLGINIT in files of their own.
#include "script/block_writing.h"
#include "script/string_finder.h"
#include "script/text_entry.h"
#include "script/version_info.h"
#include "script/write_context.h"

namespace tarvelo {

namespace {

// The entries of an entry's block, in list order, starting with the entry.
template <typename F> void forEachOfBlock(const TextEntry *head, F &&f) {
  for (const TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
       entry = entry->next())
    f(entry);
}

bool writes(const TextEntry *entry, bool writeAll) {
  return !entry->removed && (writeAll || entry->selectedForSave);
}

} // namespace

QString TextEntry::writtenText(const WriteContext &context) const {
  // A text that is empty in the source stays empty: there is nothing to translate.
  if (!targetText.isEmpty() || sourceText.isEmpty())
    return targetText;
  switch (context.savingOption) {
  case 1:
    return sourceText;
  case 2:
    return context.userText;
  default:
    return {};
  }
}

// Other resources: their verbatim block, the target's own when it is kept.
QString writeOtherBlock(const OtherEntry &self, const WriteContext &context, bool writeAll,
                        bool keepSource) {
  if (!self.isHead() || self.task != context.task || !writes(&self, writeAll))
    return {};
  if (keepSource || self.useSourceBlock || !self.targetBlock) {
    // A new target declares its own language in its version resource.
    if (!keepSource && self.kind == QLatin1String("VERSIONINFO"))
      return adaptVersionInfo(self.sourceBlock->text(), context.versionFromLanguage,
                              context.versionToLanguage);
    return self.sourceBlock->text();
  }
  return self.targetBlock->text();
}

// Menus: the source block with the captions replaced in place.
QString writeMenuBlock(const MenuEntry &self, const WriteContext &context, bool writeAll,
                       bool keepSource) {
  if (!self.isHead() || self.task != context.task || !writes(&self, writeAll))
    return {};
  const QString original = self.sourceBlock->text();
  if (keepSource)
    return original;
  StringFinder finder(original, true);
  TextEdits edits;
  forEachOfBlock(&self, [&](const TextEntry *entry) {
    if (entry->sourceText.isEmpty())
      return;
    const StringFinder::Hit hit = finder.find(entry->sourceText);
    if (hit.found)
      edits.replace(hit.start + 1, hit.end - 1, literalText(entry->writtenText(context)));
  });
  return edits.apply(original);
}

// String tables: strings replaced in place; the lines of strings that are not
// written are cut out, and a block without any string is left out.
QString writeStringBlock(const StringEntry &self, const WriteContext &context, bool writeAll,
                         bool keepSource) {
  if (!self.isHead() || self.task != context.task)
    return {};
  const QString original = self.sourceBlock->text();
  // In a string table every string is a caption, also one written after a comma.
  StringFinder finder(original, false);
  TextEdits edits;
  bool anyWritten = false;
  forEachOfBlock(&self, [&](const TextEntry *entry) {
    const StringFinder::Hit hit = finder.find(entry->sourceText);
    if (!hit.found)
      return;
    if (!writes(entry, writeAll)) {
      // The whole line goes, from the line feed before the string's identifier
      // (which may stand on a line of its own) up to the line feed after the string.
      const qsizetype from = original.lastIndexOf(u'\n', hit.ownerStart);
      qsizetype to = original.indexOf(u'\n', hit.end);
      if (to < 0)
        to = original.size();
      edits.replace(from < 0 ? 0 : from, to, QString());
      return;
    }
    anyWritten = true;
    if (!keepSource)
      edits.replace(hit.start + 1, hit.end - 1, literalText(entry->writtenText(context)));
  });
  return anyWritten ? edits.apply(original) : QString();
}

// Dispatches on the entry's class; entries that do not stand for a resource (the
// controls of a dialog) write nothing.
QString writeScriptBlock(const TextEntry &entry, const WriteContext &context, int codePage,
                         bool writeAll, bool keepSource) {
  switch (entry.entryClass()) {
  case TextEntry::Class::String:
    return writeStringBlock(static_cast<const StringEntry &>(entry), context, writeAll, keepSource);
  case TextEntry::Class::Menu:
    return writeMenuBlock(static_cast<const MenuEntry &>(entry), context, writeAll, keepSource);
  case TextEntry::Class::DlgInit:
    return writeDlgInitBlock(static_cast<const DlgInitEntry &>(entry), context, codePage, writeAll,
                             keepSource);
  case TextEntry::Class::Dialog:
    return writeDialogBlock(static_cast<const DialogEntry &>(entry), context, writeAll, keepSource);
  case TextEntry::Class::Other:
    return writeOtherBlock(static_cast<const OtherEntry &>(entry), context, writeAll, keepSource);
  case TextEntry::Class::Control:
    break;
  }
  return {};
}

} // namespace tarvelo

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

// Entries that do not stand for a resource write nothing.
QString TextEntry::writeBlock(const WriteContext &, int, bool, bool) const {
  return {};
}

// Other resources: their verbatim block, the target's own when it is kept.
QString OtherEntry::writeBlock(const WriteContext &context, int, bool writeAll,
                               bool keepSource) const {
  if (!isHead() || task != context.task || !writes(this, writeAll))
    return {};
  if (keepSource || useSourceBlock || !targetBlock) {
    // A new target declares its own language in its version resource.
    if (!keepSource && kind == QLatin1String("VERSIONINFO"))
      return adaptVersionInfo(sourceBlock->text(), context.versionFromLanguage,
                              context.versionToLanguage);
    return sourceBlock->text();
  }
  return targetBlock->text();
}

// Menus: the source block with the captions replaced in place.
QString MenuEntry::writeBlock(const WriteContext &context, int, bool writeAll,
                              bool keepSource) const {
  if (!isHead() || task != context.task || !writes(this, writeAll))
    return {};
  const QString original = sourceBlock->text();
  if (keepSource)
    return original;
  StringFinder finder(original, true);
  TextEdits edits;
  forEachOfBlock(this, [&](const TextEntry *entry) {
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
QString StringEntry::writeBlock(const WriteContext &context, int, bool writeAll,
                                bool keepSource) const {
  if (!isHead() || task != context.task)
    return {};
  const QString original = sourceBlock->text();
  // In a string table every string is a caption, also one written after a comma.
  StringFinder finder(original, false);
  TextEdits edits;
  bool anyWritten = false;
  forEachOfBlock(this, [&](const TextEntry *entry) {
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

} // namespace tarvelo

// The merge pass's statements: each resource of the write language's section replaced
// where it stands, and the resources found only in the target kept aside.
#include "script/block_follow.h"
#include "script/resource_group.h"
#include "script/script_block_writer.h"
#include "script/script_path.h"
#include "script/statement_reader.h"
#include "script/target_merger.h"
#include "script/task.h"
#include "seam/prompter.h"

#include <QCoreApplication>
#include <QMap>

namespace tarvelo {

namespace {

// How statements of a resource kind are compared with the target's.
bool followRule(const QString &kind, UnitRule &rule) {
  if (kind == QLatin1String("STRINGTABLE"))
    rule = UnitRule::StringTable;
  else if (kind == QLatin1String("MENU"))
    rule = UnitRule::Statements;
  else if (kind == QLatin1String("DLGINIT"))
    rule = UnitRule::Records;
  else
    return false;
  return true;
}

} // namespace

void TargetMerger::statementStarting(StatementReader &) {
  m_pass->statementMark = m_pass->merged.mark();
}

void TargetMerger::statementRead(StatementReader &reader, ScriptResult result, bool inLanguage,
                                 bool excluded) {
  if (result != ScriptResult::Ok)
    return;
  const RawBlockPtr &block = reader.block();
  if (inLanguage && !excluded && block) {
    // A resource whose own header names another language is not one of the
    // section's: its old text stays.
    if (!reader.inWantedLanguage()) {
      block->setEnd(m_lines.file().readPosition());
      m_pass->pending.assign(1, {QString(), block->text()});
    }
    flushStatement(block);
  }
  if (inLanguage && !m_pass->insertionFound) {
    m_pass->insertionMark = excluded ? m_pass->lastDirectiveMark : m_pass->statementMark;
    m_pass->insertionKnown = true;
    m_pass->insertionFound = true;
  }
}

// New resources go before a directive, never inside the block it opens.
void TargetMerger::conditional(StatementReader &) {
  m_pass->lastDirectiveMark = m_pass->merged.mark();
  if (!m_pass->insertionKnown) {
    m_pass->insertionMark = m_pass->lastDirectiveMark;
    m_pass->insertionKnown = true;
  }
}

void TargetMerger::languageStatement(StatementReader &, bool topLevel) {
  if (topLevel)
    m_pass->lastDirectiveMark = m_pass->merged.mark();
}

// The text of a resource found only in the target, where it stood, if it is kept.
QString TargetMerger::keptInPlaceText(int id, QString &oldText,
                                      std::vector<MergedLines::Origin> &oldLines) const {
  const auto &[head, block] = m_pass->keptInPlace[size_t(id)];
  const QString text = writeScriptBlock(*head, m_writeContext, m_lines.codePage(), false, true);
  if (text.isEmpty())
    return text;
  oldText = block->text();
  if (m_keepOrigins)
    oldLines = lineOrigins(block->data(), block->begin(), block->end(), block->isUtf16(),
                           block->codePage());
  return text;
}

// The selected strings of the block of a head found only in the target, as a table
// of their own: the block's other strings are the source's and are written with it.
QString TargetMerger::keptStrings(const TextEntry *head) const {
  QSet<QString> kept;
  for (int i = head->index(); i >= 0 && i < m_pass->targetOnly.size(); ++i) {
    const TextEntry *entry = m_pass->targetOnly.at(i);
    if (entry->sourceBlock != head->sourceBlock)
      break;
    if (!entry->removed && entry->selectedForSave)
      kept.insert(tokensKey(entry->identifier));
  }
  if (kept.isEmpty())
    return {};
  const QString text = head->sourceBlock->text();
  const BlockUnits units = splitStatements(text, UnitRule::StringTable);
  QString out;
  qsizetype at = 0;
  for (const StatementUnit &unit : units.units) {
    if (unit.strings.empty())
      continue;
    if (kept.contains(unit.key.left(unit.key.indexOf(u'\x01'))))
      continue;
    out += QStringView(text).mid(at, unit.start - at);
    at = unit.end;
  }
  out += QStringView(text).mid(at);
  return out;
}

// The "Saving resources" question over the resources found only in the target.
void TargetMerger::chooseTargetOnly() {
  std::vector<TextEntry *> offered;
  SavingResourcesRequest request;
  request.title = QCoreApplication::translate("Prompter", "Saving resources - %1")
                      .arg(fileNameOf(m_task->targetPath));
  QMap<std::pair<QString, QString>, TextEntry *> sorted;
  for (int i = 0; i < m_pass->targetOnly.size(); ++i) {
    TextEntry *entry = m_pass->targetOnly.at(i);
    if (entry->removed || entry->task != m_task)
      continue;
    if (!entry->isHead() && entry->entryClass() != TextEntry::Class::String)
      continue;
    sorted.insert({resourceGroupName(entry->kind), entry->identifier}, entry);
  }
  if (sorted.isEmpty() || !m_context.prompter)
    return;
  for (auto it = sorted.cbegin(); it != sorted.cend(); ++it) {
    request.items.append({it.key().first, it.key().second, it.value()->selectedForSave});
    offered.push_back(it.value());
  }
  m_context.prompter->chooseResourcesToKeep(request);
  for (size_t i = 0; i < offered.size(); ++i)
    offered[i]->selectedForSave = request.items[qsizetype(i)].checked;
}

// After a statement of the write language's section: what replaces it goes where it
// stood, following the old block's lines; a resource found only in the target waits
// there for the translator's choice.
void TargetMerger::flushStatement(const RawBlockPtr &block) {
  const ScriptFile &file = m_lines.file();
  block->setEnd(file.readPosition());
  const QString oldText = block->text();
  Pass &pass = *m_pass;
  std::vector<MergedLines::Origin> oldLines;
  for (const PendingBlock &pending : pass.pending) {
    UnitRule rule;
    const QString text = followRule(pending.kind, rule)
                             ? followTargetBlock(pending.text, oldText, rule)
                             : pending.text;
    // The block of a resource nothing changed goes as it was, in one piece.
    if (m_keepOrigins && text == oldText) {
      pass.merged.addOldBlock(oldText, block->begin(), block->end(), block->codePage(),
                              linesIn(file.data(), block->begin(), block->end(), file.isUnicode()));
      continue;
    }
    if (!m_keepOrigins) {
      pass.merged.addNew(text);
      continue;
    }
    if (oldLines.empty())
      oldLines = lineOrigins(file.data(), block->begin(), block->end(), file.isUnicode(),
                             block->codePage());
    pass.merged.addFollowing(text, oldText, oldLines);
  }
  pass.pending.clear();
  if (!pass.statementHasSource && !pass.statementTargetOnly.empty()) {
    pass.merged.addDeferred(int(pass.keptInPlace.size()));
    pass.keptInPlace.emplace_back(pass.statementTargetOnly.front(), block);
    for (const TextEntry *entry : pass.statementTargetOnly)
      pass.inPlace.insert(entry);
  }
  pass.statementTargetOnly.clear();
  pass.statementHasSource = false;
}

// The source resource that replaces the target's of this kind and identifier. A
// resource the source holds twice (the same identifier in two sections it reads)
// replaces the target's first and second in turn.
TextEntry *TargetMerger::sourceFor(const QString &kind, const QString &identifier) {
  const EntryList::Lookup found = m_context.entries->lookup(m_task, kind, identifier);
  TextEntry *source = found.empty() ? nullptr : found.front();
  if (source && source->isHead() && m_pass->writtenHeads.contains(source))
    for (TextEntry *candidate : found)
      if (candidate->isHead() && !m_pass->writtenHeads.contains(candidate))
        return candidate;
  return source;
}

// A text of the target met while saving (as written, quotes still doubled): the
// target's resource is replaced in place by the translated source resource, or kept
// aside as found only in the target.
void TargetMerger::entry(StatementReader &reader, const QString &kind, const QString &identifier,
                         const QString &text) {
  const RawBlockPtr &block = reader.block();
  if (m_lines.echo() || !block)
    return; // outside the write language's section the old text is kept as it is
  // A later text of a menu, dialog or DLGINIT block adds nothing: the block was
  // taken care of with its first text.
  if (block->firstEntry && kind != QLatin1String("STRINGTABLE"))
    return;
  Pass &pass = *m_pass;
  TextEntry *source = sourceFor(kind, identifier);
  const bool keep = source && (source->removed || source->selectedForSave);
  if (source)
    pass.statementHasSource = true;

  // A resource is written once, however often the target repeats its identifiers.
  const bool already = source && source->isHead() && pass.writtenHeads.contains(source);
  const QString written =
      source && !already
          ? writeScriptBlock(*source, m_writeContext, m_lines.codePage(), !m_selective, false)
          : QString();
  if (!written.isEmpty()) {
    pass.writtenHeads.insert(source);
    pass.pending.push_back({kind, written});
  }
  const bool writtenHere = !written.isEmpty() || already;
  // Only the block's first entry and the strings of a string table can be kept or
  // offered later, and a text replaced in place by its source's resource not even
  // those: the others need no entry. Nor does a string of the source kept for saving:
  // its table is written with it, here or at the insertion point.
  const bool inPlace = writtenHere && keep;
  const bool stringTable = kind == QLatin1String("STRINGTABLE");
  const bool coveredString = keep && !source->isHead() && block->firstEntry;
  // A block written in place needs no entry of its own either, but for a string
  // table whose later strings look for the block's first.
  if ((block->firstEntry && (inPlace || coveredString || !stringTable)) ||
      (inPlace && !stringTable)) {
    if (inPlace)
      pass.writtenInPlace.insert({kind, identifier});
    return;
  }
  keepTargetOnly(block, kind, identifier, text, source, writtenHere, keep);
}

// An entry for a text of the target that may be kept or offered later.
void TargetMerger::keepTargetOnly(const RawBlockPtr &block, const QString &kind,
                                  const QString &identifier, const QString &text, TextEntry *source,
                                  bool writtenHere, bool keep) {
  std::unique_ptr<TextEntry> made = makeEntry(kind, block->firstEntry == nullptr);
  made->kind = kind;
  made->identifier = identifier;
  made->sourceText = text.contains(u'"') ? undoubleQuotes(text) : text;
  made->task = m_task;
  made->sourceBlock = block;
  if (!block->firstEntry)
    block->firstEntry = made.get();
  TextEntry *targetOnly = m_pass->targetOnly.append(std::move(made));
  if (writtenHere) {
    targetOnly->removed = keep;
  } else {
    if (keep || (!m_selective && targetOnly->isTranslatable()))
      targetOnly->selectedForSave = false;
    if (keep)
      targetOnly->removed = true;
  }
  if (targetOnly->removed)
    m_pass->writtenInPlace.insert({kind, identifier});
  else if (!source)
    m_pass->statementTargetOnly.push_back(targetOnly);
}

} // namespace tarvelo

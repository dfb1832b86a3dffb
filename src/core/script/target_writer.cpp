// Writing a target: the merge pass over the old target, the new resources at one place,
// and the resources found only in the target kept or dropped; every line nothing
// changed keeps its bytes.
#include "script/block_follow.h"
#include "script/entry_list.h"
#include "script/language.h"
#include "script/resource_group.h"
#include "script/resource_script.h"
#include "script/script_path.h"
#include "script/task.h"
#include "seam/prompter.h"

#include <QCoreApplication>
#include <QMap>

namespace tarvelo {

namespace {

// Spacing of the inserted resources: a block is followed by a blank line and
// preceded by one when the text before it was a one-line resource; a blank line that
// is already there is not doubled.
class InsertionWriter {
public:
  InsertionWriter(ScriptFile &out, const int &codePage, int blankLinesBefore)
      : m_out(out), m_codePage(codePage), m_blankLines(blankLinesBefore) {}
  void write(const QString &text) {
    if (text.isEmpty())
      return;
    if (!m_started) {
      blankLine();
      m_started = true;
    }
    const bool block = text.count(u'\n') >= 3;
    if (block && !m_previousWasBlock)
      blankLine();
    m_out.writeText(text, m_codePage);
    m_blankLines = 0;
    if (block)
      blankLine();
    m_previousWasBlock = block;
  }

private:
  void blankLine() {
    if (m_blankLines > 0)
      return;
    m_out.writeText(u"\n", m_codePage);
    ++m_blankLines;
  }

  ScriptFile &m_out;
  const int &m_codePage;
  int m_blankLines;
  bool m_started = false;
  bool m_previousWasBlock = true;
};

// How many blank lines the written file ends with.
int trailingBlankLines(const ScriptFile &out) {
  const QByteArray &data = out.data();
  const int unit = out.encoding() == ScriptFile::Utf16 ? 2 : 1;
  int blanks = 0;
  qsizetype at = data.size();
  // Each blank line is a line end after another line end (or the start).
  const auto lineEndBefore = [&](qsizetype position) -> qsizetype {
    if (position < unit || data[position - unit] != '\n')
      return -1;
    qsizetype start = position - unit;
    if (start >= unit && data[start - unit] == '\r')
      start -= unit;
    return start;
  };
  qsizetype end = lineEndBefore(at);
  while (end >= 0) {
    const qsizetype previous = lineEndBefore(end);
    if (previous < 0)
      break;
    ++blanks;
    end = previous;
  }
  return blanks;
}

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

int ResourceScript::write(Task *task, int writeLanguage, ScriptFile &target,
                          const WriteContext &context, bool selective, ScriptFile *source) {
  m_task = task;
  m_writeContext = context;
  m_writeContext.task = m_task;
  m_selective = selective;

  // A language without an ANSI code page can only be written in Unicode: an ANSI
  // target of such a language becomes UTF-8 with code_page(65001) pragmas.
  ScriptFile::Encoding encoding = target.encoding();
  const bool toUtf8 =
      encoding == ScriptFile::Ansi && writeLanguage > 0 && defaultCodePage(writeLanguage) == 0;
  if (toUtf8)
    encoding = ScriptFile::Utf8;
  const bool utf8Output = encoding == ScriptFile::Utf8 || encoding == ScriptFile::Utf8Bom;

  // An empty target starts as a converted copy of the source, and takes its line ends.
  ScriptFile copy;
  bool newTarget = false;
  bool crLf = target.mostlyCrLf();
  bool finalLineEnd = target.endsWithLineEnd();
  if (target.isEmpty()) {
    ResourceScript copier(m_context);
    copier.m_utf8Output = utf8Output;
    bool opened = true;
    if (source)
      copier.m_file = *source;
    else
      opened = copier.open(m_task->sourcePath);
    if (opened && !copier.m_file.isEmpty()) {
      crLf = copier.m_file.mostlyCrLf();
      finalLineEnd = copier.m_file.endsWithLineEnd();
    }
    copy.create(ScriptFile::Utf16);
    if (opened && copier.copySourceAsNewTarget(m_task, writeLanguage, copy) && !copy.isEmpty())
      newTarget = true;
    else
      copy.create(ScriptFile::Utf16);
  }
  if (newTarget)
    m_file = copy;
  else
    m_file.openData(target.data());
  // The source's version resource written into the target declares the target's
  // language; a version resource of the target's own is kept as it is.
  m_writeContext.versionFromLanguage = m_task->sourceLanguage;
  m_writeContext.versionToLanguage = writeLanguage;
  const bool hadContent = !m_file.isEmpty();

  m_mode = Mode::Saving;
  m_utf8Output = utf8Output;
  m_isSource = false;
  m_wantedLanguage = writeLanguage;
  m_codePage = codePageFor(writeLanguage, false);
  if (m_file.isUtf8())
    m_codePage = 65001;
  // The old target's lines are kept as its bytes, unless it changes its encoding.
  m_keepOrigins = !newTarget && !toUtf8 && hadContent;
  m_insertionKnown = false;
  m_insertionFound = false;
  m_insertionMark = {};
  m_lastDirectiveMark = {};
  m_writtenInPlace.clear();
  m_writtenHeads.clear();
  m_keptInPlace.clear();
  m_targetOnly = std::make_unique<EntryList>(false);
  m_merged = MergedLines();
  // The merged lines are about as long as the old target's, translations being a
  // little longer than what they replace: room for them at once spares a copy.
  const qsizetype targetUnits = m_file.isUnicode() ? m_file.size() / 2 : m_file.size();
  m_merged.reserve(targetUnits + targetUnits / 4 + 65536);
  setMergedOutput(&m_merged, m_keepOrigins);
  setEcho(true);
  restart();

  bool replaced = false;
  if (runPass() != ScriptOk) {
    const QString question =
        QCoreApplication::translate(
            "Prompter", "File '%1' is not regular resource file! Do you want replace it?")
            .arg(fileNameOf(m_task->targetPath.isEmpty() ? m_file.path() : m_task->targetPath));
    if (!m_context.prompter ||
        m_context.prompter->message(question, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
            Prompter::Answer::Yes) {
      setMergedOutput(nullptr, false);
      m_targetOnly.reset();
      return ScriptSyntaxError;
    }
    // Nothing of the old target is kept.
    m_merged = MergedLines();
    m_targetOnly = std::make_unique<EntryList>(false);
    m_keptInPlace.clear();
    m_writtenInPlace.clear();
    m_writtenHeads.clear();
    m_insertionFound = false;
    m_insertionKnown = true;
    m_insertionMark = {};
    replaced = true;
    newTarget = true;
  }
  setEcho(false);
  setMergedOutput(nullptr, false);
  releaseBlock();
  if (!m_insertionKnown)
    m_insertionMark = m_merged.mark();
  // Which resources found only in the target stay, asked before anything is written.
  if (!newTarget)
    chooseTargetOnly();

  target.create(encoding);
  target.setCrLf(crLf);
  target.reserve(m_file.size() + m_file.size() / 4 + 65536);
  int codePage = codePageFor(writeLanguage, false);
  if (!hadContent || replaced)
    target.writeText(m_task->header, codePage);
  MergedLines::Assembly assembly;
  assembly.oldBytes = &m_file.data();
  assembly.keepOldBytes = m_keepOrigins;
  assembly.unicode = encoding != ScriptFile::Ansi;
  assembly.codePage = codePage;
  assembly.forceUtf8Pragmas = toUtf8;
  assembly.insertion = m_insertionMark;
  assembly.insert = [&](ScriptFile &out, int &page) { writeInsertion(out, page, newTarget); };
  assembly.deferred = [&](int id, QString &oldText, std::vector<MergedLines::Origin> &oldLines) {
    return keptInPlaceText(id, oldText, oldLines);
  };
  m_merged.writeTo(target, assembly);
  if (!finalLineEnd)
    target.chopLineEnd();
  m_merged = MergedLines();
  m_keptInPlace.clear();
  m_targetOnly.reset();
  m_file = ScriptFile(); // the old target is not needed any more
  return ScriptOk;
}

void ResourceScript::writeInsertion(ScriptFile &out, int &codePage, bool newTarget) {
  // The resources go to a file of their own first: a section with nothing in it is
  // not written at all.
  const bool guard = !m_insertionFound && m_task->languageFound;
  const QString pageText = pragmaCodePage(m_wantedLanguage);
  int insertedPage = guard ? pageText.toInt() : codePage;
  ScriptFile inserted;
  inserted.create(ScriptFile::Utf16);
  inserted.setCrLf(false);
  EntryList &entries = *m_context.entries;
  const bool writeAll = !m_selective;
  InsertionWriter writer(inserted, insertedPage, guard ? 0 : trailingBlankLines(out));
  for (int i = 0; i < entries.size(); ++i) {
    const TextEntry *entry = entries.at(i);
    if (entry->task != m_task || !entry->isHead())
      continue;
    if (m_selective && !entry->selectedForSave)
      continue;
    // Resources written in place at their old position are not written again.
    if (m_writtenInPlace.contains({entry->kind, entry->identifier}))
      continue;
    writer.write(entry->writeBlock(m_writeContext, insertedPage, writeAll, false));
  }
  // Resources found only in the target that could not stay where they stood: strings
  // of tables that also hold the source's strings.
  if (!newTarget)
    for (int i = 0; i < m_targetOnly->size(); ++i) {
      const TextEntry *entry = m_targetOnly->at(i);
      if (entry->isHead() && !m_inPlace.contains(entry))
        writer.write(entry->entryClass() == TextEntry::Class::String
                         ? keptStrings(entry)
                         : entry->writeBlock(m_writeContext, insertedPage, false, true));
    }
  m_writtenInPlace.clear();
  if (inserted.isEmpty())
    return;
  if (guard) {
    out.writeText(QStringLiteral("#if !defined(AFX_RESOURCE_DLL) || defined(%1)\n#ifdef _WIN32\n"
                                 "LANGUAGE %2, %3\n#pragma code_page(%4)\n#endif //_WIN32\n")
                      .arg(targetGuardName(m_wantedLanguage))
                      .arg(primaryLanguage(m_wantedLanguage))
                      .arg(subLanguage(m_wantedLanguage))
                      .arg(pageText),
                  codePage);
    codePage = insertedPage;
  }
  out.writeText(inserted.utf16Text(), codePage);
  if (guard)
    out.writeText(u"#endif\n", codePage);
}

// The text of a resource found only in the target, where it stood, if it is kept.
QString ResourceScript::keptInPlaceText(int id, QString &oldText,
                                        std::vector<MergedLines::Origin> &oldLines) const {
  const auto &[head, block] = m_keptInPlace[size_t(id)];
  const QString text = head->writeBlock(m_writeContext, m_codePage, false, true);
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
QString ResourceScript::keptStrings(const TextEntry *head) const {
  QSet<QString> kept;
  for (int i = head->index(); i >= 0 && i < m_targetOnly->size(); ++i) {
    const TextEntry *entry = m_targetOnly->at(i);
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
void ResourceScript::chooseTargetOnly() {
  std::vector<TextEntry *> offered;
  SavingResourcesRequest request;
  request.title = QCoreApplication::translate("Prompter", "Saving resources - %1")
                      .arg(fileNameOf(m_task->targetPath));
  QMap<std::pair<QString, QString>, TextEntry *> sorted;
  for (int i = 0; i < m_targetOnly->size(); ++i) {
    TextEntry *entry = m_targetOnly->at(i);
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
void ResourceScript::flushStatement() {
  if (!m_block)
    return;
  m_block->setEnd(m_file.readPosition());
  const QString oldText = m_block->text();
  std::vector<MergedLines::Origin> oldLines;
  for (const PendingBlock &pending : m_pending) {
    UnitRule rule;
    const QString text = followRule(pending.kind, rule)
                             ? followTargetBlock(pending.text, oldText, rule)
                             : pending.text;
    // The block of a resource nothing changed goes as it was, in one piece.
    if (m_keepOrigins && text == oldText) {
      m_merged.addOldBlock(
          oldText, m_block->begin(), m_block->end(), m_block->codePage(),
          linesIn(m_file.data(), m_block->begin(), m_block->end(), m_file.isUnicode()));
      continue;
    }
    if (!m_keepOrigins) {
      m_merged.addNew(text);
      continue;
    }
    if (oldLines.empty())
      oldLines = lineOrigins(m_file.data(), m_block->begin(), m_block->end(), m_file.isUnicode(),
                             m_block->codePage());
    m_merged.addFollowing(text, oldText, oldLines);
  }
  m_pending.clear();
  if (!m_statementHasSource && !m_statementTargetOnly.empty()) {
    m_merged.addDeferred(int(m_keptInPlace.size()));
    m_keptInPlace.emplace_back(m_statementTargetOnly.front(), m_block);
    for (const TextEntry *entry : m_statementTargetOnly)
      m_inPlace.insert(entry);
  }
  m_statementTargetOnly.clear();
  m_statementHasSource = false;
}

// A text of the target met while saving (as written, quotes still doubled): the
// target's resource is replaced in place by the translated source resource, or kept
// aside as found only in the target.
void ResourceScript::saveEntry(const QString &kind, const QString &identifier,
                               const QString &text) {
  if (echo() || !m_block)
    return; // outside the write language's section the old text is kept as it is
  // A later text of a menu, dialog or DLGINIT block adds nothing: the block was
  // taken care of with its first text.
  if (m_block->firstEntry && kind != QLatin1String("STRINGTABLE"))
    return;
  const EntryList::Lookup found = m_context.entries->lookup(m_task, kind, identifier);
  TextEntry *source = found.empty() ? nullptr : found.front();
  // A resource the source holds twice (the same identifier in two sections it reads)
  // replaces the target's first and second in turn.
  if (source && source->isHead() && m_writtenHeads.contains(source))
    for (TextEntry *candidate : found)
      if (candidate->isHead() && !m_writtenHeads.contains(candidate)) {
        source = candidate;
        break;
      }
  const bool keep = source && (source->removed || source->selectedForSave);
  if (source)
    m_statementHasSource = true;

  // A resource is written once, however often the target repeats its identifiers.
  const bool already = source && source->isHead() && m_writtenHeads.contains(source);
  const QString written = source && !already
                              ? source->writeBlock(m_writeContext, m_codePage, !m_selective, false)
                              : QString();
  if (!written.isEmpty()) {
    m_writtenHeads.insert(source);
    m_pending.push_back({kind, written});
  }
  const bool writtenHere = !written.isEmpty() || already;
  // Only the block's first entry and the strings of a string table can be kept or
  // offered later, and a text replaced in place by its source's resource not even
  // those: the others need no entry. Nor does a string of the source kept for saving:
  // its table is written with it, here or at the insertion point.
  const bool inPlace = writtenHere && keep;
  const bool stringTable = kind == QLatin1String("STRINGTABLE");
  const bool coveredString = keep && !source->isHead() && m_block->firstEntry;
  // A block written in place needs no entry of its own either, but for a string
  // table whose later strings look for the block's first.
  if ((m_block->firstEntry && (inPlace || coveredString || !stringTable)) ||
      (inPlace && !stringTable)) {
    if (inPlace)
      m_writtenInPlace.insert({kind, identifier});
    return;
  }

  std::unique_ptr<TextEntry> made = makeEntry(kind, m_block->firstEntry == nullptr);
  made->kind = kind;
  made->identifier = identifier;
  made->sourceText = text.contains(u'"') ? undoubleQuotes(text) : text;
  made->task = m_task;
  made->sourceBlock = m_block;
  if (!m_block->firstEntry)
    m_block->firstEntry = made.get();
  TextEntry *targetOnly = m_targetOnly->append(std::move(made));
  if (writtenHere) {
    targetOnly->removed = keep;
  } else {
    if (keep || (!m_selective && targetOnly->isTranslatable()))
      targetOnly->selectedForSave = false;
    if (keep)
      targetOnly->removed = true;
  }
  if (targetOnly->removed)
    m_writtenInPlace.insert({kind, identifier});
  else if (!source)
    m_statementTargetOnly.push_back(targetOnly);
}

} // namespace tarvelo

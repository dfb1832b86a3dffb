#include "script/entry_list.h"
#include "script/language.h"
#include "script/resource_group.h"
#include "script/resource_script.h"
#include "script/script_path.h"
#include "script/task.h"
#include "seam/prompter.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>

namespace tarvelo {

namespace {

// Spacing of the inserted resources: a block is followed by a blank line and
// preceded by one when the text before it was a one-line resource.
class InsertionWriter {
public:
  InsertionWriter(ScriptFile &out, const int &codePage) : m_out(out), m_codePage(codePage) {}
  void write(const QString &text) {
    if (text.isEmpty())
      return;
    if (!m_started) {
      m_out.writeLine(QStringLiteral("\n"), m_codePage);
      m_started = true;
    }
    const bool block = text.count(u'\n') >= 3;
    if (block && !m_previousWasBlock)
      m_out.writeLine(QStringLiteral("\n"), m_codePage);
    m_out.writeLine(block ? text + u'\n' : text, m_codePage);
    m_previousWasBlock = block;
  }

private:
  ScriptFile &m_out;
  const int &m_codePage;
  bool m_started = false;
  bool m_previousWasBlock = true;
};

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

  // An empty target starts as a converted copy of the source.
  ScriptFile copy;
  bool newTarget = false;
  if (target.isEmpty()) {
    ResourceScript copier(m_context);
    copier.m_utf8Output = utf8Output;
    bool opened = true;
    if (source)
      copier.m_file = *source;
    else
      opened = copier.open(m_task->sourcePath);
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
  m_insertionLine = -1;
  m_insertionFound = false;
  m_lastDirectiveLine = 0;
  m_writtenInPlace.clear();
  m_writtenHeads.clear();
  m_targetOnly = std::make_unique<EntryList>(false);
  m_temp.create(ScriptFile::Utf16);
  // The merged lines are about as long as the old target's, translations being a
  // little longer than what they replace: room for them at once spares a copy.
  const qsizetype targetUnits = m_file.isUnicode() ? m_file.size() / 2 : m_file.size();
  m_temp.reserve(2 * (targetUnits + targetUnits / 4) + 65536);
  setOutput(&m_temp);
  setLinesWritten(0);
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
      setOutput(nullptr);
      m_targetOnly.reset();
      return ScriptSyntaxError;
    }
    // Nothing of the old target is kept.
    m_temp.truncate();
    m_targetOnly = std::make_unique<EntryList>(false);
    m_writtenInPlace.clear();
    m_writtenHeads.clear();
    m_insertionFound = false;
    m_insertionLine = -1;
    replaced = true;
    newTarget = true;
  }
  setEcho(false);
  setOutput(nullptr);
  releaseBlock();
  if (m_insertionLine < 0)
    m_insertionLine = replaced ? 0 : linesWritten();

  // Rebuild the target from the merged lines with the new resources at their place.
  target.create(encoding);
  target.reserve(m_temp.size() / (encoding == ScriptFile::Utf16 ? 1 : 2) + 65536);
  target.setBlankLineLimit(2);
  int codePage = codePageFor(writeLanguage, false);
  if (!hadContent || replaced)
    target.writeLine(m_task->header, codePage);
  // The merged lines go in pieces: up to the insertion point, then the rest, each
  // cut at the lines that name a code page, which decides how what follows is
  // encoded.
  static const QRegularExpression pragma(QStringLiteral("code_page\\s*\\(\\s*(\\d+)\\s*\\)"));
  const QStringView merged = m_temp.utf16Text();
  qsizetype position = 0;
  const auto copyUpTo = [&](qsizetype end) {
    while (position < end) {
      const qsizetype at = merged.indexOf(QLatin1String("code_page"), position);
      if (at < 0 || at >= end) {
        target.writeText(merged.mid(position, end - position), codePage);
        position = end;
        return;
      }
      const qsizetype lineStart = std::max(position, merged.lastIndexOf(u'\n', at) + 1);
      qsizetype lineEnd = merged.indexOf(u'\n', at);
      lineEnd = lineEnd < 0 || lineEnd >= end ? end : lineEnd + 1;
      target.writeText(merged.mid(position, lineStart - position), codePage);
      QString line = merged.mid(lineStart, lineEnd - lineStart).toString();
      const QRegularExpressionMatch match = pragma.match(line);
      if (match.hasMatch()) {
        codePage = match.captured(1).toInt();
        // The whole file is UTF-8 now, whatever its pragmas said.
        if (toUtf8)
          line.replace(match.capturedStart(1), match.capturedLength(1), QStringLiteral("65001"));
      }
      target.writeText(line, codePage);
      position = lineEnd;
    }
  };
  qsizetype insertAt = 0;
  for (int line = 0; line < m_insertionLine && insertAt < merged.size(); ++line) {
    const qsizetype lineFeed = merged.indexOf(u'\n', insertAt);
    insertAt = lineFeed < 0 ? merged.size() : lineFeed + 1;
  }
  copyUpTo(insertAt);
  writeInsertion(target, codePage, newTarget);
  copyUpTo(merged.size());
  m_temp.truncate();
  m_targetOnly.reset();
  return ScriptOk;
}

void ResourceScript::writeInsertion(ScriptFile &out, int &codePage, bool newTarget) {
  const bool guard = !m_insertionFound && m_task->languageFound;
  if (guard) {
    const int language = m_wantedLanguage;
    const QString pageText = pragmaCodePage(language);
    out.writeLine(QStringLiteral("#if !defined(AFX_RESOURCE_DLL) || defined(%1)\n#ifdef _WIN32\n"
                                 "LANGUAGE %2, %3\n#pragma code_page(%4)\n#endif //_WIN32\n")
                      .arg(targetGuardName(language))
                      .arg(primaryLanguage(language))
                      .arg(subLanguage(language))
                      .arg(pageText),
                  codePage);
    codePage = pageText.toInt();
  }
  EntryList &entries = *m_context.entries;
  const bool writeAll = !m_selective;
  InsertionWriter writer(out, codePage);
  for (int i = 0; i < entries.size(); ++i) {
    const TextEntry *entry = entries.at(i);
    if (entry->task != m_task || !entry->isHead())
      continue;
    if (m_selective && !entry->selectedForSave)
      continue;
    // Resources written in place at their old position are not written again.
    if (m_writtenInPlace.contains({entry->kind, entry->identifier}))
      continue;
    writer.write(entry->writeBlock(m_writeContext, codePage, writeAll, false));
  }
  if (!newTarget) {
    chooseTargetOnly();
    InsertionWriter kept(out, codePage);
    for (int i = 0; i < m_targetOnly->size(); ++i)
      kept.write(m_targetOnly->at(i)->writeBlock(m_writeContext, codePage, false, true));
  }
  m_targetOnly = std::make_unique<EntryList>(false);
  m_writtenInPlace.clear();
  if (guard)
    out.writeLine(QStringLiteral("#endif\n"), codePage);
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
  const bool keep = source && (source->removed || source->selectedForSave);

  // A resource is written once, however often the target repeats its identifiers.
  const bool already = source && source->isHead() && m_writtenHeads.contains(source);
  const QString written = source && !already
                              ? source->writeBlock(m_writeContext, m_codePage, !m_selective, false)
                              : QString();
  if (!written.isEmpty()) {
    m_writtenHeads.insert(source);
    m_temp.writeLine(written, 0);
    // Lines are counted only to find the insertion point.
    if (!m_insertionFound)
      setLinesWritten(linesWritten() + int(written.count(u'\n')));
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
}

} // namespace tarvelo

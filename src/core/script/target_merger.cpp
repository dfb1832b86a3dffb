// Writing a target: the merge pass over the old target, the new resources at one place,
// and the file assembled from the merged lines.
#include "script/target_merger.h"
#include "compiled/compiled_source.h"

#include "files/file_messages.h"
#include "script/language.h"
#include "script/new_target_copier.h"
#include "script/script_block_writer.h"
#include "script/script_path.h"
#include "script/statement_reader.h"
#include "script/task.h"
#include "seam/prompter.h"

#include <QCoreApplication>

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

} // namespace

TargetMerger::TargetMerger(const ScriptContext &context, Task *task, int writeLanguage,
                           const WriteContext &writeContext, bool selective)
    : m_context(context), m_task(task), m_writeLanguage(writeLanguage), m_selective(selective),
      m_writeContext(writeContext) {
  m_writeContext.task = task;
}

ReadingRules TargetMerger::rules() const {
  ReadingRules rules;
  rules.wholeBlocks = true;
  rules.innermostExclusion = true;
  rules.errorLinesSkipped = true;
  return rules;
}

// The old text of the write language's resources is left out.
bool TargetMerger::dropsStatement(bool inLanguage, bool excluded) const {
  return inLanguage && !excluded;
}

ScriptResult TargetMerger::write(ScriptFile &target, ScriptFile *source) {
  ScriptFile copy;
  m_layout = layoutFor(target, source, copy);
  if (m_layout.newTarget)
    m_lines.file() = copy;
  else
    m_lines.file().openData(target.data());
  // The source's version resource written into the target declares the target's
  // language; a version resource of the target's own is kept as it is.
  m_writeContext.versionFromLanguage = m_task->sourceLanguage;
  m_writeContext.versionToLanguage = m_writeLanguage;
  m_layout.hadContent = !m_lines.file().isEmpty();
  // The old target's lines are kept as its bytes, unless it changes its encoding.
  m_keepOrigins = !m_layout.newTarget && !m_layout.toUtf8 && m_layout.hadContent;
  if (!mergeOldTarget())
    return ScriptResult::SyntaxError;
  // Which resources found only in the target stay, asked before anything is written.
  if (!m_layout.newTarget)
    chooseTargetOnly();
  assemble(target);
  return ScriptResult::Ok;
}

// The encoding and line ends written. An empty target starts as a converted copy of the
// source (into copy), and takes its line ends.
TargetMerger::Layout TargetMerger::layoutFor(const ScriptFile &target, ScriptFile *source,
                                             ScriptFile &copy) {
  Layout layout;
  // A language without an ANSI code page can only be written in Unicode: an ANSI
  // target of such a language becomes UTF-8 with code_page(65001) pragmas.
  layout.encoding = target.encoding();
  layout.toUtf8 = layout.encoding == ScriptFile::Ansi && m_writeLanguage > 0 &&
                  defaultCodePage(m_writeLanguage) == 0;
  if (layout.toUtf8)
    layout.encoding = ScriptFile::Utf8;
  layout.utf8Output = layout.encoding == ScriptFile::Utf8 || layout.encoding == ScriptFile::Utf8Bom;
  layout.crLf = target.mostlyCrLf();
  layout.finalLineEnd = target.endsWithLineEnd();
  if (!target.isEmpty())
    return layout;
  NewTargetCopier copier(m_context, m_task, m_writeLanguage, layout.utf8Output);
  bool opened = true;
  if (source)
    copier.source() = *source;
  else
    opened = openSourceScript(copier.source(), m_task->sourcePath, nullptr, nullptr,
                              m_task->sourceHeader);
  if (opened && !copier.source().isEmpty()) {
    layout.crLf = copier.source().mostlyCrLf();
    layout.finalLineEnd = copier.source().endsWithLineEnd();
  }
  copy.create(ScriptFile::Utf16);
  if (opened && copier.copyInto(copy) && !copy.isEmpty())
    layout.newTarget = true;
  else
    copy.create(ScriptFile::Utf16);
  return layout;
}

bool TargetMerger::mergeOldTarget() {
  ScriptFile &file = m_lines.file();
  m_lines.setCodePage(file.isUtf8() ? 65001 : sideCodePage(m_context, m_writeLanguage, false));
  m_pass = std::make_unique<Pass>();
  // The merged lines are about as long as the old target's, translations being a
  // little longer than what they replace: room for them at once spares a copy.
  const qsizetype targetUnits = file.isUnicode() ? file.size() / 2 : file.size();
  m_pass->merged.reserve(targetUnits + targetUnits / 4 + 65536);
  m_lines.setMergedOutput(&m_pass->merged, m_keepOrigins);
  m_lines.setEcho(true);
  m_lines.restart();
  StatementReader reader(m_lines, *this, m_writeLanguage);
  const bool parsed = reader.run() == ScriptResult::Ok;
  m_lines.setEcho(false);
  m_lines.setMergedOutput(nullptr, false);
  if (!parsed) {
    const QString question =
        QCoreApplication::translate(
            "Prompter", "File '%1' is not regular resource file! Do you want replace it?")
            .arg(fileNameOf(m_task->targetPath.isEmpty() ? file.path() : m_task->targetPath));
    if (!m_context.prompter ||
        m_context.prompter->message(question, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
            Prompter::Answer::Yes)
      return false;
    // Nothing of the old target is kept.
    m_pass = std::make_unique<Pass>();
    m_pass->insertionKnown = true;
    m_layout.replaced = true;
    m_layout.newTarget = true;
  }
  if (!m_pass->insertionKnown)
    m_pass->insertionMark = m_pass->merged.mark();
  return true;
}

void TargetMerger::assemble(ScriptFile &target) {
  target.create(m_layout.encoding);
  target.setCrLf(m_layout.crLf);
  const ScriptFile &old = m_lines.file();
  target.reserve(old.size() + old.size() / 4 + 65536);
  const int codePage = sideCodePage(m_context, m_writeLanguage, false);
  if (!m_layout.hadContent || m_layout.replaced)
    target.writeText(m_task->header, codePage);
  MergedLines::Assembly assembly;
  assembly.oldBytes = &old.data();
  assembly.keepOldBytes = m_keepOrigins;
  assembly.unicode = m_layout.encoding != ScriptFile::Ansi;
  assembly.codePage = codePage;
  assembly.forceUtf8Pragmas = m_layout.toUtf8;
  assembly.insertion = m_pass->insertionMark;
  assembly.insert = [&](ScriptFile &out, int &page) { writeInsertion(out, page); };
  assembly.deferred = [&](int id, QString &oldText, std::vector<MergedLines::Origin> &oldLines) {
    return keptInPlaceText(id, oldText, oldLines);
  };
  m_pass->merged.writeTo(target, assembly);
  if (!m_layout.finalLineEnd)
    target.chopLineEnd();
}

void TargetMerger::writeInsertion(ScriptFile &out, int &codePage) {
  // The resources go to a file of their own first: a section with nothing in it is
  // not written at all.
  const bool guard = !m_pass->insertionFound && m_task->languageFound;
  const QString pageText = pragmaCodePage(m_layout.utf8Output, m_writeLanguage);
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
    if (m_pass->writtenInPlace.contains({entry->kind, entry->identifier}))
      continue;
    writer.write(writeScriptBlock(*entry, m_writeContext, insertedPage, writeAll, false));
  }
  // Resources found only in the target that could not stay where they stood: strings
  // of tables that also hold the source's strings.
  if (!m_layout.newTarget)
    for (int i = 0; i < m_pass->targetOnly.size(); ++i) {
      const TextEntry *entry = m_pass->targetOnly.at(i);
      if (entry->isHead() && !m_pass->inPlace.contains(entry))
        writer.write(entry->entryClass() == TextEntry::Class::String
                         ? keptStrings(entry)
                         : writeScriptBlock(*entry, m_writeContext, insertedPage, false, true));
    }
  m_pass->writtenInPlace.clear();
  if (inserted.isEmpty())
    return;
  if (guard) {
    out.writeText(QStringLiteral("#if !defined(AFX_RESOURCE_DLL) || defined(%1)\n#ifdef _WIN32\n"
                                 "LANGUAGE %2, %3\n#pragma code_page(%4)\n#endif //_WIN32\n")
                      .arg(targetGuardName(m_writeLanguage))
                      .arg(primaryLanguage(m_writeLanguage))
                      .arg(subLanguage(m_writeLanguage))
                      .arg(pageText),
                  codePage);
    codePage = insertedPage;
  }
  out.writeText(inserted.utf16Text(), codePage);
  if (guard)
    out.writeText(u"#endif\n", codePage);
}

} // namespace tarvelo

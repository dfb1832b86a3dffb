// Writing a target: a merge pass over the old target that replaces the write
// language's resources by the translated source's.
#pragma once

#include "script/entry_list.h"
#include "script/merged_lines.h"
#include "script/raw_block.h"
#include "script/script_context.h"
#include "script/script_reader.h"
#include "script/statement_handler.h"
#include "script/write_context.h"

#include <QSet>
#include <memory>
#include <vector>

namespace tarvelo {

class TextEntry;
struct Task;

// Writes the translated target of a task. The old target's resources of the write
// language are replaced where they stand by the translated source resources, those it
// lacks are inserted at one place, and those found only in the target are kept or
// dropped as the translator chooses; every line nothing changed keeps its bytes. One
// object makes one write.
class TargetMerger : public StatementHandler {
public:
  TargetMerger(const ScriptContext &context, Task *task, int writeLanguage,
               const WriteContext &writeContext, bool selective);

  // target holds the old target (possibly nothing; it decides the encoding written) and
  // receives the new one. An empty target starts as a converted copy of the source
  // (source, or the task's source path when null). SyntaxError when the old target
  // does not parse and the user declines to replace it (target is then unchanged).
  ScriptResult write(ScriptFile &target, ScriptFile *source);

  ReadingRules rules() const override;
  bool dropsStatement(bool inLanguage, bool excluded) const override;
  void statementStarting(StatementReader &reader) override;
  void statementRead(StatementReader &reader, ScriptResult result, bool inLanguage,
                     bool excluded) override;
  void entry(StatementReader &reader, const QString &kind, const QString &identifier,
             const QString &text) override;
  void conditional(StatementReader &reader) override;
  void languageStatement(StatementReader &reader, bool topLevel) override;

private:
  // How the written file is laid out, decided before the pass.
  struct Layout {
    ScriptFile::Encoding encoding = ScriptFile::Ansi;
    bool toUtf8 = false; // an ANSI target of a language without an ANSI code page
    bool utf8Output = false;
    bool crLf = false;
    bool finalLineEnd = true;
    bool newTarget = false;
    bool hadContent = false;
    bool replaced = false;
  };
  // What a statement of the old target leaves behind, written once it has been read.
  struct PendingBlock {
    QString kind;
    QString text;
  };
  // Everything one merge pass gathers; a target replaced whole starts a new one.
  struct Pass {
    MergedLines merged;              // the new target, line by line
    MergedLines::Mark insertionMark; // where new resources go
    bool insertionKnown = false;
    bool insertionFound = false;
    MergedLines::Mark lastDirectiveMark;
    MergedLines::Mark statementMark; // where the statement being read began
    EntryList targetOnly{false};     // resources met in the target's section
    // Kinds and identifiers met in the target that are not to be written again.
    QSet<std::pair<QString, QString>> writtenInPlace;
    QSet<const TextEntry *> writtenHeads; // source resources already written in place
    std::vector<PendingBlock> pending;
    bool statementHasSource = false;
    std::vector<TextEntry *> statementTargetOnly;
    // Resources found only in the target that stay where they stand if kept.
    std::vector<std::pair<TextEntry *, RawBlockPtr>> keptInPlace;
    QSet<const TextEntry *> inPlace;
  };

  Layout layoutFor(const ScriptFile &target, ScriptFile *source, ScriptFile &copy);
  // Runs the pass; false when the old target does not parse and is kept.
  bool mergeOldTarget();
  void assemble(ScriptFile &target);
  void flushStatement(const RawBlockPtr &block);
  void writeInsertion(ScriptFile &out, int &codePage);
  QString keptInPlaceText(int id, QString &oldText,
                          std::vector<MergedLines::Origin> &oldLines) const;
  QString keptStrings(const TextEntry *head) const;
  void chooseTargetOnly();
  TextEntry *sourceFor(const QString &kind, const QString &identifier);
  void keepTargetOnly(const RawBlockPtr &block, const QString &kind, const QString &identifier,
                      const QString &text, TextEntry *source, bool writtenHere, bool keep);

  const ScriptContext m_context;
  Task *const m_task;
  const int m_writeLanguage;
  const bool m_selective;
  WriteContext m_writeContext;
  Layout m_layout;
  ScriptReader m_lines;       // over the old target
  bool m_keepOrigins = false; // the old target's lines may be kept as its bytes
  std::unique_ptr<Pass> m_pass;
};

} // namespace tarvelo

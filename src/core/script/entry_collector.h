// Reading a script into entries: the source's make entries, the target's texts are
// placed into them.
#pragma once

#include "script/entry_list.h"
#include "script/script_context.h"
#include "script/statement_handler.h"

namespace tarvelo {

class TextEntry;
struct Task;

// The handler of a reading pass. A source's texts become entries at the end of the
// entry list; a target's are matched into the source's entries of the same kind and
// identifier. Scripts pulled in by #include lines become further tasks.
class EntryCollector : public StatementHandler {
public:
  // With totalLines above 0, the progress display follows the lines read.
  EntryCollector(const ScriptContext &context, bool isSource, Task *task, int totalLines);

  bool goOn() override;
  void lineRead(StatementReader &reader) override;
  void statementStarting(StatementReader &reader) override;
  void entry(StatementReader &reader, const QString &kind, const QString &identifier,
             const QString &text) override;
  void include(StatementReader &reader, bool inSection) override;

private:
  void addSourceEntry(const RawBlockPtr &block, const QString &kind, const QString &identifier,
                      const QString &text, const QString &stored);
  void matchTargetText(const RawBlockPtr &block, const QString &kind, const QString &identifier,
                       const QString &text);
  TextEntry *matchFirst(const RawBlockPtr &block, const QString &kind, const QString &identifier,
                        const QString &text);

  const ScriptContext m_context;
  const bool m_isSource;
  Task *const m_task;
  const int m_totalLines;
  Task *m_lastPulledTask;
  TextEntry *m_cursor = nullptr; // last matched entry of the resource being read
  BlockLookup m_blockLookup;     // the entries of the block matched last
  TextPosition m_position;       // of the text being placed
};

} // namespace tarvelo

// A new target made from its source: the source's section, turned to the target's
// language.
#pragma once

#include "script/script_context.h"
#include "script/script_reader.h"
#include "script/statement_handler.h"

namespace tarvelo {

struct Task;

// Copies a source script as a new target: its LANGUAGE, code_page, AFX_TARG_ and
// include lines turned to the target's, resources of other languages dropped. One
// object makes one copy.
class NewTargetCopier : public StatementHandler {
public:
  NewTargetCopier(const ScriptContext &context, Task *task, int targetLanguage, bool utf8Output);

  // The source's file, read from the task's source path unless set.
  ScriptFile &source() { return m_lines.file(); }
  // Fills out with the copy; false when the source does not parse.
  bool copyInto(ScriptFile &out);

  ReadingRules rules() const override;
  bool dropsStatement(bool inLanguage, bool excluded) const override;
  void include(StatementReader &reader, bool inSection) override;
  void conditional(StatementReader &reader) override;
  void codePagePragma(StatementReader &reader) override;
  void languageRead(StatementReader &reader, int language, const QString &primary,
                    const QString &sub) override;
  void textIncludeLine(StatementReader &reader) override;

private:
  // The line with the path of a pulled-in script replaced by its target's path.
  QString rewriteInclude(QString line) const;
  QString swapTargetGuard(QString line) const;
  QString codePageText() const { return pragmaCodePage(m_utf8Output, m_copyLanguage); }

  const ScriptContext m_context;
  Task *const m_task;
  const int m_sourceLanguage;
  const int m_copyLanguage;
  const bool m_utf8Output;
  ScriptReader m_lines;
  int m_lastTextIncludeLine = 0; // the TEXTINCLUDE line already treated
  bool m_afterLanguageString = false;
};

} // namespace tarvelo

// One resource script, read for one side of a task or written as a task's target.
#pragma once

#include "script/script_context.h"
#include "script/script_reader.h"
#include "script/script_result.h"
#include "script/write_context.h"

#include <QList>
#include <QString>

namespace tarvelo {

struct Task;

// One resource script: reads it into the entries of a task (through the statement
// reader and an entry collector), or writes a task's target (through a target merger).
// One object reads one file once.
class ResourceScript {
public:
  explicit ResourceScript(const ScriptContext &context);

  bool open(const QString &path) { return m_lines.file().open(path); }
  // Opens a task's source: a script, or a compiled file as the script of its resources.
  // A damaged compiled file sets error to where and what; header names its numbers.
  bool openSource(const QString &path, QString *error = nullptr, const QString &header = QString());
  void openData(const QByteArray &data) { m_lines.file().openData(data); }
  ScriptFile &file() { return m_lines.file(); }

  // Cancelled removes what was read of the task. The entries go to the end of the
  // entry list (source) or are matched into the source entries (target); a syntax
  // error is shown through the prompter.
  ScriptResult read(bool isSource, int wantedLanguage, Task *task);

  // Whether a LANGUAGE statement of the script names the language.
  bool containsLanguage(int language);
  // The language of the script's first LANGUAGE statement, or -1 when it has none.
  int firstLanguage();
  // Every language its LANGUAGE statements name, in order of appearance.
  QList<int> declaredLanguages();

  const QString &header() const { return m_header; }
  // After a syntax error: the line it was found on, and the text found there.
  int errorLine() const { return m_errorLine; }
  const QString &errorText() const { return m_errorText; }
  bool languageFound() const { return m_languageFound; }

  // Writes the translated target of the task into target (which holds the target's
  // current content, possibly nothing, and decides the encoding written); see
  // TargetMerger. SyntaxError when the old target does not parse and the user declines
  // to replace it (target is then unchanged).
  ScriptResult write(Task *task, int writeLanguage, ScriptFile &target, const WriteContext &context,
                     bool selective, ScriptFile *source = nullptr);

private:
  void reportSyntaxError(qsizetype statementStart);

  ScriptContext m_context;
  ScriptReader m_lines;
  QString m_header;
  bool m_languageFound = false;
  int m_errorLine = 0;
  QString m_errorText;
};

} // namespace tarvelo

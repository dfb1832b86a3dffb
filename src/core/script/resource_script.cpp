// One resource script: reading it into a task's entries, the languages it declares,
// and writing a task's target.
#include "script/resource_script.h"

#include "compiled/compiled_source.h"
#include "files/file_messages.h"
#include "script/entry_collector.h"
#include "script/entry_list.h"
#include "script/keywords.h"
#include "script/language.h"
#include "script/script_path.h"
#include "script/statement_reader.h"
#include "script/target_merger.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"

#include <QCoreApplication>

namespace tarvelo {

ResourceScript::ResourceScript(const ScriptContext &context) : m_context(context) {}

bool ResourceScript::openSource(const QString &path, QString *error, const QString &header) {
  return openSourceScript(m_lines.file(), path, error, nullptr, header);
}

ScriptResult ResourceScript::read(bool isSource, int wantedLanguage, Task *task) {
  ScriptFile &file = m_lines.file();
  m_lines.setCodePage(file.isUtf8() ? 65001 : sideCodePage(m_context, wantedLanguage, isSource));
  m_lines.restart();
  // Reading a target shows which line of how many it stands on.
  Progress *progress = !isSource ? m_context.progress : nullptr;
  const int totalLines = progress ? int(file.lineCount()) : 0;
  if (progress) {
    const QString title = task && !task->targetPath.isEmpty()
                              ? QCoreApplication::translate("Progress", "Reading File - %1")
                                    .arg(fileNameOf(task->targetPath))
                              : QCoreApplication::translate("Progress", "Reading File");
    progress->begin(title);
    progress->setRange(0, totalLines);
  }
  EntryCollector collector(m_context, isSource, task, totalLines);
  StatementReader reader(m_lines, collector, wantedLanguage);
  const ScriptResult result = reader.run();
  if (progress)
    progress->end();
  m_header = reader.header();
  m_languageFound = reader.languageFound();
  if (result == ScriptResult::Cancelled && m_context.entries)
    m_context.entries->removeTask(task);
  else if (isSource && m_context.entries)
    m_context.entries->squeeze(); // the list lives as long as the task
  if (result == ScriptResult::SyntaxError)
    reportSyntaxError(reader.statementStart());
  return result;
}

void ResourceScript::reportSyntaxError(qsizetype statementStart) {
  m_errorLine = m_lines.lineNumber();
  m_errorText = m_lines.textAtToken();
  if (!m_context.prompter)
    return;
  const ScriptFile &file = m_lines.file();
  m_context.prompter->message(
      syntaxErrorMessage(file.path(), m_errorLine, m_errorText,
                         statementStartAt(file.data(), statementStart, file.isUnicode())),
      Prompter::Buttons::Ok, Prompter::Icon::Error);
}

ScriptResult ResourceScript::write(Task *task, int writeLanguage, ScriptFile &target,
                                   const WriteContext &context, bool selective,
                                   ScriptFile *source) {
  TargetMerger merger(m_context, task, writeLanguage, context, selective);
  return merger.write(target, source);
}

bool ResourceScript::containsLanguage(int language) {
  return declaredLanguages().contains(language);
}

int ResourceScript::firstLanguage() {
  const QList<int> languages = declaredLanguages();
  return languages.isEmpty() ? -1 : languages.first();
}

namespace {

// The primary language and the sublanguage of a LANGUAGE statement: names or numbers.
bool isLanguagePart(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

} // namespace

// A pass that follows only the LANGUAGE statements; other lines are skipped whole.
QList<int> ResourceScript::declaredLanguages() {
  m_lines.restart();
  m_lines.setCodePage(m_lines.file().isUtf8() ? 65001 : 0);
  QList<int> languages;
  QString token, primary, comma, sub;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, false);
    if (kind == TokenKind::EndOfFile)
      return languages;
    if (kind == TokenKind::Word && token == QLatin1String("LANGUAGE")) {
      const TokenKind primaryKind = m_lines.nextToken(primary, true);
      if (m_lines.nextToken(comma, true) != TokenKind::Comma)
        return languages;
      const TokenKind subKind = m_lines.nextToken(sub, true);
      if (isLanguagePart(primaryKind) && isLanguagePart(subKind)) {
        const int language = languageFromNames(primary, sub);
        if (!languages.contains(language))
          languages.append(language);
      }
    }
    if (m_lines.skipLine() == 0)
      return languages;
  }
}

} // namespace tarvelo

// A new target made from its source: the lines that name the source's language, code
// page, guard or pulled-in scripts turned to the target's.
#include "script/new_target_copier.h"

#include "script/language.h"
#include "script/statement_reader.h"
#include "script/task.h"

#include <QDir>
#include <QRegularExpression>

namespace tarvelo {

namespace {

QStringList pathParts(const QString &path) {
  return QDir::fromNativeSeparators(path).split(u'/', Qt::SkipEmptyParts);
}

// Replaces a line's LANGUAGE values from the position of the keyword on; false when the
// line does not show them.
bool replaceLanguage(QString &line, const QString &primary, const QString &sub, int language) {
  const qsizetype keyword = line.indexOf(QLatin1String("LANGUAGE"), 0, Qt::CaseInsensitive);
  qsizetype at = line.indexOf(primary, keyword + 8);
  if (keyword < 0 || at < 0)
    return false;
  const QString primaryText = QString::number(primaryLanguage(language));
  line.replace(at, primary.size(), primaryText);
  at = line.indexOf(sub, at + primaryText.size());
  if (at >= 0)
    line.replace(at, sub.size(), QString::number(subLanguage(language)));
  return true;
}

const QRegularExpression &codePagePattern() {
  static const QRegularExpression pattern(QStringLiteral("code_page\\s*\\(\\s*\\d+\\s*\\)"));
  return pattern;
}

} // namespace

NewTargetCopier::NewTargetCopier(const ScriptContext &context, Task *task, int targetLanguage,
                                 bool utf8Output)
    : m_context(context), m_task(task), m_sourceLanguage(task ? task->sourceLanguage : -1),
      m_copyLanguage(targetLanguage), m_utf8Output(utf8Output) {}

bool NewTargetCopier::copyInto(ScriptFile &out) {
  m_lines.setCodePage(m_lines.file().isUtf8() ? 65001
                                              : sideCodePage(m_context, m_sourceLanguage, true));
  m_lines.setOutput(&out);
  m_lines.setLinesWritten(0);
  m_lines.setEcho(true);
  m_lines.restart();
  StatementReader reader(m_lines, *this, m_sourceLanguage);
  const ScriptResult result = reader.run();
  m_lines.setEcho(false);
  m_lines.setOutput(nullptr);
  return result == ScriptResult::Ok;
}

ReadingRules NewTargetCopier::rules() const {
  ReadingRules rules;
  rules.textIncludeLines = true;
  return rules;
}

// Only the resources of the source's language are copied.
bool NewTargetCopier::dropsStatement(bool inLanguage, bool) const {
  return !inLanguage;
}

void NewTargetCopier::include(StatementReader &reader, bool inSection) {
  ScriptReader &lines = reader.lines();
  if (inSection)
    lines.setCurrentLine(rewriteInclude(lines.currentLine()));
  lines.skipDirectiveLine();
}

void NewTargetCopier::conditional(StatementReader &reader) {
  reader.lines().setCurrentLine(swapTargetGuard(reader.lines().currentLine()));
}

void NewTargetCopier::codePagePragma(StatementReader &reader) {
  if (!reader.inWantedLanguage())
    return;
  QString changed = reader.lines().currentLine();
  changed.replace(codePagePattern(), QStringLiteral("code_page(%1)").arg(codePageText()));
  reader.lines().setCurrentLine(changed);
}

// The copy turns the source's section into the target's, and a section of the
// target's language into the source's, so it never holds two of the same.
void NewTargetCopier::languageRead(StatementReader &reader, int language, const QString &primary,
                                   const QString &sub) {
  if (language != m_sourceLanguage && language != m_copyLanguage)
    return;
  const int to = language == m_sourceLanguage ? m_copyLanguage : m_sourceLanguage;
  QString line = reader.lines().currentLine();
  if (replaceLanguage(line, primary, sub, to))
    reader.lines().setCurrentLine(line);
}

// TEXTINCLUDE holds only strings; the lines that name the source's language, code
// page, guard or pulled-in scripts are turned to the target's.
void NewTargetCopier::textIncludeLine(StatementReader &reader) {
  ScriptReader &lines = reader.lines();
  if (lines.lineNumber() == m_lastTextIncludeLine)
    return;
  m_lastTextIncludeLine = lines.lineNumber();
  QString line = swapTargetGuard(rewriteInclude(lines.currentLine()));

  QString plain = line;
  plain.remove(u'"');
  plain.replace(QLatin1String("\\r\\n"), QLatin1String(" "));
  plain.replace(u',', u' ');
  const QStringList words =
      plain.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  const QRegularExpression &codePage = codePagePattern();
  if (words.size() >= 3 && words[0] == QLatin1String("LANGUAGE") &&
      languageFromNames(words[1], words[2]) == m_sourceLanguage) {
    const qsizetype keyword = line.indexOf(QLatin1String("LANGUAGE"));
    qsizetype at = line.indexOf(words[1], keyword + 8);
    if (at >= 0) {
      const QString primary = QString::number(primaryLanguage(m_copyLanguage));
      line.replace(at, words[1].size(), primary);
      at = line.indexOf(words[2], at + primary.size());
      if (at >= 0)
        line.replace(at, words[2].size(), QString::number(subLanguage(m_copyLanguage)));
    }
    m_afterLanguageString = true;
  } else if (m_afterLanguageString && line.contains(codePage)) {
    line.replace(codePage, QStringLiteral("code_page(%1)").arg(codePageText()));
    m_afterLanguageString = false;
  }
  if (line != lines.currentLine())
    lines.setCurrentLine(line);
}

// Drops leading folders of a pulled-in task's source and target paths one by one
// until the line names what is left of the source path, and names the target's.
QString NewTargetCopier::rewriteInclude(QString line) const {
  if (!m_context.tasks)
    return line;
  for (int t = 0; t < m_context.tasks->size(); ++t) {
    const Task *task = m_context.tasks->at(t);
    if (task == m_task || task->sourcePath.isEmpty() || task->targetPath.isEmpty())
      continue;
    const QStringList source = pathParts(task->sourcePath);
    const QStringList target = pathParts(task->targetPath);
    for (qsizetype drop = 0; drop < source.size(); ++drop) {
      const QStringList rest = source.mid(drop);
      const QStringList targetRest = target.mid(std::min(drop, target.size() - 1));
      bool done = false;
      for (const QString &separator :
           {QStringLiteral("\\\\"), QStringLiteral("\\"), QStringLiteral("/")}) {
        const QString name = rest.join(separator);
        const qsizetype at = line.indexOf(name, 0, Qt::CaseInsensitive);
        if (at >= 0) {
          line.replace(at, name.size(), targetRest.join(separator));
          done = true;
          break;
        }
      }
      if (done)
        return line;
    }
  }
  return line;
}

QString NewTargetCopier::swapTargetGuard(QString line) const {
  const QString source = languageAbbreviation(m_sourceLanguage);
  const QString target = languageAbbreviation(m_copyLanguage);
  if (source.isEmpty() || target.isEmpty() || source == target)
    return line;
  const QRegularExpression sourceGuard(QStringLiteral("\\bAFX_TARG_%1\\b").arg(source));
  const QRegularExpression targetGuard(QStringLiteral("\\bAFX_TARG_%1\\b").arg(target));
  if (line.contains(sourceGuard))
    line.replace(sourceGuard, QStringLiteral("AFX_TARG_") + target);
  else if (line.contains(targetGuard))
    line.replace(targetGuard, QStringLiteral("AFX_TARG_") + source);
  return line;
}

} // namespace tarvelo

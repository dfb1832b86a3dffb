#include "script/language.h"
#include "script/resource_script.h"
#include "script/task.h"

#include <QDir>
#include <QRegularExpression>

namespace tarvelo {

namespace {

QStringList pathParts(const QString &path) {
  return QDir::fromNativeSeparators(path).split(u'/', Qt::SkipEmptyParts);
}

} // namespace

bool ResourceScript::copySourceAsNewTarget(Task *task, int targetLanguage, ScriptFile &out) {
  m_task = task;
  m_mode = Mode::Copying;
  m_isSource = true;
  m_wantedLanguage = m_task ? m_task->sourceLanguage : -1;
  m_copyLanguage = targetLanguage;
  m_codePage = codePageFor(m_wantedLanguage, true);
  if (m_file.isUtf8())
    m_codePage = 65001;
  m_header.clear();
  m_lastTextIncludeLine = 0;
  m_afterLanguageString = false;
  setOutput(&out);
  setLinesWritten(0);
  setEcho(true);
  restart();
  const int result = runPass();
  setEcho(false);
  setOutput(nullptr);
  return result == ScriptOk;
}

// TEXTINCLUDE holds only strings; the lines that name the source's language, code
// page, guard or pulled-in scripts are turned to the target's.
int ResourceScript::copyTextInclude() {
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  QString token;
  for (;;) {
    const TokenKind kind = nextToken(token, false);
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptOk;
    if (kind != TokenKind::String)
      return ScriptSyntaxError;
    readTextIncludeLine();
  }
}

void ResourceScript::readTextIncludeLine() {
  if (lineNumber() == m_lastTextIncludeLine)
    return;
  m_lastTextIncludeLine = lineNumber();
  QString line = swapTargetGuard(rewriteInclude(currentLine()));

  QString plain = line;
  plain.remove(u'"');
  plain.replace(QLatin1String("\\r\\n"), QLatin1String(" "));
  plain.replace(u',', u' ');
  const QStringList words =
      plain.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  static const QRegularExpression codePage(QStringLiteral("code_page\\s*\\(\\s*\\d+\\s*\\)"));
  if (words.size() >= 3 && words[0] == QLatin1String("LANGUAGE") &&
      languageFromNames(words[1], words[2]) == m_wantedLanguage) {
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
    line.replace(codePage, QStringLiteral("code_page(%1)").arg(pragmaCodePage(m_copyLanguage)));
    m_afterLanguageString = false;
  }
  if (line != currentLine())
    setCurrentLine(line);
}

// Drops leading folders of a pulled-in task's source and target paths one by one
// until the line names what is left of the source path, and names the target's.
QString ResourceScript::rewriteInclude(QString line) const {
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

QString ResourceScript::swapTargetGuard(QString line) const {
  const QString source = languageAbbreviation(m_wantedLanguage);
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

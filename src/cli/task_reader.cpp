// Reading a task's scripts and companions for the commands of the command line.
#include "cli/task_reader.h"

#include "files/file_messages.h"
#include "script/after_read.h"
#include "script/companion_file.h"
#include "seam/prompter.h"
#include "text/locale_table.h"
#include "text/printable_text.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

TaskReader::TaskReader(Prompter &prompter, Settings &settings)
    : m_context{&m_entries, &m_tasks, &prompter, &m_progress, &settings} {}

TaskReader::~TaskReader() = default;

ScriptFile &TaskReader::sourceFile() {
  return m_source->file();
}

bool TaskReader::read(const QString &sourcePath, int sourceLanguage, const QString &targetPath,
                      int targetLanguage, bool newTarget, const QString &header) {
  Task *task = m_tasks.append();
  if (!header.isEmpty())
    task->sourceHeader = QFileInfo(header).absoluteFilePath();
  task->sourcePath = QFileInfo(sourcePath).absoluteFilePath();
  task->sourceLanguage = sourceLanguage;
  task->targetPath = QFileInfo(targetPath).absoluteFilePath();
  task->targetLanguage = targetLanguage;

  m_source = std::make_unique<ResourceScript>(m_context);
  QString damage;
  if (!m_source->openSource(task->sourcePath, &damage, task->sourceHeader)) {
    return fail(damage.isEmpty() ? cannotOpenMessage(task->sourcePath)
                                 : task->sourcePath + QStringLiteral(": ") + damage);
  }
  if (m_source->read(true, task->sourceLanguage, task) != ScriptResult::Ok) {
    printSyntaxError(*m_source, task->sourcePath);
    return fail(QStringLiteral("Invalid source file"),
                syntaxErrorText(*m_source, task->sourcePath));
  }
  task->header = m_source->header();
  task->languageFound = m_source->languageFound();
  if (m_entries.isEmpty()) {
    // The program would ask whether to go on; a batch goes on and says so.
    const QString language = sourceLanguage == 0    ? QStringLiteral("Neutral")
                             : sourceLanguage == -1 ? QString()
                                                    : englishLanguageName(sourceLanguage);
    std::fprintf(stderr, "warning: No %s resource item found.\n", language.toUtf8().constData());
  }
  while (m_tasks.size() > 1)
    m_tasks.remove(m_tasks.at(1));

  m_existing = !newTarget && QFileInfo::exists(task->targetPath);
  if (m_existing) {
    // A compiled target (a language DLL written before) is read as the script of its
    // resources, as a source is.
    ResourceScript reader(m_context);
    if (!reader.openSource(task->targetPath, &damage, task->sourceHeader)) {
      return fail(damage.isEmpty() ? cannotOpenMessage(task->targetPath)
                                   : task->targetPath + QStringLiteral(": ") + damage);
    }
    if (reader.read(false, task->targetLanguage, task) != ScriptResult::Ok) {
      printSyntaxError(reader, task->targetPath);
      return fail(QStringLiteral("File '%1' is not valid resource file.").arg(task->targetPath),
                  syntaxErrorText(reader, task->targetPath));
    }
    m_target = reader.file();
  } else {
    // A new target is written in the source's encoding.
    m_target.create(m_source->file().encoding());
  }
  bool clearFuzzy = false;
  AfterReadContext afterRead{&m_entries, m_context.prompter, QString(), &clearFuzzy};
  afterTargetRead(task, afterRead);
  readCompanion(m_entries, task, task->sourcePath, task->sourceLanguage, true);
  if (m_existing)
    readCompanion(m_entries, task, task->targetPath, task->targetLanguage, false);
  return true;
}

bool TaskReader::fail(const QString &message, const QString &detail) {
  std::fprintf(stderr, "error: %s\n", message.toUtf8().constData());
  m_failure = detail.isEmpty() ? message : detail + QStringLiteral(": ") + message;
  return false;
}

QString syntaxErrorText(const ResourceScript &script, const QString &path) {
  if (script.errorLine() <= 0)
    return QString();
  return QStringLiteral("%1:%2: found: %3")
      .arg(path)
      .arg(script.errorLine())
      .arg(printableText(script.errorText()));
}

void printSyntaxError(const ResourceScript &script, const QString &path) {
  const QString text = syntaxErrorText(script, path);
  if (!text.isEmpty())
    std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
}

bool targetExists(const QString &targetPath) {
  if (QFileInfo::exists(targetPath))
    return true;
  std::fprintf(stderr, "error: %s\n",
               cannotOpenMessage(QFileInfo(targetPath).absoluteFilePath()).toUtf8().constData());
  return false;
}

} // namespace tarvelo::cli

// Reading a script into entries: the source's texts, the pulled-in scripts and the
// progress of a long read.
#include "script/entry_collector.h"

#include "script/keywords.h"
#include "script/script_path.h"
#include "script/statement_reader.h"
#include "script/task.h"
#include "seam/progress.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarvelo {

namespace {

// How often the progress display follows the line count while reading.
constexpr int kProgressLines = 64;

} // namespace

EntryCollector::EntryCollector(const ScriptContext &context, bool isSource, Task *task,
                               int totalLines)
    : m_context(context), m_isSource(isSource), m_task(task), m_totalLines(totalLines),
      m_lastPulledTask(task) {}

bool EntryCollector::goOn() {
  Progress *progress = m_context.progress;
  if (!progress)
    return true;
  progress->serve();
  return !progress->cancelled();
}

void EntryCollector::lineRead(StatementReader &reader) {
  if (m_totalLines <= 0 || !m_context.progress)
    return;
  const int line = reader.lines().lineNumber();
  if (line % kProgressLines != 1)
    return;
  m_context.progress->setText(
      QCoreApplication::translate("Progress", "Reading line %1 of %2").arg(line).arg(m_totalLines));
  m_context.progress->setPosition(line);
}

void EntryCollector::statementStarting(StatementReader &) {
  m_cursor = nullptr;
  m_blockLookup = BlockLookup(); // never an index of a list read before
}

void EntryCollector::entry(StatementReader &reader, const QString &kind, const QString &identifier,
                           const QString &text) {
  const QString stored = text.contains(u'"') ? undoubleQuotes(text) : text;
  m_position = reader.textPosition();
  if (!m_isSource)
    matchTargetText(reader.block(), kind, identifier, stored);
  else
    addSourceEntry(reader.block(), kind, identifier, text, stored);
}

void EntryCollector::addSourceEntry(const RawBlockPtr &block, const QString &kind,
                                    const QString &identifier, const QString &text,
                                    const QString &stored) {
  if (!m_context.entries || !block)
    return;
  std::unique_ptr<TextEntry> entry = makeEntry(kind, block->firstEntry == nullptr);
  entry->kind = kind;
  // Tight copies: the token buffers are reused and larger than their texts.
  entry->identifier = QString(identifier.constData(), identifier.size());
  entry->sourceText =
      stored.isSharedWith(text) ? QString(stored.constData(), stored.size()) : stored;
  entry->task = m_task;
  entry->sourceBlock = block;
  entry->sourcePosition = m_position;
  if (!block->firstEntry)
    block->firstEntry = entry.get();
  m_context.entries->append(std::move(entry));
}

// A script named by an #include line of the section is read as a task of its own.
void EntryCollector::include(StatementReader &reader, bool inSection) {
  ScriptReader &lines = reader.lines();
  if (inSection && m_context.tasks && m_task) {
    // Only a quoted name on the same line counts.
    QString name;
    const int line = lines.lineNumber();
    const TokenKind kind = lines.nextToken(name, false);
    if (kind == TokenKind::String && lines.lineNumber() == line &&
        name.contains(QLatin1String(".rc"), Qt::CaseInsensitive)) {
      const QString folder = QFileInfo(lines.file().path()).absolutePath();
      if (m_isSource) {
        Task *pulled = m_context.tasks->insertAfter(m_lastPulledTask);
        pulled->sourcePath = resolveWindowsPath(folder, name);
        m_lastPulledTask = pulled;
      } else {
        Task *next = m_context.tasks->next(m_lastPulledTask);
        if (!next)
          next = m_context.tasks->append();
        next->targetPath = resolveWindowsPath(folder, name);
        m_lastPulledTask = next;
      }
    }
    if (kind == TokenKind::EndOfFile || lines.lineNumber() != line)
      return;
  }
  lines.skipDirectiveLine();
}

} // namespace tarvelo

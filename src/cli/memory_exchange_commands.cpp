// The tm-import, tm-export and tm-delete commands on a whole memory.
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "exchange/csv_fields.h"
#include "exchange/memory_transfer.h"
#include "files/file_messages.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "text/case_table.h"
#include "text/printable_text.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

bool delimiterBits(const QString &list, int &bits, QString &error);

namespace {

int fail(const QString &text) {
  std::fprintf(stderr, "error: %s\n", printableText(text).toUtf8().constData());
  return 2;
}

const QStringList kMemoryOptions = {"tm", "source-language", "target-language"};

bool readLanguages(const CliArguments &read, int &source, int &target, QString &error) {
  return read.language(QStringLiteral("source-language"), source, error) &&
         read.language(QStringLiteral("target-language"), target, error) &&
         read.require(kMemoryOptions, error);
}

bool sameIgnoringCase(const QString &a, const QString &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (caseUpper(a[i].unicode()) != caseUpper(b[i].unicode()))
      return false;
  return true;
}

} // namespace

int runTmImport(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int source = -2, target = -2, bits = DelimiterTab | DelimiterSemicolon;
  if (!read.parse(arguments, kMemoryOptions + QStringList{"in", "delimiters", "same-text"}, {},
                  error) ||
      !readLanguages(read, source, target, error) || !read.require({"in"}, error) ||
      (read.has(QStringLiteral("delimiters")) &&
       !delimiterBits(read.value(QStringLiteral("delimiters")), bits, error)))
    return fail(error);
  const QString sameText = read.value(QStringLiteral("same-text"), QStringLiteral("no"));
  if (sameText != QLatin1String("yes") && sameText != QLatin1String("no"))
    return fail(QStringLiteral("bad value '%1' for --same-text").arg(sameText));
  const QString in = QFileInfo(read.value(QStringLiteral("in"))).absoluteFilePath();
  if (!QFileInfo(in).isFile())
    return fail(cannotOpenMessage(in));

  EntryList entries;
  CliPrompter prompter(false);
  prompter.setSameTextAnswer(sameText == QLatin1String("yes") ? Prompter::Answer::YesToAll
                                                              : Prompter::Answer::NoToAll);
  NullProgress progress;
  MemorySettings settings;
  CliMemory memory(entries, settings, prompter, progress);
  if (!memory.open(read.value(QStringLiteral("tm")), source, target, true))
    return 2;
  MemoryTransfers transfers(memory.client(), settings, prompter, progress);
  const bool tmx = QFileInfo(in).suffix().compare(QLatin1String("tmx"), Qt::CaseInsensitive) == 0;
  const MemoryTransfer result = tmx ? transfers.importTmx(in, source, target)
                                    : transfers.importGlossary(in, 0, source, target, bits);
  switch (result.status) {
  case MemoryTransfer::Status::NotRead:
    return fail(cannotOpenMessage(in));
  case MemoryTransfer::Status::Malformed:
    return fail(QStringLiteral("%1: %2").arg(in, result.error));
  case MemoryTransfer::Status::NotConnected:
    std::fprintf(stderr, "error: %s\n",
                 (result.error.isEmpty() ? QStringLiteral("the translation memory cannot be used")
                                         : printableText(result.error))
                     .toUtf8()
                     .constData());
    return result.damaged ? 2 : 1;
  default:
    break;
  }
  printSummary(
      QStringLiteral("%1 %2 learnt").arg(result.pairs).arg(result.pairs == 1 ? "pair" : "pairs"),
      {{"pairs", result.pairs}});
  return result.pairs > 0 ? 0 : 1;
}

int runTmExport(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int source = -2, target = -2;
  if (!read.parse(arguments, kMemoryOptions + QStringList{"out"}, {}, error) ||
      !readLanguages(read, source, target, error) || !read.require({"out"}, error))
    return fail(error);
  const QString out = QFileInfo(read.value(QStringLiteral("out"))).absoluteFilePath();
  EntryList entries;
  CliPrompter prompter(false);
  NullProgress progress;
  MemorySettings settings;
  CliMemory memory(entries, settings, prompter, progress);
  if (!memory.open(read.value(QStringLiteral("tm")), source, target, false))
    return 2;
  MemoryTransfers transfers(memory.client(), settings, prompter, progress);
  const MemoryTransfer result = transfers.exportTmx(out, source, target);
  if (result.status == MemoryTransfer::Status::NotRead) {
    std::fprintf(stderr, "error: %s\n", result.error.toUtf8().constData());
    return 2;
  }
  if (result.status != MemoryTransfer::Status::Finished) {
    std::fprintf(stderr, "error: %s\n",
                 (result.error.isEmpty() ? QStringLiteral("the translation memory cannot be read")
                                         : printableText(result.error))
                     .toUtf8()
                     .constData());
    return result.damaged ? 2 : 1;
  }
  printSummary(
      QStringLiteral("%1 %2 exported").arg(result.pairs).arg(result.pairs == 1 ? "pair" : "pairs"),
      {{"pairs", result.pairs}});
  return result.pairs > 0 ? 0 : 1;
}

int runTmDelete(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int source = -2, target = -2;
  if (!read.parse(arguments, kMemoryOptions + QStringList{"source", "target"}, {}, error) ||
      !readLanguages(read, source, target, error) || !read.require({"source", "target"}, error))
    return fail(error);
  const QString sourceText = read.value(QStringLiteral("source"));
  const QString targetText = read.value(QStringLiteral("target"));
  EntryList entries;
  CliPrompter prompter(false);
  NullProgress progress;
  MemorySettings settings;
  CliMemory memory(entries, settings, prompter, progress);
  if (!memory.open(read.value(QStringLiteral("tm")), source, target, false))
    return 2;
  const TmExports &tm = memory.client().exports();
  // The memory says only whether the removal ran: what it held is asked first.
  TmTextList found = {};
  bool held = false;
  if (tm.getTM && tm.freeTM) {
    const auto *text = reinterpret_cast<const char16_t *>(sourceText.utf16());
    const int32_t count = tm.lookupTM ? tm.lookupTM(text, &found) : tm.getTM(text, &found);
    const MemoryFailure failure = count < 0 ? lastMemoryFailure(tm) : MemoryFailure();
    for (const QString &translation : takeTmTexts(tm, found))
      held = held || sameIgnoringCase(translation, targetText);
    if (count < 0)
      return memoryFailed(failure, read.value(QStringLiteral("tm")), "read");
  }
  if (!held) {
    std::fprintf(stderr, "The memory holds no such pair.\n");
    return 1;
  }
  if (!tm.deletePair || !tm.deletePair(reinterpret_cast<const char16_t *>(sourceText.utf16()),
                                       reinterpret_cast<const char16_t *>(targetText.utf16())))
    return memoryFailed(lastMemoryFailure(tm), read.value(QStringLiteral("tm")), "written");
  std::printf("1 pair removed\n");
  return 0;
}

} // namespace tarvelo::cli

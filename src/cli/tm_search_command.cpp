#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"

#include <cstdio>

namespace tarvelo::cli {

int runTmSearch(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int sourceLanguage = -2, targetLanguage = -2;
  if (read.parse(arguments, {"tm", "source-language", "target-language"}, {"all"}, error, true) &&
      read.language(QStringLiteral("source-language"), sourceLanguage, error) &&
      read.language(QStringLiteral("target-language"), targetLanguage, error) &&
      read.require({"tm", "source-language", "target-language"}, error) && read.words().isEmpty())
    error = QStringLiteral("give at least one word to search for");
  const QString tm = read.value(QStringLiteral("tm"));
  const bool allWords = read.has(QStringLiteral("all"));
  const QStringList &words = read.words();
  if (!error.isEmpty()) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }

  EntryList entries;
  CliPrompter prompter(false);
  NullProgress progress;
  MemorySettings settings;
  CliMemory memory(entries, settings, prompter, progress);
  if (!memory.open(tm, sourceLanguage, targetLanguage, false))
    return 1;
  const auto pairs = memory.client().search(words, allWords);
  for (const auto &pair : pairs)
    std::printf("%s\t%s\n", pair.first.toUtf8().constData(), pair.second.toUtf8().constData());
  return 0;
}

} // namespace tarvelo::cli

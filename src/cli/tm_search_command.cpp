// The tm-search command: the pairs holding given words, or the fuzzy matches of a text.
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "text/printable_text.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

constexpr int kFuzzyCount = 50;

int printFuzzy(MemoryClient &client, const QString &text, int minScore, const QString &tm) {
  if (!client.fuzzyBound()) {
    std::fprintf(stderr, "error: the translation-memory library finds no fuzzy matches\n");
    return 1;
  }
  MemoryFailure failure;
  const QList<FuzzyPair> pairs = client.fuzzyPairs(text, minScore, kFuzzyCount, &failure);
  if (failure.failed())
    return memoryFailed(failure, tm, "read");
  for (const FuzzyPair &pair : pairs)
    std::printf("%d\t%s\t%s\n", pair.score, printableText(pair.source).toUtf8().constData(),
                printableText(pair.target).toUtf8().constData());
  return 0;
}

} // namespace

int runTmSearch(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int sourceLanguage = -2, targetLanguage = -2;
  if (read.parse(arguments, {"tm", "source-language", "target-language", "fuzzy"}, {"all"}, error,
                 true) &&
      read.language(QStringLiteral("source-language"), sourceLanguage, error) &&
      read.language(QStringLiteral("target-language"), targetLanguage, error) &&
      read.require({"tm", "source-language", "target-language"}, error) && read.words().isEmpty())
    error = QStringLiteral("give at least one word to search for");
  const QString tm = read.value(QStringLiteral("tm"));
  const bool allWords = read.has(QStringLiteral("all"));
  const QStringList &words = read.words();
  int minScore = 0;
  if (error.isEmpty() && read.has(QStringLiteral("fuzzy"))) {
    bool ok = false;
    minScore = read.value(QStringLiteral("fuzzy")).toInt(&ok);
    if (!ok || minScore < 1 || minScore > 100)
      error = QStringLiteral("bad value '%1' for --fuzzy (a score from 1 to 100)")
                  .arg(read.value(QStringLiteral("fuzzy")));
    else if (allWords)
      error = QStringLiteral("--all and --fuzzy do not go together");
  }
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
    return memory.damaged() ? 2 : 1;
  if (minScore > 0)
    return printFuzzy(memory.client(), words.join(u' '), minScore, tm);
  MemoryFailure failure;
  const auto pairs = memory.client().search(words, allWords, &failure);
  if (failure.failed())
    return memoryFailed(failure, tm, "read");
  for (const auto &pair : pairs)
    std::printf("%s\t%s\n", printableText(pair.first).toUtf8().constData(),
                printableText(pair.second).toUtf8().constData());
  return 0;
}

} // namespace tarvelo::cli

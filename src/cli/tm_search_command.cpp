#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"

#include <cstdio>

namespace tarvelo::cli {

int runTmSearch(const QStringList &arguments) {
  QString tm;
  int sourceLanguage = -2, targetLanguage = -2;
  bool allWords = false;
  QStringList words;
  QString error;
  for (int i = 0; i < arguments.size() && error.isEmpty(); ++i) {
    const QString &name = arguments[i];
    if (name == QLatin1String("--")) {
      words += arguments.mid(i + 1);
      break;
    }
    if (name == QLatin1String("--all")) {
      allWords = true;
      continue;
    }
    if (!name.startsWith(QLatin1String("--"))) {
      words.append(name);
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(name);
      break;
    }
    const QString value = arguments[++i];
    bool ok = true;
    if (name == QLatin1String("--tm"))
      tm = value;
    else if (name == QLatin1String("--source-language"))
      sourceLanguage = value.toInt(&ok, 0);
    else if (name == QLatin1String("--target-language"))
      targetLanguage = value.toInt(&ok, 0);
    else
      error = QStringLiteral("unknown option %1").arg(name);
    if (!ok)
      error = QStringLiteral("bad value '%1' for %2").arg(value, name);
  }
  if (error.isEmpty() && (tm.isEmpty() || sourceLanguage == -2 || targetLanguage == -2))
    error = QStringLiteral("--tm, --source-language and --target-language are required");
  if (error.isEmpty() && words.isEmpty())
    error = QStringLiteral("give at least one word to search for");
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

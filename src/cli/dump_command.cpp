// The dump and languages commands: a script's items, and the languages it declares.
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/task_reader.h"
#include "files/file_messages.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "text/locale_table.h"
#include "text/printable_text.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

void writeOut(const QString &text) {
  // The texts are the script's: a terminal would obey their control codes.
  const QByteArray bytes = printableText(text).toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int runDump(const QStringList &arguments) {
  QString path;
  QString header; // names the numbers of a compiled file
  bool languageGiven = false;
  int language = -1;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString &argument = arguments[i];
    if (argument == QLatin1String("--language") && i + 1 < arguments.size()) {
      bool ok = false;
      language = arguments[++i].toInt(&ok, 0);
      if (!ok) {
        std::fprintf(stderr, "error: --language takes a language number such as 1033\n");
        return 2;
      }
      languageGiven = true;
    } else if (argument == QLatin1String("--header") && i + 1 < arguments.size()) {
      header = arguments[++i];
    } else if (path.isEmpty() && !argument.startsWith(QLatin1String("--"))) {
      path = argument;
    } else {
      std::fprintf(stderr, "error: unexpected argument '%s'\n", argument.toUtf8().constData());
      return 2;
    }
  }
  if (path.isEmpty()) {
    std::fprintf(stderr, "usage: tarvelo-cli dump SCRIPT [--language N] [--header FILE]\n");
    return 2;
  }

  EntryList entries;
  TaskChain tasks;
  CliPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  ScriptContext context{&entries, &tasks, &prompter, &progress, &settings};
  ResourceScript script(context);
  QString damage;
  if (!script.openSource(path, &damage, header)) {
    const QString message =
        damage.isEmpty() ? cannotOpenMessage(path) : path + QStringLiteral(": ") + damage;
    std::fprintf(stderr, "error: %s\n", message.toUtf8().constData());
    return 1;
  }
  if (!languageGiven)
    language = script.firstLanguage();
  Task *task = tasks.append();
  task->sourcePath = path;
  task->sourceLanguage = language;
  if (script.read(true, language, task) != ScriptResult::Ok) {
    printSyntaxError(script, QFileInfo(path).absoluteFilePath());
    return 1;
  }
  QString out;
  for (const auto &entry : entries) {
    if (entry->task != task)
      continue;
    out += entry->kind + u'\t' + entry->identifier + u'\t' + entry->sourceText + u'\n';
  }
  writeOut(out);
  return 0;
}

} // namespace tarvelo::cli

namespace tarvelo::cli {

// Every language the program knows: tag, number and name, for scripts to pick from.
int listLanguages() {
  qsizetype count = 0;
  const LocaleInfo *table = localeTable(&count);
  QString out;
  for (qsizetype i = 0; i < count; ++i) {
    const QString name = localizedLanguageName(table[i].lcid);
    out += QString::fromLatin1(table[i].tag) + u'\t' + QString::number(table[i].lcid) + u'\t' +
           (name.isEmpty() ? englishLanguageName(table[i].lcid) : name) + u'\n';
  }
  writeOut(out);
  return 0;
}

int runLanguages(const QStringList &arguments) {
  if (arguments == QStringList{QStringLiteral("--list")})
    return listLanguages();
  if (arguments.size() != 1 || arguments[0].startsWith(QLatin1String("--"))) {
    std::fprintf(stderr, "usage: tarvelo-cli languages SCRIPT | --list\n");
    return 2;
  }
  EntryList entries;
  TaskChain tasks;
  CliPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  ResourceScript script({&entries, &tasks, &prompter, &progress, &settings});
  if (!script.openSource(arguments[0])) {
    std::fprintf(stderr, "error: %s\n", cannotOpenMessage(arguments[0]).toUtf8().constData());
    return 1;
  }
  QString out;
  for (const int language : script.declaredLanguages()) {
    const QString name = language == 0 ? QStringLiteral("Neutral") : englishLanguageName(language);
    out += QString::number(language) + u'\t' + name + u'\n';
  }
  writeOut(out);
  return 0;
}

} // namespace tarvelo::cli

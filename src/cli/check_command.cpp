#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/task_reader.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "seam/settings.h"
#include "workbench/inspector.h"

#include <cstdio>

namespace tarvelo::cli {

namespace {

struct CheckOptions {
  QString source, target;
  int sourceLanguage = -2, targetLanguage = -2;
  QString rules;
  bool rulesGiven = false;
  bool formatOrder = true;
  bool translatedOnly = false;
};

bool parse(const QStringList &arguments, CheckOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(arguments, {"source", "source-language", "target", "target-language", "rules"},
                  {"no-format-order", "translated-only"}, error) ||
      !read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error) ||
      !read.require({"source", "source-language", "target", "target-language"}, error))
    return false;
  options.source = read.value(QStringLiteral("source"));
  options.target = read.value(QStringLiteral("target"));
  options.rulesGiven = read.has(QStringLiteral("rules"));
  options.rules = read.value(QStringLiteral("rules"));
  options.formatOrder = !read.has(QStringLiteral("no-format-order"));
  options.translatedOnly = read.has(QStringLiteral("translated-only"));
  return true;
}

// Every line of the explanation one tab further in, below the item's line.
QString indented(const QString &text) {
  return u'\t' + QString(text).replace(u'\n', QStringLiteral("\n\t"));
}

} // namespace

int runCheck(const QStringList &arguments) {
  CheckOptions options;
  QString error;
  if (!parse(arguments, options, error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }
  if (!targetExists(options.target))
    return 2;

  MemorySettings settings;
  if (options.rulesGiven)
    settings.setText(QStringLiteral("InspectItems"), options.rules);
  settings.setInteger(QStringLiteral("FormatOrder"), options.formatOrder ? 1 : 0);
  if (options.rulesGiven && Inspector::parseRules(options.rules).isEmpty())
    std::fprintf(stderr, "warning: --rules holds no rule; the default rules are used\n");
  Inspector inspector;
  inspector.loadRules(settings);

  CliPrompter prompter(false);
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage, options.target, options.targetLanguage,
                   false))
    return 2;

  // The items as the item list shows them: each text, and a repeated pair once.
  int items = 0, failing = 0;
  QString out;
  for (const auto &entry : reader.entries()) {
    if (!entry->isTranslatable() || (entry->sourceText.isEmpty() && entry->targetText.isEmpty()) ||
        hasEarlierTwin(entry.get()))
      continue;
    inspector.apply(*entry);
    if (options.translatedOnly && entry->targetText.isEmpty())
      continue;
    ++items;
    if (entry->inspectionPassed)
      continue;
    ++failing;
    out += entry->kind + u'\t' + entry->identifier + u'\t' + entry->sourceText + u'\t' +
           entry->targetText + u'\n' + indented(inspector.explain(*entry).text) + u'\n';
  }
  std::fputs(out.toUtf8().constData(), stdout);
  std::printf("%s\n%d of %d items fail the automatic inspection\n",
              verificationSummary(reader.entries()).toUtf8().constData(), failing, items);
  return failing > 0 ? 1 : 0;
}

} // namespace tarvelo::cli

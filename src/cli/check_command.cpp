#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/task_reader.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "seam/settings.h"
#include "workbench/inspector.h"

#include <QFileInfo>
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
  for (int i = 0; i < arguments.size(); ++i) {
    const QString &name = arguments[i];
    if (name == QLatin1String("--no-format-order")) {
      options.formatOrder = false;
      continue;
    }
    if (name == QLatin1String("--translated-only")) {
      options.translatedOnly = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(name);
      return false;
    }
    const QString value = arguments[++i];
    bool ok = true;
    if (name == QLatin1String("--source"))
      options.source = value;
    else if (name == QLatin1String("--target"))
      options.target = value;
    else if (name == QLatin1String("--source-language"))
      options.sourceLanguage = value.toInt(&ok, 0);
    else if (name == QLatin1String("--target-language"))
      options.targetLanguage = value.toInt(&ok, 0);
    else if (name == QLatin1String("--rules")) {
      options.rules = value;
      options.rulesGiven = true;
    } else {
      error = QStringLiteral("unknown option %1").arg(name);
      return false;
    }
    if (!ok) {
      error = QStringLiteral("bad value '%1' for %2").arg(value, name);
      return false;
    }
  }
  if (options.source.isEmpty() || options.target.isEmpty() || options.sourceLanguage == -2 ||
      options.targetLanguage == -2) {
    error =
        QStringLiteral("--source, --source-language, --target and --target-language are required");
    return false;
  }
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
  // Checking a translation needs one: a missing target is not made from the source.
  if (!QFileInfo::exists(options.target)) {
    std::fprintf(stderr, "error: It is not possible open file '%s'.\n",
                 QFileInfo(options.target).absoluteFilePath().toUtf8().constData());
    return 2;
  }

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

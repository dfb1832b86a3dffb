// The check command: spell-checks a target's translated items and prints the findings.
#include "cli/check_items.h"
#include "cli/check_task.h"
#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/findings_output.h"
#include "cli/task_reader.h"
#include "findings/finding_writers.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "seam/settings.h"
#include "spelling/dictionary_files.h"
#include "spelling/spell_checker.h"
#include "text/locale_table.h"
#include "text/printable_text.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"

#include <QDir>
#include <QSet>
#include <memory>

#include <cstdio>

namespace tarvelo::cli {

namespace {

struct CheckOptions {
  QString source, target, header;
  int sourceLanguage = -2, targetLanguage = -2;
  QString rules;
  bool rulesGiven = false;
  bool formatOrder = true;
  bool translatedOnly = false;
  bool spell = false;
  QString dictionaries;   // folders searched before the usual ones
  QString userDictionary; // empty: the one in the settings folder
  ItemCheckOptions items;
  FindingsOptions output;
};

bool parse(const QStringList &arguments, CheckOptions &options, QString &error) {
  CliArguments read;
  QStringList values = QStringList{"source", "source-language", "target", "target-language",
                                   "rules",  "dictionaries",    "header", "user-dictionary"} +
                       findingsOptionNames();
  QStringList flags = {"no-format-order", "translated-only", "spell"};
  for (const char *name : kItemCheckValues)
    values.append(QString::fromLatin1(name));
  for (const char *name : kItemCheckFlags)
    flags.append(QString::fromLatin1(name));
  if (!read.parse(arguments, values, flags, error) ||
      !parseFindingsOptions(read, options.output, error) ||
      !read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error) ||
      !read.require({"source", "source-language", "target", "target-language"}, error))
    return false;
  options.source = read.value(QStringLiteral("source"));
  options.header = read.value(QStringLiteral("header"));
  options.target = read.value(QStringLiteral("target"));
  options.rulesGiven = read.has(QStringLiteral("rules"));
  options.rules = read.value(QStringLiteral("rules"));
  options.formatOrder = !read.has(QStringLiteral("no-format-order"));
  options.translatedOnly = read.has(QStringLiteral("translated-only"));
  options.spell = read.has(QStringLiteral("spell"));
  options.dictionaries = read.value(QStringLiteral("dictionaries"));
  options.userDictionary = read.value(QStringLiteral("user-dictionary"));
  options.items = readItemCheckOptions(read);
  return true;
}

// Every line of the explanation one tab further in, below the item's line.
QString indented(const QString &text) {
  return u'\t' + QString(text).replace(u'\n', QStringLiteral("\n\t"));
}

// The checker of the target language, or null after saying why nothing is checked.
std::unique_ptr<SpellChecker> openSpellChecker(const CheckOptions &options, int language) {
  const LocaleInfo *locale = findLocale(language);
  QStringList folders = options.dictionaries.split(QDir::listSeparator(), Qt::SkipEmptyParts);
  folders += dictionaryFolders();
  const QString tag = locale ? QString::fromLatin1(locale->tag) : QString();
  const DictionaryFiles files = findDictionary(tag, folders);
  if (files.isNull()) {
    const QString name = englishLanguageName(language);
    std::fprintf(stderr, "warning: there is no dictionary for %s (%s): spelling is not checked\n",
                 (name.isEmpty() ? QString::number(language) : name).toUtf8().constData(),
                 tag.isEmpty() ? "no locale" : tag.toUtf8().constData());
    return nullptr;
  }
  QString error;
  auto checker = SpellChecker::open(
      files, options.userDictionary.isEmpty() ? userDictionaryPath(tag) : options.userDictionary,
      &error);
  if (!checker)
    std::fprintf(stderr, "warning: %s Spelling is not checked.\n", error.toUtf8().constData());
  return checker;
}

// Check's findings as JSON, SARIF, JUnit or GitHub annotations; the status --fail-on
// asks for, else 1 when an item fails.
int checkAsFindings(TaskReader &reader, const CheckTools &tools, const CheckOptions &options) {
  const FindingsOptions &output = options.output;
  const std::vector<FindingsRun> runs = {
      checkFindings(reader, tools, options.translatedOnly, output.withPasses())};
  const bool written = output.format == OutputFormat::Json
                           ? writeOutput(findingsJson(runs, output.root), output)
                           : writeFindings(runs, output);
  if (!written)
    return 2;
  int failing = 0;
  for (const Finding &finding : runs.front().findings)
    failing += finding.failed ? 1 : 0;
  std::fprintf(stderr, "%d findings\n", failing);
  return findingsStatus(runs, output.failOn, failing > 0 ? 1 : 0);
}

// The failing items and misspelt words as lines, then the summaries; 1 when an item
// fails or a word is misspelt, or the status --fail-on asks for.
int checkAsText(TaskReader &reader, const CheckTools &tools, const CheckOptions &options) {
  // The items as the item list shows them: each text, and a repeated pair once.
  int items = 0, failing = 0, misspelt = 0, misspeltItems = 0;
  QString out, spelling;
  SpellChecker *speller = tools.speller;
  // Each distinct word costs the dictionary a search: a script full of them would keep
  // the command busy for minutes.
  constexpr qsizetype kMostSuggestedWords = 200;
  QSet<QString> suggested;
  bool suggestionsCut = false;
  const auto suggestionsFor = [&](const QString &word) {
    if (!suggested.contains(word) && suggested.size() >= kMostSuggestedWords) {
      suggestionsCut = true;
      return QString();
    }
    suggested.insert(word);
    return speller->suggestions(word).join(QStringLiteral(", "));
  };
  for (const auto &entry : reader.entries()) {
    if (!entry->isTranslatable() || (entry->sourceText.isEmpty() && entry->targetText.isEmpty()) ||
        hasEarlierTwin(entry.get()))
      continue;
    tools.inspector.apply(*entry);
    if (options.translatedOnly && entry->targetText.isEmpty())
      continue;
    ++items;
    if (speller) {
      const QList<SpellWord> words = speller->misspelt(entry->targetText);
      misspelt += int(words.size());
      misspeltItems += words.isEmpty() ? 0 : 1;
      for (const SpellWord &word : words)
        spelling += entry->kind + u'\t' + entry->identifier + u'\t' + word.word + u'\t' +
                    suggestionsFor(word.word) + u'\n';
    }
    if (entry->inspectionPassed && !tools.itemChecks.fails(entry.get()))
      continue;
    ++failing;
    out += entry->kind + u'\t' + entry->identifier + u'\t' + entry->sourceText + u'\t' +
           entry->targetText + u'\n' +
           indented(explainItem(tools.inspector, &tools.itemChecks, *entry)) + u'\n';
  }
  std::fputs(printableText(out).toUtf8().constData(), stdout);
  std::fputs(printableText(spelling).toUtf8().constData(), stdout);
  std::printf("%s\n%d of %d items fail the automatic inspection\n",
              verificationSummary(reader.entries()).toUtf8().constData(), failing, items);
  if (suggestionsCut)
    std::fprintf(stderr, "warning: suggestions are given for the first %d misspelt words only\n",
                 int(kMostSuggestedWords));
  if (speller)
    std::printf("%d misspelt words in %d items\n", misspelt, misspeltItems);
  const int status = failing > 0 || misspelt > 0 ? 1 : 0;
  if (options.output.failOn == FailOn::Default)
    return status;
  // The levels decide: the findings are made again for them.
  return findingsStatus({checkFindings(reader, tools, options.translatedOnly, false)},
                        options.output.failOn, status);
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
  ItemChecks checks;
  if (!prepareItemChecks(options.items, settings, checks))
    return 2;
  Inspector inspector;
  inspector.loadRules(settings);

  CliPrompter prompter(false);
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage, options.target, options.targetLanguage,
                   false, options.header)) {
    if (options.output.wantsFindings())
      writeFindings({unreadTask(QStringLiteral("check"), options.target, reader.failure())},
                    options.output);
    return 2;
  }

  std::unique_ptr<SpellChecker> speller;
  if (options.spell)
    speller = openSpellChecker(options, reader.task()->targetLanguage);
  checks.checkAll(reader.entries());
  const CheckTools tools{inspector, checks, speller.get(), settings};
  if (options.output.format != OutputFormat::Text)
    return checkAsFindings(reader, tools, options);
  return checkAsText(reader, tools, options);
}

} // namespace tarvelo::cli

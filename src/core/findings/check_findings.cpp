// The inspection's and the spelling's findings on an item, one per rule.
#include "findings/check_findings.h"

#include "script/task.h"
#include "script/text_entry.h"
#include "spelling/spell_words.h"
#include "workbench/format_specification.h"
#include "workbench/inspector.h"

#include <QCoreApplication>
#include <QStringList>

namespace tarvelo {

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("tarvelo::Findings", text);
}

// The format specifications of a text, "%s %d", or "none".
QString specifications(const QString &text) {
  QStringList specs;
  QString spec;
  for (int at = nextFormatSpecification(text, 0, &spec); at >= 0;
       at = nextFormatSpecification(text, at, &spec))
    specs.append(u'%' + spec);
  return specs.isEmpty() ? tr("none") : specs.join(u' ');
}

// Which rule a counted text belongs to: the access-key ampersand, a format
// specification, or another character.
const char *ruleOfCount(const InspectionRule &rule) {
  if (rule.text == QLatin1String("&"))
    return "access-key";
  if (rule.text.startsWith(u'%'))
    return "format-specification";
  return "character-count";
}

QString countLine(const InspectionRule &rule, const TextEntry &entry) {
  return tr("\u201c%1\u201d %2: %3 in the source, %4 in the translation.")
      .arg(rule.text, Inspector::positionWord(rule.position))
      .arg(Inspector::count(entry.sourceText, rule))
      .arg(Inspector::count(entry.targetText, rule));
}

} // namespace

ItemPlace itemPlace(const TextEntry &entry, const Task &task) {
  if (entry.targetPosition.isKnown() && !task.targetPath.isEmpty())
    return {task.targetPath, entry.targetPosition};
  return {task.sourcePath, entry.sourcePosition};
}

Finding itemFinding(const TextEntry &entry, const Task &task, const char *rule) {
  const ItemPlace place = itemPlace(entry, task);
  Finding finding;
  finding.rule = QString::fromLatin1(rule);
  finding.level = defaultLevel(finding.rule);
  finding.file = place.file;
  finding.position = place.position;
  finding.resourceKind = entry.kind;
  const TextEntry *head = entry.head();
  finding.resource =
      entry.kind == QLatin1String("STRINGTABLE") || !head ? entry.kind : head->identifier;
  finding.identifier = entry.identifier;
  finding.sourceText = entry.sourceText;
  finding.language = place.file == task.targetPath ? task.targetLanguage : task.sourceLanguage;
  finding.text = entry.targetText.isEmpty() ? entry.sourceText : entry.targetText;
  return finding;
}

void inspectionFindings(const Inspector &inspector, const TextEntry &entry, const Task &task,
                        bool withPasses, std::vector<Finding> &out) {
  // The rules in a fixed order, each with the lines of what failed under it.
  const char *rules[] = {"format-specification", "access-key", "character-count"};
  QStringList lines[3];
  for (const InspectionRule &rule : inspector.rules())
    if (Inspector::count(entry.sourceText, rule) != Inspector::count(entry.targetText, rule)) {
      const char *id = ruleOfCount(rule);
      for (int i = 0; i < 3; ++i)
        if (qstrcmp(rules[i], id) == 0)
          lines[i].append(countLine(rule, entry));
    }
  if (inspector.formatOrder() && !sameFormatSpecifications(entry.sourceText, entry.targetText))
    lines[0].prepend(tr("The format specifications differ: %1 in the source, %2 in the "
                        "translation.")
                         .arg(specifications(entry.sourceText), specifications(entry.targetText)));
  for (int i = 0; i < 3; ++i) {
    if (lines[i].isEmpty() && !withPasses)
      continue;
    Finding finding = itemFinding(entry, task, rules[i]);
    finding.failed = !lines[i].isEmpty();
    finding.message = lines[i].join(u'\n');
    out.push_back(std::move(finding));
  }
}

void spellingFindings(const QList<SpellWord> &words, const TextEntry &entry, const Task &task,
                      bool withPasses, std::vector<Finding> &out) {
  if (words.isEmpty() && withPasses) {
    Finding pass = itemFinding(entry, task, "misspelt-word");
    pass.failed = false;
    out.push_back(std::move(pass));
  }
  for (const SpellWord &word : words) {
    Finding finding = itemFinding(entry, task, "misspelt-word");
    finding.message = tr("\u201c%1\u201d is not in the dictionary.").arg(word.word);
    out.push_back(std::move(finding));
  }
}

} // namespace tarvelo

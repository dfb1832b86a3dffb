// The automatic inspection: counting rule texts and comparing source and target.
#include "workbench/inspector.h"

#include "findings/check_levels.h"
#include "script/text_entry.h"
#include "seam/settings.h"
#include "workbench/format_specification.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

const QString kInspectItems = QStringLiteral("InspectItems");
const QString kFormatOrder = QStringLiteral("FormatOrder");

} // namespace

Inspector::Inspector() : m_rules(defaultRules()) {
  indexRules();
}

void Inspector::indexRules() {
  m_anywhere.clear();
  m_asciiFirsts[0] = m_asciiFirsts[1] = 0;
  for (int i = 0; i < int(m_rules.size()); ++i) {
    const InspectionRule &rule = m_rules[i];
    if (rule.position != Anywhere || rule.text.isEmpty())
      continue;
    const char16_t first = rule.text.front().unicode();
    m_anywhere.emplace_back(first, i);
    if (first < 128)
      m_asciiFirsts[first / 64] |= quint64(1) << (first % 64);
  }
}

QVarLengthArray<int, 32> Inspector::counts(const QString &text) const {
  QVarLengthArray<int, 32> found(m_rules.size(), 0);
  for (int i = 0; i < int(m_rules.size()); ++i)
    if (m_rules[i].position != Anywhere)
      found[i] = count(text, m_rules[i]);
  // Where each rule may match next: its occurrences do not overlap.
  QVarLengthArray<qsizetype, 32> next(m_rules.size(), 0);
  const QStringView view(text);
  for (qsizetype at = 0; at < view.size(); ++at) {
    const char16_t c = view[at].unicode();
    if (c < 128 && !(m_asciiFirsts[c / 64] & (quint64(1) << (c % 64))))
      continue;
    for (const auto &[first, rule] : m_anywhere) {
      const QString &word = m_rules[rule].text;
      if (first != c || at < next[rule] || !view.sliced(at).startsWith(word))
        continue;
      ++found[rule];
      next[rule] = at + word.size();
    }
  }
  return found;
}

QList<InspectionRule> Inspector::defaultRules() {
  return {
      {AtBeginning, QStringLiteral(" ")}, {AtEnd, QStringLiteral(" ")},
      {Anywhere, QStringLiteral("?")},    {Anywhere, QStringLiteral("!")},
      {Anywhere, QStringLiteral("&")},    {Anywhere, QStringLiteral("\"")},
      {Anywhere, QStringLiteral("\\n")},  {Anywhere, QStringLiteral("\\r")},
      {Anywhere, QStringLiteral("\\t")},  {Anywhere, QStringLiteral("%s")},
      {Anywhere, QStringLiteral("%u")},   {Anywhere, QStringLiteral("%d")},
      {Anywhere, QStringLiteral("%f")},   {Anywhere, QStringLiteral("%g")},
      {Anywhere, QStringLiteral("%c")},
  };
}

QList<InspectionRule> Inspector::parseRules(const QString &stored) {
  QList<InspectionRule> rules;
  for (const QString &piece : stored.split(u';')) {
    if (piece.size() <= 1)
      continue;
    const int position = piece[0].unicode() - u'0';
    // A position the program does not know would have no word and no count.
    if (position < AtBeginning || position > Anywhere)
      continue;
    rules.append({position, piece.mid(1)});
  }
  return rules;
}

QString Inspector::formatRules(const QList<InspectionRule> &rules) {
  QString out;
  for (const InspectionRule &rule : rules)
    out += QString::number(rule.position) + rule.text + u';';
  return out;
}

QString Inspector::positionWord(int position) {
  switch (position) {
  case AtBeginning:
    return QCoreApplication::translate("tarvelo::Inspector", "at the beginning");
  case AtEnd:
    return QCoreApplication::translate("tarvelo::Inspector", "at the end");
  default:
    return QCoreApplication::translate("tarvelo::Inspector", "anywhere");
  }
}

bool Inspector::isValidRuleText(const QString &text) {
  return !text.isEmpty() && !text.contains(u';');
}

int Inspector::count(const QString &text, const InspectionRule &rule) {
  const QString &t = rule.text;
  const qsizetype n = t.size();
  if (n == 0)
    return 0;
  int found = 0;
  switch (rule.position) {
  case AtBeginning:
    for (qsizetype offset = 0; QStringView(text).mid(offset).startsWith(t); offset += n)
      ++found;
    break;
  case AtEnd:
    for (qsizetype offset = text.size() - n; offset >= 0; offset -= n) {
      if (QStringView(text).mid(offset, n) != t)
        break;
      ++found;
    }
    break;
  default:
    for (qsizetype offset = text.indexOf(t); offset >= 0; offset = text.indexOf(t, offset + n))
      ++found;
    break;
  }
  return found;
}

void Inspector::loadRules(const Settings &settings) {
  reloadFormatOrder(settings);
  loadCheckLevels(settings);
  setRules(parseRules(settings.text(kInspectItems)));
}

void Inspector::storeRules(Settings &settings) {
  settings.setText(kInspectItems, formatRules(m_rules));
  reloadFormatOrder(settings);
}

void Inspector::loadCheckLevels(const Settings &settings) {
  m_formatOn = checkOn(settings, QStringLiteral("format-specification"));
  m_accessKeysOn = checkOn(settings, QStringLiteral("access-key"));
  m_charactersOn = checkOn(settings, QStringLiteral("character-count"));
}

bool Inspector::compared(const InspectionRule &rule) const {
  return rule.text == u"&" ? m_accessKeysOn : m_charactersOn;
}

void Inspector::reloadFormatOrder(const Settings &settings) {
  m_formatOrder = settings.integer(kFormatOrder) != 0;
}

void Inspector::setRules(const QList<InspectionRule> &rules) {
  m_rules.clear();
  for (const InspectionRule &rule : rules)
    if (isValidRuleText(rule.text) && rule.position >= AtBeginning && rule.position <= Anywhere)
      m_rules.append(rule);
  if (m_rules.isEmpty())
    m_rules = defaultRules();
  indexRules();
}

bool Inspector::addRule(int position, const QString &text) {
  if (!isValidRuleText(text) || position < AtBeginning || position > Anywhere)
    return false;
  m_rules.append({position, text});
  indexRules();
  return true;
}

void Inspector::removeRule(int index) {
  if (index >= 0 && index < m_rules.size())
    m_rules.removeAt(index);
  indexRules();
}

bool Inspector::inspect(const QString &source, const QString &target) const {
  const QVarLengthArray<int, 32> inSource = counts(source), inTarget = counts(target);
  if (inSource != inTarget)
    for (int i = 0; i < int(m_rules.size()); ++i)
      if (inSource[i] != inTarget[i] && compared(m_rules[i]))
        return false;
  return !m_formatOrder || !m_formatOn || sameFormatSpecifications(source, target);
}

bool Inspector::inspect(const TextEntry &entry) const {
  return inspect(entry.sourceText, entry.targetText);
}

void Inspector::apply(TextEntry &entry) const {
  entry.inspectionPassed = inspect(entry);
}

Inspector::Explanation Inspector::explain(const QString &source, const QString &target) const {
  Explanation result;
  result.text = QCoreApplication::translate("tarvelo::Inspector",
                                            "Mismatch the count of following characters:");
  for (const InspectionRule &rule : m_rules) {
    if (!compared(rule) || count(source, rule) == count(target, rule))
      continue;
    result.passed = false;
    result.text += QStringLiteral("\n\t\"%1\" %2").arg(rule.text, positionWord(rule.position));
  }
  if (m_formatOrder && m_formatOn && !sameFormatSpecifications(source, target)) {
    const QString mismatch =
        QCoreApplication::translate("tarvelo::Inspector", "Mismatch Format Specification!");
    if (result.passed)
      result.text = mismatch;
    else
      result.text += u'\n' + mismatch;
    result.passed = false;
  }
  return result;
}

Inspector::Explanation Inspector::explain(const TextEntry &entry) const {
  return explain(entry.sourceText, entry.targetText);
}

} // namespace tarvelo

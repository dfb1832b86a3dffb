// The levels of the checks stored under "CheckLevels" as "rule=level;rule=level".
#include "findings/check_levels.h"

#include "seam/settings.h"

namespace tarvelo {

namespace {

const QString kCheckLevels = QStringLiteral("CheckLevels");

CheckSetting defaultSetting(const QString &ruleId) {
  const int index = findingRuleIndex(ruleId);
  if (index < 0)
    return FindingLevel::Warning;
  return findingRules()[size_t(index)].level;
}

} // namespace

bool parseCheckSetting(QStringView name, CheckSetting &setting) {
  const QString word = name.trimmed().toString().toLower();
  if (word == u"error")
    setting = FindingLevel::Error;
  else if (word == u"warning")
    setting = FindingLevel::Warning;
  else if (word == u"note")
    setting = FindingLevel::Note;
  else if (word == u"off")
    setting = std::nullopt;
  else
    return false;
  return true;
}

QString checkSettingName(const CheckSetting &setting) {
  return setting ? QString::fromLatin1(levelName(*setting)) : QStringLiteral("off");
}

QHash<QString, CheckSetting> parseCheckLevels(const QString &stored) {
  QHash<QString, CheckSetting> levels;
  for (const QStringView piece : QStringView(stored).split(u';', Qt::SkipEmptyParts)) {
    const qsizetype equals = piece.indexOf(u'=');
    if (equals < 0)
      continue;
    const QString rule = piece.left(equals).trimmed().toString();
    CheckSetting setting;
    if (findingRuleIndex(rule) >= 0 && parseCheckSetting(piece.mid(equals + 1), setting))
      levels.insert(rule, setting);
  }
  return levels;
}

QString formatCheckLevels(const QHash<QString, CheckSetting> &levels) {
  QString stored;
  for (const FindingRule &rule : findingRules()) {
    const QString id = QString::fromLatin1(rule.id);
    const auto it = levels.find(id);
    if (it == levels.end() || it.value() == CheckSetting(rule.level))
      continue;
    stored += id + u'=' + checkSettingName(it.value()) + u';';
  }
  return stored;
}

CheckSetting checkSetting(const Settings &settings, const QString &ruleId) {
  const QHash<QString, CheckSetting> levels = parseCheckLevels(settings.text(kCheckLevels));
  const auto it = levels.find(ruleId);
  return it == levels.end() ? defaultSetting(ruleId) : it.value();
}

FindingLevel checkLevel(const Settings &settings, const QString &ruleId) {
  const CheckSetting setting = checkSetting(settings, ruleId);
  if (setting)
    return *setting;
  return defaultSetting(ruleId).value_or(FindingLevel::Warning);
}

bool checkOn(const Settings &settings, const QString &ruleId) {
  return checkSetting(settings, ruleId).has_value();
}

void applyCheckLevels(std::vector<Finding> &findings, const Settings &settings) {
  QHash<QString, CheckSetting> known;
  std::erase_if(findings, [&](Finding &finding) {
    auto found = known.constFind(finding.rule);
    if (found == known.constEnd())
      found = known.insert(finding.rule, checkSetting(settings, finding.rule));
    if (!found.value())
      return true;
    finding.level = *found.value();
    return false;
  });
}

} // namespace tarvelo

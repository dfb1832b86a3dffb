// The level each check reports at, as the settings set it ("CheckLevels").
#pragma once

#include "findings/finding.h"

#include <QHash>
#include <QString>
#include <optional>

namespace tarvelo {

class Settings;

// A rule's level, or nullopt when the check is off.
using CheckSetting = std::optional<FindingLevel>;

// "error", "warning", "note" or "off" (any case); false for anything else.
bool parseCheckSetting(QStringView name, CheckSetting &setting);
// "error", "warning", "note" or "off".
QString checkSettingName(const CheckSetting &setting);

// The stored form "rule=level;rule=level": rules or levels it does not know are
// skipped, so that a newer program's settings do not stop an older one.
QHash<QString, CheckSetting> parseCheckLevels(const QString &stored);
// Rules in the order of findingRules(), each only when it differs from its default.
QString formatCheckLevels(const QHash<QString, CheckSetting> &levels);

// The rule's setting under "CheckLevels", its default level when none is stored.
CheckSetting checkSetting(const Settings &settings, const QString &ruleId);
// The level the rule reports at: the stored one, else the rule's default (also when off).
FindingLevel checkLevel(const Settings &settings, const QString &ruleId);
bool checkOn(const Settings &settings, const QString &ruleId);

// Each finding at the level the settings give its rule; those of a rule set to off go.
void applyCheckLevels(std::vector<Finding> &findings, const Settings &settings);

} // namespace tarvelo

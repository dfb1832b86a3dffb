// The table of every settings key with its type and default.
#include "seam/settings_keys.h"

#include <QCoreApplication>
#include <QHash>
#include <iterator>
#include <vector>

namespace tarvelo {

namespace {

const SettingKey kKeys[] = {
    {"Language", false},        {"StartOFD", false},        {"UseSearch", false},
    {"AutoUpdate", false},      {"AutoInspect", false},     {"FormatOrder", false},
    {"InspectItems", true},     {"SavingOption", false},    {"UserText", true},
    {"RelativePath", false},    {"ExternalLexicon", true},  {"SourcePath", true},
    {"TargetPath", true},       {"UseTarget", false},       {"SourceLanguage", false},
    {"TargetLanguage", false},  {"SaveTM", false},          {"InitTM", false},
    {"AutoComplete", false},    {"TMPath", true},           {"FilterFlags", false},
    {"FilterText", true},       {"FilterOcurence", false},  {"ImportFormat", false},
    {"ImportWhat", false},      {"ImportFlag", false},      {"ImportState", true},
    {"TranslateWhat", false},   {"ReportSetting", false},   {"ProjectPath", true},
    {"SearchMethod", false},    {"SearchPath", true},       {"SearchProject", true},
    {"SearchTvxProject", true}, {"SearchLanguage", false},  {"SearchLanguageCheck", false},
    {"SearchDateCheck", false}, {"PseudoExpansion", false}, {"PseudoRightToLeft", false},
    {"FuzzyFill", false},       {"FuzzyScore", false},      {"RegenerateDialogs", false},
    {"SameText", false},        {"CheckLevels", true},      {"LimitsFile", true},
    {"SameAsSource", false},
};

// The online services: machine translation, the time-outs of every request, the update
// descriptor and the support address.
const SettingKey kOnlineKeys[] = {
    {"MTProvider", true},      {"MTURL", true},
    {"MTKey", true},           {"MTModel", true},
    {"MTTemperature", true},   {"MTBatch", false},
    {"ConnectTimeout", false}, {"TransferTimeout", false},
    {"MTModelTimeout", false}, {"UpdateURL", true},
    {"SupportAddress", true},
};

struct MachineDefaults {
  int sourceLanguage = 1033;
  QString tmPath;
  QString searchPath;
};

MachineDefaults &machineDefaults() {
  static MachineDefaults defaults;
  return defaults;
}

} // namespace

const SettingKey *settingKeys(int *count) {
  static const std::vector<SettingKey> all = [] {
    std::vector<SettingKey> keys(std::begin(kKeys), std::end(kKeys));
    keys.insert(keys.end(), std::begin(kOnlineKeys), std::end(kOnlineKeys));
    return keys;
  }();
  *count = int(all.size());
  return all.data();
}

QVariant settingDefault(const QString &key) {
  static const QHash<QString, QVariant> fixed = {
      {"Language", 1033},
      {"StartOFD", 0},
      {"UseSearch", 0},
      {"AutoUpdate", 1},
      {"AutoInspect", 1},
      {"FormatOrder", 1},
      {"InspectItems", ""},
      {"SavingOption", 0},
      {"RelativePath", 0},
      {"ExternalLexicon", ""},
      {"SourcePath", ""},
      {"TargetPath", ""},
      {"UseTarget", 0},
      {"TargetLanguage", 1033},
      {"SaveTM", 0},
      {"InitTM", 1},
      {"AutoComplete", 1},
      {"FilterFlags", 7},
      {"FilterText", ""},
      {"FilterOcurence", 0},
      {"ImportFormat", 0},
      {"ImportWhat", 0},
      {"ImportFlag", 3},
      {"ImportState", ""},
      {"TranslateWhat", 0},
      // Every check of the dialogs report (kReportAllChecks), as the command line runs.
      {"ReportSetting", 0x3F},
      {"ProjectPath", ""},
      {"SearchMethod", 0},
      {"SearchProject", ""},
      {"SearchTvxProject", ""},
      {"SearchLanguage", 1033},
      {"SearchLanguageCheck", 0},
      {"SearchDateCheck", 0},
      {"FuzzyFill", 0},
      {"FuzzyScore", 75},
      // Equal texts are asked about, once a run, unless the translator chose for good.
      {"SameText", 0},
      // Every check at its rule's default level; no limits file; equal texts not checked.
      {"CheckLevels", ""},
      {"LimitsFile", ""},
      {"SameAsSource", 0},
      {"PseudoExpansion", 40},
      {"PseudoRightToLeft", 0},
      // Dialogs change only where they changed, unless a team wants one format.
      {"RegenerateDialogs", 0},
      // Machine translation is off until a service is chosen.
      {"MTProvider", ""},
      {"MTURL", ""},
      {"MTKey", ""},
      {"MTModel", ""},
      {"MTTemperature", "0.2"},
      {"MTBatch", 20},
      {"ConnectTimeout", 10},
      {"TransferTimeout", 30},
      {"MTModelTimeout", 300},
      {"UpdateURL", ""},
      {"SupportAddress", ""},
  };
  const auto it = fixed.find(key);
  if (it != fixed.end())
    return it.value();
  // The text an empty item is saved with speaks the user interface's language.
  if (key == QLatin1String("UserText"))
    return QCoreApplication::translate("tarvelo::Settings", "--untranslated--");
  if (key == QLatin1String("SourceLanguage"))
    return machineDefaults().sourceLanguage;
  if (key == QLatin1String("TMPath"))
    return machineDefaults().tmPath;
  if (key == QLatin1String("SearchPath"))
    return machineDefaults().searchPath;
  return {};
}

void setDefaultSourceLanguage(int languageId) {
  machineDefaults().sourceLanguage = languageId;
}
void setDefaultTmPath(const QString &path) {
  machineDefaults().tmPath = path;
}
void setDefaultSearchPath(const QString &path) {
  machineDefaults().searchPath = path;
}

} // namespace tarvelo

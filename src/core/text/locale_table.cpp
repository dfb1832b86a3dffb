// The table of Windows locales, and their names, tags and code pages.
#include "text/locale_table.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace tarvelo {

namespace {

// Windows locales by identifier. Sort-order variants (identifiers above 0xFFFF) are
// left out: a script's LANGUAGE statement cannot name them.
const LocaleInfo kLocales[] = {
    {0x0004, "zh-Hans", 936, "CHS"},
    {0x0401, "ar-SA", 1256, "ARA"},
    {0x0402, "bg-BG", 1251, "BGR"},
    {0x0403, "ca-ES", 1252, "CAT"},
    {0x0404, "zh-TW", 950, "CHT"},
    {0x0405, "cs-CZ", 1250, "CSY"},
    {0x0406, "da-DK", 1252, "DAN"},
    {0x0407, "de-DE", 1252, "DEU"},
    {0x0408, "el-GR", 1253, "ELL"},
    {0x0409, "en-US", 1252, "ENU"},
    {0x040a, "es-ES-u-co-trad", 1252, "ESP"},
    {0x040b, "fi-FI", 1252, "FIN"},
    {0x040c, "fr-FR", 1252, "FRA"},
    {0x040d, "he-IL", 1255, "HEB"},
    {0x040e, "hu-HU", 1250, "HUN"},
    {0x040f, "is-IS", 1252, "ISL"},
    {0x0410, "it-IT", 1252, "ITA"},
    {0x0411, "ja-JP", 932, "JPN"},
    {0x0412, "ko-KR", 949, "KOR"},
    {0x0413, "nl-NL", 1252, "NLD"},
    {0x0414, "nb-NO", 1252, "NOR"},
    {0x0415, "pl-PL", 1250, "PLK"},
    {0x0416, "pt-BR", 1252, "PTB"},
    {0x0417, "rm-CH", 1252, "RMC"},
    {0x0418, "ro-RO", 1250, "ROM"},
    {0x0419, "ru-RU", 1251, "RUS"},
    {0x041a, "hr-HR", 1250, "HRV"},
    {0x041b, "sk-SK", 1250, "SKY"},
    {0x041c, "sq-AL", 1250, "SQI"},
    {0x041d, "sv-SE", 1252, "SVE"},
    {0x041e, "th-TH", 874, "THA"},
    {0x041f, "tr-TR", 1254, "TRK"},
    {0x0420, "ur-PK", 1256, "URD"},
    {0x0421, "id-ID", 1252, "IND"},
    {0x0422, "uk-UA", 1251, "UKR"},
    {0x0423, "be-BY", 1251, "BEL"},
    {0x0424, "sl-SI", 1250, "SLV"},
    {0x0425, "et-EE", 1257, "ETI"},
    {0x0426, "lv-LV", 1257, "LVI"},
    {0x0427, "lt-LT", 1257, "LTH"},
    {0x0428, "tg-Cyrl-TJ", 1251, "TAJ"},
    {0x0429, "fa-IR", 1256, "FAR"},
    {0x042a, "vi-VN", 1258, "VIT"},
    {0x042b, "hy-AM", 0, "HYE"},
    {0x042c, "az-Latn-AZ", 1254, "AZE"},
    {0x042d, "eu-ES", 1252, "EUQ"},
    {0x042e, "hsb-DE", 1252, "HSB"},
    {0x042f, "mk-MK", 1251, "MKI"},
    {0x0432, "tn-ZA", 1252, "TSN"},
    {0x0434, "xh-ZA", 1252, "XHO"},
    {0x0435, "zu-ZA", 1252, "ZUL"},
    {0x0436, "af-ZA", 1252, "AFK"},
    {0x0437, "ka-GE", 0, "KAT"},
    {0x0438, "fo-FO", 1252, "FOS"},
    {0x0439, "hi-IN", 0, "HIN"},
    {0x043a, "mt-MT", 0, "MLT"},
    {0x043b, "se-NO", 1252, "SME"},
    {0x043e, "ms-MY", 1252, "MSL"},
    {0x043f, "kk-KZ", 0, "KKZ"},
    {0x0440, "ky-KG", 1251, "KYR"},
    {0x0441, "sw-KE", 1252, "SWK"},
    {0x0442, "tk-TM", 1250, "TUK"},
    {0x0443, "uz-Latn-UZ", 1254, "UZB"},
    {0x0444, "tt-RU", 1251, "TTT"},
    {0x0445, "bn-IN", 0, "BNG"},
    {0x0446, "pa-IN", 0, "PAN"},
    {0x0447, "gu-IN", 0, "GUJ"},
    {0x0448, "or-IN", 0, "ORI"},
    {0x0449, "ta-IN", 0, "TAI"},
    {0x044a, "te-IN", 0, "TEL"},
    {0x044b, "kn-IN", 0, "KDI"},
    {0x044c, "ml-IN", 0, "MYM"},
    {0x044d, "as-IN", 0, "ASM"},
    {0x044e, "mr-IN", 0, "MAR"},
    {0x044f, "sa-IN", 0, "SAN"},
    {0x0450, "mn-MN", 1251, "MON"},
    {0x0451, "bo-CN", 0, "BOB"},
    {0x0452, "cy-GB", 1252, "CYM"},
    {0x0453, "km-KH", 0, "KHM"},
    {0x0454, "lo-LA", 0, "LAO"},
    {0x0456, "gl-ES", 1252, "GLC"},
    {0x0457, "kok-IN", 0, "KNK"},
    {0x045a, "syr-SY", 0, "SYR"},
    {0x045b, "si-LK", 0, "SIN"},
    {0x045c, "chr-Cher-US", 0, "CRE"},
    {0x045d, "iu-Cans-CA", 0, "IUS"},
    {0x045e, "am-ET", 0, "AMH"},
    {0x0461, "ne-NP", 0, "NEP"},
    {0x0462, "fy-NL", 1252, "FYN"},
    {0x0463, "ps-AF", 0, "PAS"},
    {0x0464, "fil-PH", 1252, "FPO"},
    {0x0465, "dv-MV", 0, "DIV"},
    {0x0468, "ha-Latn-NG", 1252, "HAU"},
    {0x046a, "yo-NG", 1252, "YOR"},
    {0x046b, "quz-BO", 1252, "QUB"},
    {0x046c, "nso-ZA", 1252, "NSO"},
    {0x046d, "ba-RU", 1251, "BAS"},
    {0x046e, "lb-LU", 1252, "LBX"},
    {0x046f, "kl-GL", 1252, "KAL"},
    {0x0470, "ig-NG", 1252, "IBO"},
    {0x0473, "ti-ET", 0, "TIE"},
    {0x0475, "haw-US", 1252, "HAW"},
    {0x0478, "ii-CN", 0, "III"},
    {0x047a, "arn-CL", 1252, "MPD"},
    {0x047c, "moh-CA", 1252, "MWK"},
    {0x047e, "br-FR", 1252, "BRE"},
    {0x0480, "ug-CN", 1256, "UIG"},
    {0x0481, "mi-NZ", 0, "MRI"},
    {0x0482, "oc-FR", 1252, "OCI"},
    {0x0483, "co-FR", 1252, "COS"},
    {0x0484, "gsw-FR", 1252, "GSW"},
    {0x0485, "sah-RU", 1251, "SAH"},
    {0x0486, "qut-GT", 1252, "QUT"},
    {0x0487, "rw-RW", 1252, "KIN"},
    {0x0488, "wo-SN", 1252, "WOL"},
    {0x048c, "prs-AF", 1256, "PRS"},
    {0x0491, "gd-GB", 1252, "GLA"},
    {0x0492, "ku-Arab-IQ", 1256, "KUR"},
    {0x0801, "ar-IQ", 1256, "ARI"},
    {0x0803, "ca-ES-valencia", 1252, "VAL"},
    {0x0804, "zh-CN", 936, "CHS"},
    {0x0807, "de-CH", 1252, "DES"},
    {0x0809, "en-GB", 1252, "ENG"},
    {0x080a, "es-MX", 1252, "ESM"},
    {0x080c, "fr-BE", 1252, "FRB"},
    {0x0810, "it-CH", 1252, "ITS"},
    {0x0813, "nl-BE", 1252, "NLB"},
    {0x0814, "nn-NO", 1252, "NON"},
    {0x0816, "pt-PT", 1252, "PTG"},
    {0x0818, "ro-MD", 1250, "ROD"},
    {0x0819, "ru-MD", 1251, "RUM"},
    {0x081a, "sr-Latn-CS", 1250, "SRL"},
    {0x081d, "sv-FI", 1252, "SVF"},
    {0x0820, "ur-IN", 1256, "URI"},
    {0x082c, "az-Cyrl-AZ", 1251, "AZC"},
    {0x082e, "dsb-DE", 1252, "DSB"},
    {0x0832, "tn-BW", 1252, "TSB"},
    {0x083b, "se-SE", 1252, "SMF"},
    {0x083c, "ga-IE", 1252, "IRE"},
    {0x083e, "ms-BN", 1252, "MSB"},
    {0x0843, "uz-Cyrl-UZ", 1251, "UZB"},
    {0x0845, "bn-BD", 0, "BNB"},
    {0x0846, "pa-Arab-PK", 1256, "PAP"},
    {0x0849, "ta-LK", 0, "TAM"},
    {0x0850, "mn-Mong-CN", 0, "MNG"},
    {0x0859, "sd-Arab-PK", 1256, "SIP"},
    {0x085d, "iu-Latn-CA", 1252, "IUK"},
    {0x085f, "tzm-Latn-DZ", 1252, "TZM"},
    {0x0861, "ne-IN", 0, "NEI"},
    {0x0867, "ff-Latn-SN", 1252, "FUL"},
    {0x086b, "quz-EC", 1252, "QUE"},
    {0x0873, "ti-ER", 0, "TIR"},
    {0x0c01, "ar-EG", 1256, "ARE"},
    {0x0c04, "zh-HK", 950, "ZHH"},
    {0x0c07, "de-AT", 1252, "DEA"},
    {0x0c09, "en-AU", 1252, "ENA"},
    {0x0c0a, "es-ES", 1252, "ESN"},
    {0x0c0c, "fr-CA", 1252, "FRC"},
    {0x0c1a, "sr-Cyrl-CS", 1251, "SRB"},
    {0x0c3b, "se-FI", 1252, "SMG"},
    {0x0c50, "mn-Mong-MN", 0, "MNM"},
    {0x0c6b, "quz-PE", 1252, "QUP"},
    {0x1001, "ar-LY", 1256, "ARL"},
    {0x1004, "zh-SG", 936, "ZHI"},
    {0x1007, "de-LU", 1252, "DEL"},
    {0x1009, "en-CA", 1252, "ENC"},
    {0x100a, "es-GT", 1252, "ESG"},
    {0x100c, "fr-CH", 1252, "FRS"},
    {0x101a, "hr-BA", 1250, "HRB"},
    {0x103b, "smj-NO", 1252, "SMJ"},
    {0x1401, "ar-DZ", 1256, "ARG"},
    {0x1404, "zh-MO", 950, "ZHM"},
    {0x1407, "de-LI", 1252, "DEC"},
    {0x1409, "en-NZ", 1252, "ENZ"},
    {0x140a, "es-CR", 1252, "ESC"},
    {0x140c, "fr-LU", 1252, "FRL"},
    {0x141a, "bs-Latn-BA", 1250, "BSB"},
    {0x143b, "smj-SE", 1252, "SMK"},
    {0x1801, "ar-MA", 1256, "ARM"},
    {0x1809, "en-IE", 1252, "ENI"},
    {0x180a, "es-PA", 1252, "ESA"},
    {0x180c, "fr-MC", 1252, "FRM"},
    {0x181a, "sr-Latn-BA", 1250, "SRS"},
    {0x183b, "sma-NO", 1252, "SMA"},
    {0x1c01, "ar-TN", 1256, "ART"},
    {0x1c09, "en-ZA", 1252, "ENS"},
    {0x1c0a, "es-DO", 1252, "ESD"},
    {0x1c1a, "sr-Cyrl-BA", 1251, "SRN"},
    {0x1c3b, "sma-SE", 1252, "SMB"},
    {0x2001, "ar-OM", 1256, "ARO"},
    {0x2009, "en-JM", 1252, "ENJ"},
    {0x200a, "es-VE", 1252, "ESV"},
    {0x201a, "bs-Cyrl-BA", 1251, "BSC"},
    {0x203b, "sms-FI", 1252, "SMS"},
    {0x2401, "ar-YE", 1256, "ARY"},
    {0x2409, "en-029", 1252, "ENB"},
    {0x240a, "es-CO", 1252, "ESO"},
    {0x241a, "sr-Latn-RS", 1250, "SRM"},
    {0x243b, "smn-FI", 1252, "SMN"},
    {0x2801, "ar-SY", 1256, "ARS"},
    {0x2809, "en-BZ", 1252, "ENL"},
    {0x280a, "es-PE", 1252, "ESR"},
    {0x281a, "sr-Cyrl-RS", 1251, "SRO"},
    {0x2c01, "ar-JO", 1256, "ARJ"},
    {0x2c09, "en-TT", 1252, "ENT"},
    {0x2c0a, "es-AR", 1252, "ESS"},
    {0x2c1a, "sr-Latn-ME", 1250, "SRP"},
    {0x3001, "ar-LB", 1256, "ARB"},
    {0x3009, "en-ZW", 1252, "ENW"},
    {0x300a, "es-EC", 1252, "ESF"},
    {0x301a, "sr-Cyrl-ME", 1251, "SRQ"},
    {0x3401, "ar-KW", 1256, "ARK"},
    {0x3409, "en-PH", 1252, "ENP"},
    {0x340a, "es-CL", 1252, "ESL"},
    {0x3801, "ar-AE", 1256, "ARU"},
    {0x380a, "es-UY", 1252, "ESY"},
    {0x3c01, "ar-BH", 1256, "ARH"},
    {0x3c0a, "es-PY", 1252, "ESZ"},
    {0x4001, "ar-QA", 1256, "ARQ"},
    {0x4009, "en-IN", 1252, "ENN"},
    {0x400a, "es-BO", 1252, "ESB"},
    {0x4409, "en-MY", 1252, "ENM"},
    {0x440a, "es-SV", 1252, "ESE"},
    {0x4809, "en-SG", 1252, "ENE"},
    {0x480a, "es-HN", 1252, "ESH"},
    {0x4c0a, "es-NI", 1252, "ESI"},
    {0x500a, "es-PR", 1252, "ESU"},
    {0x540a, "es-US", 1252, "EST"},
    {0x7c04, "zh-Hant", 950, "CHT"},
};

// A tag cut into its subtags; whatever follows the region (variants, extensions) is
// kept whole in `rest`.
struct TagParts {
  QString language;
  QString script;
  QString region;
  QString rest;
};

TagParts splitTag(const char *tag) {
  const QStringList subtags = QString::fromLatin1(tag).split(QLatin1Char('-'));
  TagParts parts;
  parts.language = subtags.value(0);
  qsizetype i = 1;
  if (i < subtags.size() && subtags.at(i).size() == 4) {
    parts.script = subtags.at(i);
    ++i;
  }
  if (i < subtags.size() && (subtags.at(i).size() == 2 || subtags.at(i).size() == 3)) {
    parts.region = subtags.at(i);
    ++i;
  }
  parts.rest = subtags.mid(i).join(QLatin1Char('-'));
  return parts;
}

// Names are looked up by their English wording, so that a translation of the user
// interface names languages, regions and scripts in its own language; the
// translations list them in locale_names.cpp.
QString translatedName(const QString &english) {
  return QCoreApplication::translate("tarvelo::LocaleNames", english.toUtf8().constData());
}

QString regionName(const QString &code) {
  // Regions that Qt has no name for, named as Windows names them.
  if (code == QLatin1String("029"))
    return QStringLiteral("Caribbean");
  if (code == QLatin1String("CS"))
    return QStringLiteral("Serbia and Montenegro (Former)");
  const QLocale::Territory territory = QLocale::codeToTerritory(code);
  return territory == QLocale::AnyTerritory ? code : QLocale::territoryToString(territory);
}

QString scriptName(QLocale::Script script) {
  // Chinese is told apart by "Simplified" and "Traditional" alone.
  if (script == QLocale::SimplifiedHanScript)
    return QStringLiteral("Simplified");
  if (script == QLocale::TraditionalHanScript)
    return QStringLiteral("Traditional");
  return QLocale::scriptToString(script);
}

QString variantName(const QString &rest) {
  if (rest == QLatin1String("valencia"))
    return QStringLiteral("Valencian");
  if (rest == QLatin1String("u-co-trad"))
    return QStringLiteral("Traditional Sort");
  return rest;
}

QLocale::Language languageOf(const LocaleInfo &info) {
  return QLocale::codeToLanguage(splitTag(info.tag).language);
}

} // namespace

const LocaleInfo *localeTable(qsizetype *count) {
  *count = std::size(kLocales);
  return kLocales;
}

const LocaleInfo *findLocale(int lcid) {
  const auto it =
      std::lower_bound(std::begin(kLocales), std::end(kLocales), lcid,
                       [](const LocaleInfo &info, int value) { return int(info.lcid) < value; });
  return it != std::end(kLocales) && it->lcid == lcid ? it : nullptr;
}

QList<const LocaleInfo *> installedLocales() {
  static const QList<const LocaleInfo *> installed = [] {
    QList<const LocaleInfo *> list;
    for (const LocaleInfo &info : kLocales)
      if (languageOf(info) != QLocale::AnyLanguage)
        list.append(&info);
    return list;
  }();
  return installed;
}

QString englishLanguageName(int lcid) {
  const LocaleInfo *info = findLocale(lcid);
  if (!info)
    return {};
  const QLocale::Language language = languageOf(*info);
  return language == QLocale::AnyLanguage ? QString() : QLocale::languageToString(language);
}

bool isRightToLeftLanguage(int lcid) {
  if (lcid <= 0)
    return false;
  const LocaleInfo *info = findLocale(lcid);
  return info && QLocale(QString::fromLatin1(info->tag)).textDirection() == Qt::RightToLeft;
}

QString localizedLanguageName(int lcid) {
  const LocaleInfo *info = findLocale(lcid);
  if (!info)
    return {};
  const TagParts parts = splitTag(info->tag);
  const QLocale::Language language = QLocale::codeToLanguage(parts.language);
  if (language == QLocale::AnyLanguage)
    return {};
  QStringList details;
  if (!parts.script.isEmpty())
    details.append(scriptName(QLocale::codeToScript(parts.script)));
  else if (language == QLocale::Chinese)
    details.append(scriptName(QLocale(QString::fromLatin1(info->tag)).script()));
  if (!parts.region.isEmpty())
    details.append(regionName(parts.region));
  if (!parts.rest.isEmpty())
    details.append(variantName(parts.rest));
  for (QString &detail : details)
    detail = translatedName(detail);
  QString name = translatedName(QLocale::languageToString(language));
  if (!details.isEmpty())
    name += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
  return name;
}

int languageIdForLocale(const QLocale &locale) {
  const QString language = QLocale::languageToCode(locale.language());
  const QString script = QLocale::scriptToCode(locale.script());
  const QString region = QLocale::territoryToCode(locale.territory());
  int best = 1033;
  int bestScore = 0;
  for (const LocaleInfo &info : kLocales) {
    const TagParts parts = splitTag(info.tag);
    // Neutral locales and sort or spelling variants are never a user's locale.
    if (parts.language != language || parts.region.isEmpty() || !parts.rest.isEmpty())
      continue;
    const QString tagScript =
        parts.script.isEmpty()
            ? QLocale::scriptToCode(QLocale(QString::fromLatin1(info.tag)).script())
            : parts.script;
    int score = 1;
    if (parts.region == region)
      score += 4;
    if (tagScript == script)
      score += 2;
    if ((info.lcid >> 10) == 1) // SUBLANG_DEFAULT stands for the language
      score += 1;
    if (score > bestScore) {
      best = info.lcid;
      bestScore = score;
    }
  }
  return best;
}

int systemLanguageId() {
  return languageIdForLocale(QLocale::system());
}

} // namespace tarvelo

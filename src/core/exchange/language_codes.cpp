// The language codes of each machine-translation provider, by Windows language.
#include "exchange/language_codes.h"

#include "exchange/xliff_file.h"

#include <QHash>
#include <QSet>

namespace tarvelo {

namespace {

constexpr int primaryOf(int languageId) {
  return languageId & 0x3ff;
}
constexpr int subOf(int languageId) {
  return (languageId >> 10) & 0x3f;
}

// Chinese of Taiwan, Hong Kong and Macao is written in traditional characters.
bool traditionalChinese(int languageId) {
  const int sub = subOf(languageId);
  return sub == 1 || sub == 3 || sub == 5;
}

QString libreTranslateCode(int languageId, const QString &code) {
  if (code == QLatin1String("zh-CN"))
    return traditionalChinese(languageId) ? QStringLiteral("zt") : QStringLiteral("zh");
  if (code == QLatin1String("pt-PT"))
    return subOf(languageId) == 1 ? QStringLiteral("pb") : QStringLiteral("pt");
  if (code == QLatin1String("no"))
    return QStringLiteral("nb");
  return code.size() == 2 ? code : QString();
}

QString deeplCode(int languageId, const QString &code, bool asTarget) {
  // DeepL's documented languages.
  static const QSet<QString> known = {
      QStringLiteral("ar"), QStringLiteral("bg"), QStringLiteral("cs"), QStringLiteral("da"),
      QStringLiteral("de"), QStringLiteral("el"), QStringLiteral("en"), QStringLiteral("es"),
      QStringLiteral("et"), QStringLiteral("fi"), QStringLiteral("fr"), QStringLiteral("he"),
      QStringLiteral("hu"), QStringLiteral("id"), QStringLiteral("it"), QStringLiteral("ja"),
      QStringLiteral("ko"), QStringLiteral("lt"), QStringLiteral("lv"), QStringLiteral("nb"),
      QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("pt"), QStringLiteral("ro"),
      QStringLiteral("ru"), QStringLiteral("sk"), QStringLiteral("sl"), QStringLiteral("sv"),
      QStringLiteral("th"), QStringLiteral("tr"), QStringLiteral("uk"), QStringLiteral("vi"),
      QStringLiteral("zh")};
  QString base = code.left(2);
  if (code == QLatin1String("no"))
    base = QStringLiteral("nb");
  if (!known.contains(base))
    return QString();
  if (!asTarget)
    return base.toUpper();
  if (base == QLatin1String("zh"))
    return traditionalChinese(languageId) ? QStringLiteral("ZH-HANT") : QStringLiteral("ZH-HANS");
  if (base == QLatin1String("pt"))
    return subOf(languageId) == 1 ? QStringLiteral("PT-BR") : QStringLiteral("PT-PT");
  if (base == QLatin1String("en"))
    return subOf(languageId) == 2 ? QStringLiteral("EN-GB") : QStringLiteral("EN-US");
  return base.toUpper();
}

QString myMemoryCode(int languageId, const QString &code) {
  if (code == QLatin1String("zh-CN"))
    return traditionalChinese(languageId) ? QStringLiteral("zh-TW") : QStringLiteral("zh-CN");
  if (code == QLatin1String("pt-PT"))
    return subOf(languageId) == 1 ? QStringLiteral("pt-BR") : QStringLiteral("pt-PT");
  return code;
}

} // namespace

QString machineLanguageCode(int languageId) {
  static const QHash<int, QString> table = {
      {1, "ar"},     {2, "bg"},  {3, "ca"},  {4, "zh-CN"}, {5, "cs"},  {6, "da"},  {7, "de"},
      {8, "el"},     {9, "en"},  {10, "es"}, {11, "fi"},   {12, "fr"}, {13, "iw"}, {14, "hu"},
      {15, "is"},    {16, "it"}, {17, "ja"}, {18, "ko"},   {19, "nl"}, {20, "no"}, {21, "pl"},
      {22, "pt-PT"}, {24, "ro"}, {25, "ru"}, {26, "sh"},   {27, "sk"}, {28, "sq"}, {29, "sv"},
      {30, "th"},    {31, "tr"}, {32, "ur"}, {33, "id"},   {34, "uk"}, {35, "be"}, {36, "sl"},
      {37, "et"},    {38, "lv"}, {39, "lt"}, {41, "fa"},   {42, "vi"}, {43, "hy"}, {44, "az"},
      {45, "eu"},    {47, "mk"}, {54, "af"}, {55, "ka"},   {56, "fo"}, {57, "hi"}, {62, "ms"},
      {63, "kk"},    {64, "ky"}, {65, "sw"}, {67, "uz"},   {68, "tt"}, {69, "bn"}, {70, "pa"},
      {71, "gu"},    {72, "or"}, {73, "ta"}, {74, "te"},   {75, "kn"}, {76, "ml"}, {78, "mr"},
      {80, "mn"},    {89, "sd"}, {97, "ne"},
  };
  return table.value(primaryOf(languageId), QStringLiteral("not"));
}

QString providerLanguageCode(MtProviderKind provider, int languageId, bool asTarget) {
  if (languageId <= 0)
    return QString();
  if (provider == MtProviderKind::OpenAiCompatible) {
    const QString tag = languageTag(languageId);
    return tag == QLatin1String("x-neutral") ? QString() : tag;
  }
  QString code = machineLanguageCode(languageId);
  if (code == QLatin1String("not"))
    return QString();
  // The table's codes as today's services know them: Hebrew is "he"; the primary
  // language 26 is Croatian (sublanguage 1) or Serbian.
  if (code == QLatin1String("iw"))
    code = QStringLiteral("he");
  else if (code == QLatin1String("sh"))
    code = subOf(languageId) == 1 ? QStringLiteral("hr") : QStringLiteral("sr");
  switch (provider) {
  case MtProviderKind::LibreTranslate:
    return libreTranslateCode(languageId, code);
  case MtProviderKind::DeepL:
    return deeplCode(languageId, code, asTarget);
  case MtProviderKind::MyMemory:
    return myMemoryCode(languageId, code);
  case MtProviderKind::OpenAiCompatible:
    break;
  }
  return QString();
}

} // namespace tarvelo

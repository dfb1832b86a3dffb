// Languages of resource scripts: names, numbers, code pages and guards.
#pragma once

// Languages of resource scripts: the LANGUAGE statement's names and the facts derived
// from a language (code page, abbreviation, AFX_TARG_ guard).

#include <QString>
#include <QStringView>

namespace tarvelo {

// A Windows language identifier: primary language in the low 10 bits, sublanguage in
// the high 6. In language choosers -1 stands for "<No Language>" and 0 for "Neutral".
using LanguageId = int;

constexpr int primaryLanguage(LanguageId id) {
  return id & 0x3ff;
}
constexpr int subLanguage(LanguageId id) {
  return (id & 0xffff) >> 10;
}
constexpr LanguageId makeLanguageId(int primary, int sub) {
  return (primary | sub << 10) & 0xffff;
}

struct LanguageName {
  const char *name;
  int value;
};

// The LANG_ and SUBLANG_ names a LANGUAGE statement may use, with their winnt.h values.
const LanguageName *primaryLanguageNames(int *count);
const LanguageName *subLanguageNames(int *count);

// The language of a LANGUAGE statement from its two words. Names are matched exactly;
// other words count as the number they are written as (decimal, hexadecimal or
// octal), else as the decimal number their leading digits form (else 0).
LanguageId languageFromNames(QStringView primaryText, QStringView subText);

// The ANSI code page of the language; a language missing from the locale table takes
// the one of its primary language's default locale. 0 when unknown (and for -1).
int defaultCodePage(LanguageId id);

// The three-letter abbreviation ("ENU"); "NEU" for the neutral language, empty when
// unknown. Falls back like defaultCodePage.
QString languageAbbreviation(LanguageId id);

// "AFX_TARG_" followed by the abbreviation.
QString targetGuardName(LanguageId id);

// The code page as written into a script's code_page pragma: "1250" for the neutral
// language, the decimal defaultCodePage otherwise.
QString writtenCodePageText(LanguageId id);

} // namespace tarvelo

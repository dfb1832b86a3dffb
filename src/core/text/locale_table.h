// The Windows locale identifiers the program knows, with their code pages and tags.
#pragma once

// The Windows locale identifiers (LCIDs) the program knows, with the facts a resource
// script needs from them. Language and territory names come from QLocale built from the
// tag, so the table holds only what QLocale cannot know: the identifier, the ANSI code
// page and the three-letter abbreviation used in AFX_TARG_ guards.

#include <QList>
#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace tarvelo {

struct LocaleInfo {
  quint16 lcid;
  const char *tag;          // BCP-47, e.g. "en-US"; neutral locales have no region
  int ansiCodePage;         // 0 for locales that are Unicode only
  const char *abbreviation; // e.g. "ENU"
};

// Every locale of the table in ascending order of LCID.
const LocaleInfo *localeTable(qsizetype *count);

// The locale with exactly this identifier, or nullptr.
const LocaleInfo *findLocale(int lcid);

// The locales of the table that QLocale knows, in ascending order of LCID: what the
// language choosers offer.
QList<const LocaleInfo *> installedLocales();

// The English name of the locale's language ("German"), or empty when unknown.
QString englishLanguageName(int lcid);

// The language with its script and region as a language chooser shows it, in the
// language of the user interface: "German (Germany)", "Serbian (Latin, Serbia)" in
// English, "Deutsch (Deutschland)" in German. Empty when unknown.
QString localizedLanguageName(int lcid);

// The LCID that stands for a QLocale: the locale of the same language that agrees best
// in territory, then script, then is the language's default; 1033 when the language is
// not in the table.
int languageIdForLocale(const QLocale &locale);

// The LCID of the user's locale.
int systemLanguageId();

// Whether the language is written right to left; 0 and -1 count as left to right.
bool isRightToLeftLanguage(int lcid);

} // namespace tarvelo

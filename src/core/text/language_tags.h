// Languages given as BCP-47 tags ("de-DE", "zh-Hant-TW", "sr-Latn") or Windows numbers.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// The Windows language a tag names: a tag of the table itself (case and "_" aside),
// else the one of the same language, script and region ("zh-Hant-TW" is zh-TW, "sr-RS"
// Serbian in Cyrillic, as the language is written there); a tag without a region means
// the language where it is mostly spoken ("de" is de-DE, "sr-Latn" sr-Latn-RS). -1 when
// no Windows language has them.
int languageForTag(const QString &tag);

// The tags of the table nearest to an unknown one: the same language first, then by
// spelling; at most count.
QStringList nearestLanguageTags(const QString &tag, int count);

// A language as a user gives it: a number (decimal or 0x hexadecimal, -1 to 65535) or a
// tag. False with a message that suggests the nearest tags when it names none.
bool parseLanguage(const QString &text, int &language, QString &error);

} // namespace tarvelo

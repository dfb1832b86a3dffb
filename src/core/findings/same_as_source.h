// Whether a translation that equals its source is worth a finding.
#pragma once

#include <QString>

namespace tarvelo {

// True when the target is the source unchanged and the text is one a translator
// would normally translate: it has letters outside its format specifications and
// escapes, and it is not one of the few words programs usually keep ("OK").
bool suspectSameAsSource(const QString &source, const QString &target);

// True when the two languages differ in their primary language (an English text in an
// English variant is no finding); a language not known (below 0) counts as different.
bool languagesDiffer(int sourceLanguage, int targetLanguage);

} // namespace tarvelo

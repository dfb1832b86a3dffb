// A VERSIONINFO block declared again for another language.
#pragma once

#include <QString>

namespace tarvelo {

// A VERSIONINFO block declared again for a module in another language: the
// StringFileInfo block named by the source language (language and code page in
// hexadecimal, "040904b0") and the pairs of the "Translation" value that name the
// source language are turned to the target language. A code page of Unicode (1200)
// stays; an ANSI code page becomes the target language's, or Unicode when it has
// none. Everything else is kept as written.
QString adaptVersionInfo(const QString &block, int sourceLanguage, int targetLanguage);

} // namespace tarvelo

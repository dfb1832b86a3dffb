// Language codes for machine translation, per provider, from Windows language ids.
#pragma once

#include <QString>

namespace tarvelo {

enum class MtProviderKind { LibreTranslate, DeepL, MyMemory, OpenAiCompatible };

// The language code of the machine-translation table for a LanguageId, by its
// primary language; "not" for a language the table lacks.
QString machineLanguageCode(int languageId);

// The code a provider takes for a language, with the variants it knows (Chinese
// simplified or traditional, Portuguese of Brazil or Portugal, English of Britain or
// the States); empty when the provider does not translate that language. DeepL names
// source languages without their variant; a language model takes the language tag
// ("de-DE").
QString providerLanguageCode(MtProviderKind provider, int languageId, bool asTarget);

} // namespace tarvelo

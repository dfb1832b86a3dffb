// The code pages reading and writing a script choose.
#include "script/script_context.h"

#include "script/language.h"
#include "seam/settings.h"

namespace tarvelo {

int sideCodePage(const ScriptContext &context, int language, bool sourceSide) {
  if (language == -1 && context.settings)
    language = context.settings->integer(sourceSide ? QStringLiteral("SourceLanguage")
                                                    : QStringLiteral("TargetLanguage"));
  return defaultCodePage(language);
}

QString pragmaCodePage(bool utf8Output, int language) {
  return utf8Output ? QStringLiteral("65001") : writtenCodePageText(language);
}

} // namespace tarvelo

// The test for a translation left as its source.
#include "findings/same_as_source.h"

#include "workbench/format_specification.h"

#include <QStringList>

namespace tarvelo {

namespace {

// Kept small on purpose: words most translations keep as they are. Anything longer
// is better said in the translation or switched off for the project.
const QStringList &usuallyKept() {
  static const QStringList words = {
      QStringLiteral("OK"),        QStringLiteral("Info"),  QStringLiteral("Status"),
      QStringLiteral("Version"),   QStringLiteral("Email"), QStringLiteral("E-mail"),
      QStringLiteral("Copyright"), QStringLiteral("URL"),   QStringLiteral("ID")};
  return words;
}

// The text without its format specifications, escapes and access-key marks.
QString wordsOf(const QString &text) {
  QString out;
  int from = 0;
  QString spec;
  for (;;) {
    const int after = nextFormatSpecification(text, from, &spec);
    const int start = after < 0 ? int(text.size()) : after - int(spec.size()) - 1;
    for (int i = from; i < start; ++i) {
      if (text[i] == u'\\' && i + 1 < start)
        ++i; // "\n", "\t": no letter of the text
      else if (text[i] != u'&')
        out += text[i];
    }
    if (after < 0)
      return out;
    from = after;
  }
}

} // namespace

bool suspectSameAsSource(const QString &source, const QString &target) {
  if (target != source)
    return false;
  const QString words = wordsOf(source);
  bool letter = false;
  for (const QChar c : words)
    letter = letter || c.isLetter();
  if (!letter)
    return false;
  // "OK", "&OK", "Info:" and "Version..." alike.
  QString bare = words.trimmed();
  while (!bare.isEmpty() && (bare.back() == u'.' || bare.back() == u':'))
    bare.chop(1);
  return !usuallyKept().contains(bare.trimmed(), Qt::CaseInsensitive);
}

bool languagesDiffer(int sourceLanguage, int targetLanguage) {
  if (sourceLanguage < 0 || targetLanguage < 0)
    return true;
  return (sourceLanguage & 0x3FF) != (targetLanguage & 0x3FF);
}

} // namespace tarvelo

// Windows languages found by their BCP-47 tags, and the nearest tags to a wrong one.
#include "text/language_tags.h"

#include "text/locale_table.h"

#include <QLocale>
#include <algorithm>
#include <vector>

namespace tarvelo {

namespace {

struct Subtags {
  QString language, script, region;
  bool other = false; // a variant, extension or sort order
};

// The parts of a tag in their usual case: "zh-hant-tw" is zh, Hant, TW.
Subtags subtagsOf(const QString &tag) {
  const QStringList parts = QString(tag).replace(u'_', u'-').split(u'-');
  Subtags out;
  out.language = parts.value(0).toLower();
  qsizetype i = 1;
  if (i < parts.size() && parts[i].size() == 4 && parts[i].front().isLetter()) {
    out.script = parts[i].left(1).toUpper() + parts[i].mid(1).toLower();
    ++i;
  }
  if (i < parts.size() && (parts[i].size() == 2 || parts[i].size() == 3)) {
    out.region = parts[i].toUpper();
    ++i;
  }
  out.other = i < parts.size();
  return out;
}

// The script a tag is written in: its own, else the one QLocale knows for it.
QString scriptOf(const Subtags &parts, const QString &tag) {
  if (!parts.script.isEmpty())
    return parts.script;
  const QLocale locale(tag);
  return locale.language() == QLocale::C ? QString() : QLocale::scriptToCode(locale.script());
}

// The region a tag without one means: where QLocale places the language ("de" is
// spoken in Germany, "sr-Latn" in Serbia).
QString likelyRegion(const QString &tag, const QString &language) {
  const QLocale locale(tag);
  if (QLocale::languageToCode(locale.language()) != language)
    return QString();
  return QLocale::territoryToCode(locale.territory());
}

// Levenshtein distance, for suggesting tags; the tags are short.
int distance(const QString &a, const QString &b) {
  std::vector<int> row(size_t(b.size()) + 1);
  for (size_t j = 0; j < row.size(); ++j)
    row[j] = int(j);
  for (qsizetype i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = int(i);
    for (qsizetype j = 1; j <= b.size(); ++j) {
      const int above = row[size_t(j)];
      const int cost = a[i - 1].toLower() == b[j - 1].toLower() ? 0 : 1;
      row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + cost});
      diagonal = above;
    }
  }
  return row.back();
}

} // namespace

int languageForTag(const QString &tag) {
  qsizetype count = 0;
  const LocaleInfo *table = localeTable(&count);
  const QString wanted = QString(tag).replace(u'_', u'-');
  for (qsizetype i = 0; i < count; ++i)
    if (wanted.compare(QLatin1String(table[i].tag), Qt::CaseInsensitive) == 0)
      return table[i].lcid;
  Subtags parts = subtagsOf(wanted);
  if (parts.other || parts.language.isEmpty())
    return -1;
  const QString script = scriptOf(parts, wanted);
  if (parts.region.isEmpty())
    parts.region = likelyRegion(wanted, parts.language);
  int best = -1;
  for (qsizetype i = 0; i < count; ++i) {
    const QString own = QString::fromLatin1(table[i].tag);
    const Subtags candidate = subtagsOf(own);
    if (candidate.other || candidate.language != parts.language ||
        candidate.region != parts.region || scriptOf(candidate, own) != script)
      continue;
    // The tag that spells the script out is the more exact one.
    if (best < 0 || candidate.script == parts.script)
      best = table[i].lcid;
  }
  return best;
}

QStringList nearestLanguageTags(const QString &tag, int count) {
  qsizetype size = 0;
  const LocaleInfo *table = localeTable(&size);
  const QString language = subtagsOf(tag).language;
  std::vector<std::pair<int, QString>> ranked;
  for (qsizetype i = 0; i < size; ++i) {
    const QString own = QString::fromLatin1(table[i].tag);
    const Subtags parts = subtagsOf(own);
    if (parts.other)
      continue;
    // Tags of the language named in English or of the same language come first, the
    // nearest in spelling among them.
    const bool named = englishLanguageName(table[i].lcid).compare(tag, Qt::CaseInsensitive) == 0;
    const int rank = (named || parts.language == language ? 0 : 100) + distance(tag, own);
    ranked.emplace_back(rank, own);
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  QStringList out;
  for (size_t i = 0; i < ranked.size() && out.size() < count; ++i)
    out.append(ranked[i].second);
  return out;
}

bool parseLanguage(const QString &text, int &language, QString &error) {
  bool ok = false;
  language = text.toInt(&ok, 0);
  if (ok) {
    if (language >= -1 && language <= 0xffff)
      return true;
    error = QStringLiteral("the language number %1 is outside -1 to 65535").arg(text);
    return false;
  }
  language = languageForTag(text.trimmed());
  if (language >= 0)
    return true;
  error = QStringLiteral("'%1' is no language tag or number Windows knows; nearest: %2")
              .arg(text, nearestLanguageTags(text.trimmed(), 3).join(QStringLiteral(", ")));
  return false;
}

} // namespace tarvelo

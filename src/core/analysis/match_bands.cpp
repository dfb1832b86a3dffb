// The bands of an analysis: context match, repetition, the fuzzy score ranges, no match.
#include "analysis/match_bands.h"

#include <QStringList>

namespace tarvelo {

bool BandLimits::parse(const QString &text, BandLimits &limits, QString *error) {
  std::vector<int> lowest;
  for (const QString &part : text.split(u',')) {
    bool ok = false;
    const int score = part.trimmed().toInt(&ok);
    if (!ok || score < 1 || score > 100) {
      if (error)
        *error = QStringLiteral("bad band limit '%1' (a score from 1 to 100)").arg(part.trimmed());
      return false;
    }
    if (!lowest.empty() && score >= lowest.back()) {
      if (error)
        *error = QStringLiteral("the band limits must fall from one to the next: %1 follows %2")
                     .arg(score)
                     .arg(lowest.back());
      return false;
    }
    lowest.push_back(score);
  }
  limits.lowest = lowest;
  return true;
}

int BandLimits::bandOfScore(int score) const {
  for (size_t i = 0; i < lowest.size(); ++i)
    if (score >= lowest[i])
      return int(i) + 2;
  return noMatch();
}

QString BandLimits::label(int band) const {
  if (band == kContext)
    return QStringLiteral("Context match");
  if (band == kRepetition)
    return QStringLiteral("Repetition");
  if (band >= noMatch() || band < 0)
    return QStringLiteral("No match");
  const int low = lowest[size_t(band) - 2];
  const int high = band == 2 ? 100 : lowest[size_t(band) - 3] - 1;
  return low == high ? QStringLiteral("%1%").arg(low) : QStringLiteral("%1-%2%").arg(low).arg(high);
}

} // namespace tarvelo

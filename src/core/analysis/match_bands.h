// The bands of an analysis: context match, repetition, the fuzzy score ranges, no match.
#pragma once

#include "analysis/word_count.h"

#include <QString>
#include <vector>

namespace tarvelo {

// The lower limits of the score bands, highest first ("100,95,85,75,50").
struct BandLimits {
  std::vector<int> lowest{100, 95, 85, 75, 50};

  // Reads "100,95,85,75,50": scores from 1 to 100, each below the one before. False,
  // with the reason in *error, when the text is not such a list.
  static bool parse(const QString &text, BandLimits &limits, QString *error);

  // The bands are: context match, repetition, one per limit, no match.
  int count() const { return int(lowest.size()) + 3; }
  static constexpr int kContext = 0;
  static constexpr int kRepetition = 1;
  int noMatch() const { return count() - 1; }
  // The band of a best memory score (below every limit: no match).
  int bandOfScore(int score) const;
  // "Context match", "Repetition", "100%", "95-99%", ..., "No match".
  QString label(int band) const;
};

// What one band holds.
struct BandCount {
  int segments = 0;
  double words = 0;
  int characters = 0;

  void add(const TextCount &text, CountingRule rule, int primaryLanguage) {
    ++segments;
    words += text.weightedWords(rule, primaryLanguage);
    characters += text.characters;
  }
  void add(const BandCount &other) {
    segments += other.segments;
    words += other.words;
    characters += other.characters;
  }
};

} // namespace tarvelo

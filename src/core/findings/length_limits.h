// Longest translations allowed per identifier pattern, read from a limits file.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <vector>

namespace tarvelo {

// One line of a limits file: a wildcard over "KIND:IDENTIFIER" and its maximum.
struct LengthLimit {
  QString pattern;
  int maximum = 0;
  int line = 0; // in the file, from 1
  QRegularExpression expression;
};

// The lines "PATTERN MAXIMUM" of a limits file ("#" comments and blank lines
// skipped); the first pattern that matches an item gives its maximum.
class LengthLimits {
public:
  // False, with a message naming the file (and the line), when it cannot be read or
  // a line is not a pattern and a number.
  bool load(const QString &path, QString *error);
  bool parse(const QString &text, const QString &fileName, QString *error);

  bool isEmpty() const { return m_limits.empty(); }
  const QString &fileName() const { return m_fileName; }
  // The first limit whose pattern matches "KIND:IDENTIFIER" (any case), or null.
  const LengthLimit *match(const QString &kind, const QString &identifier) const;

private:
  std::vector<LengthLimit> m_limits;
  QString m_fileName;
};

// The characters of a script text as a program shows them: the access-key "&" not
// counted, "&&", an escape ("\t") and a doubled quote each one character.
int shownLength(const QString &text);

} // namespace tarvelo

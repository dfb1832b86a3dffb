// printf-style format specifications of a text, and whether two texts agree on them.
#pragma once

#include <QString>

namespace tarvelo {

// Finds the next printf-style format specification of the text from a position.
// Returns the position after it and sets spec to the text from the character after
// "%" to the type letter; returns -1 when the text holds no further specification.
int nextFormatSpecification(const QString &text, int from, QString *spec);

// Whether the two texts hold the same specifications in the same order.
bool sameFormatSpecifications(const QString &source, const QString &target);

} // namespace tarvelo

// Completing a typed translation from the memory's alternatives.
#include "tmclient/auto_completion.h"

namespace tarvelo {

std::optional<Completion> completeFromMemory(const QString &text, int selectionStart,
                                             int selectionEnd, const QStringList &alternatives) {
  const int length = int(text.size());
  const int caret = qBound(0, selectionStart, length);
  if (caret == 0 || selectionEnd != selectionStart || caret != length)
    return std::nullopt;
  for (const QString &alternative : alternatives) {
    if (alternative.size() < length || !alternative.startsWith(text, Qt::CaseSensitive))
      continue;
    // The typed text is itself the best remembered translation: nothing to add.
    if (alternative.size() == length)
      return std::nullopt;
    return Completion{alternative, caret, int(alternative.size())};
  }
  return std::nullopt;
}

} // namespace tarvelo

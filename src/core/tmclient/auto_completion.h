// Auto-completion of the editor's text from the memory's alternatives.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvelo {

// The editor's text after a completion, with the completed part selected.
struct Completion {
  QString text;
  int selectionStart = 0;
  int selectionEnd = 0;
};

// Completes what the translator typed from the memory's alternatives (most used
// first): only when nothing is selected and the caret stands at the end of a text
// that is not empty, with the first alternative that begins with the typed text
// exactly (case-sensitive); none when that alternative is the typed text itself.
std::optional<Completion> completeFromMemory(const QString &text, int selectionStart,
                                             int selectionEnd, const QStringList &alternatives);

} // namespace tarvelo

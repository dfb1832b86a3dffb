// Underlines the words of the target editor the dictionary does not know.
#pragma once

#include <QPointer>
#include <QSyntaxHighlighter>

namespace tarvelo {
class SpellService;
}

namespace tarvelo::gui {

// Underlines the words of the target editor that the target language's dictionary
// does not know. Answers are kept by the checker, so a line is checked in
// microseconds; while the dictionary loads nothing is underlined.
class SpellHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
public:
  SpellHighlighter(SpellService &service, QTextDocument *document);

protected:
  void highlightBlock(const QString &text) override;

private:
  QPointer<SpellService> m_service;
};

} // namespace tarvelo::gui

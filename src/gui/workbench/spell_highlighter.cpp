// Underlines the words of the target editor the dictionary does not know.
#include "workbench/spell_highlighter.h"

#include "spelling/spell_service.h"

#include <QTextCharFormat>

namespace tarvelo::gui {

SpellHighlighter::SpellHighlighter(SpellService &service, QTextDocument *document)
    : QSyntaxHighlighter(document), m_service(&service) {
  connect(&service, &SpellService::checkerChanged, this, &QSyntaxHighlighter::rehighlight);
}

void SpellHighlighter::highlightBlock(const QString &text) {
  SpellChecker *checker = m_service ? m_service->checker() : nullptr;
  if (!checker)
    return;
  QTextCharFormat format;
  format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  format.setUnderlineColor(Qt::red);
  for (const SpellWord &word : checker->misspelt(text))
    setFormat(word.start, word.end - word.start, format);
}

} // namespace tarvelo::gui

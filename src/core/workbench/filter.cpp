// The item list's filter: its stored conditions and which entries it accepts.
#include "workbench/filter.h"

#include "script/text_entry.h"
#include "script/verification.h"
#include "seam/settings.h"
#include "text/case_table.h"

namespace tarvelo {

namespace {

QString lowered(QString text) {
  caseLowerInPlace(reinterpret_cast<char16_t *>(text.data()), size_t(text.size()));
  return text;
}

bool equalIgnoringCase(const QString &a, const QString &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (caseLower(a[i].unicode()) != caseLower(b[i].unicode()))
      return false;
  return true;
}

bool chainHasOtherTarget(const TextEntry &entry) {
  for (const TextEntry *e = entry.prevOccurrence; e; e = e->prevOccurrence)
    if (!equalIgnoringCase(e->targetText, entry.targetText))
      return true;
  for (const TextEntry *e = entry.nextOccurrence; e; e = e->nextOccurrence)
    if (!equalIgnoringCase(e->targetText, entry.targetText))
      return true;
  return false;
}

} // namespace

Filter::Filter(Settings &settings) : m_settings(settings) {}

void Filter::load() const {
  if (m_loaded)
    return;
  m_loaded = true;
  m_flags = m_settings.integer(QStringLiteral("FilterFlags"));
  m_text = m_settings.text(QStringLiteral("FilterText"));
  m_loweredText = lowered(m_text);
  m_occurrence = m_settings.integer(QStringLiteral("FilterOcurence")) == 1 ? 1 : 0;
}

int Filter::flags() const {
  load();
  return m_flags;
}

QString Filter::text() const {
  load();
  return m_text;
}

int Filter::occurrence() const {
  load();
  return m_occurrence;
}

void Filter::store(int flags, const QString &text, int occurrence) {
  m_loaded = true;
  m_flags = flags;
  m_text = text;
  m_loweredText = lowered(text);
  m_occurrence = occurrence == 1 ? 1 : 0;
  m_settings.setInteger(QStringLiteral("FilterFlags"), m_flags);
  m_settings.setText(QStringLiteral("FilterText"), m_text);
  m_settings.setInteger(QStringLiteral("FilterOcurence"), m_occurrence);
}

bool Filter::accepts(const TextEntry &entry) const {
  load();
  const int flags = m_flags;
  // The cheap conditions first.
  if ((flags & FilterEmptyTarget) && entry.targetText.isEmpty())
    return true;
  if ((flags & FilterSameTexts) && equalIgnoringCase(entry.sourceText, entry.targetText))
    return true;
  if ((flags & FilterFailsInspection) && !entry.inspectionPassed)
    return true;
  if ((flags & FilterFuzzy) && entry.matchState == Fuzzy)
    return true;
  if (flags & FilterText) {
    if (m_loweredText.isEmpty())
      return true;
    const QString &searched = m_occurrence == 1 ? entry.targetText : entry.sourceText;
    if (lowered(searched).contains(m_loweredText))
      return true;
  }
  if ((flags & FilterDifferentOccurrences) && chainHasOtherTarget(entry))
    return true;
  if ((flags & FilterMisspelt) && m_misspelt && !entry.targetText.isEmpty() && m_misspelt(entry))
    return true;
  if ((flags & FilterDifferentInMemory) && m_memory && !entry.targetText.isEmpty()) {
    const QStringList results = m_memory(entry);
    if (!results.isEmpty() && !results.contains(entry.targetText))
      return true;
  }
  return (flags & FilterNotVerified) && !isVerified(&entry);
}

std::function<bool(const TextEntry &)> Filter::test() const {
  return [this](const TextEntry &entry) { return accepts(entry); };
}

} // namespace tarvelo

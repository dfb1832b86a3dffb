// The "Filter setup" dialog's state: captions, check boxes and accepting them.
#include "workbench/filter_setup_model.h"

#include "workbench/filter.h"

namespace tarvelo {

FilterSetupModel::FilterSetupModel(Filter &filter)
    : m_filter(filter), m_flags(filter.flags() & 0x1ff), m_text(filter.text()),
      m_in(filter.occurrence()) {}

QString FilterSetupModel::conditionCaption(int bit) {
  switch (bit) {
  case 0:
    return QStringLiteral("Empty translated text");
  case 1:
    return QStringLiteral("The same original texts, but different translated texts");
  case 2:
    return QStringLiteral("The same original and translated texts");
  case 3:
    return QStringLiteral("Is not qualified as the inspection");
  case 4:
    return QStringLiteral("Fuzzy mark");
  case 5:
    return QStringLiteral("Text");
  case 6:
    return QStringLiteral("Different text in the translation memory");
  case 7:
    return QStringLiteral("Not verified");
  case 8:
    return QStringLiteral("Misspelt words");
  default:
    return QString();
  }
}

QStringList FilterSetupModel::inChoices() {
  return {QStringLiteral("original text"), QStringLiteral("translated text")};
}

bool FilterSetupModel::isChecked(int bit) const {
  return bit >= 0 && bit < kConditionCount && (m_flags & (1 << bit));
}

void FilterSetupModel::setChecked(int bit, bool checked) {
  if (bit < 0 || bit >= kConditionCount)
    return;
  if (checked)
    m_flags |= 1 << bit;
  else
    m_flags &= ~(1 << bit);
}

bool FilterSetupModel::isEnabled(int bit) const {
  if (bit == 6)
    return m_filter.memoryBound();
  if (bit == 8)
    return m_filter.spellingAvailable();
  return true;
}

void FilterSetupModel::accept() {
  m_filter.store(m_flags, m_text, m_in);
}

} // namespace tarvelo

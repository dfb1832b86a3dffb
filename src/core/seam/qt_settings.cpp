#include "seam/qt_settings.h"

namespace tarvelo {

namespace {

const QString kGroup = QStringLiteral("Options");

QString pathOf(const QString &key) {
  return kGroup + u'/' + key;
}

} // namespace

// Qt names an empty organisation "Unknown Organization"; the program's own name as
// the organisation with no application gives Software\Tarvelo and ~/.config/Tarvelo.conf.
QtSettings::QtSettings() : m_settings(QStringLiteral("Tarvelo"), QString()) {}

QtSettings::QtSettings(const QString &iniPath) : m_settings(iniPath, QSettings::IniFormat) {}

QVariant QtSettings::stored(const QString &key) const {
  return m_settings.value(pathOf(key));
}

void QtSettings::store(const QString &key, const QVariant &value) {
  // Integers stay integers (a DWORD in the registry); everything else is text.
  if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt ||
      value.typeId() == QMetaType::LongLong)
    m_settings.setValue(pathOf(key), value.toInt());
  else
    m_settings.setValue(pathOf(key), value.toString());
  // Written at once, as the registry would be, so that another run sees it.
  m_settings.sync();
}

void QtSettings::clear() {
  m_settings.remove(kGroup);
  m_settings.sync();
}

} // namespace tarvelo

// The user-interface language: the program's translations and Qt's own.
#include "app/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvelo::gui {

bool installUserInterfaceLanguage(int language, const QString &folder, QTranslator &own,
                                  QTranslator &qt) {
  if (language <= 0 || language > 0xffff)
    return false;
  if (!own.load(QStringLiteral("tarvelo_%1").arg(language, 4, 10, QLatin1Char('0')), folder))
    return false;
  QCoreApplication::installTranslator(&own);
  const QString tag = own.language();
  if (!tag.isEmpty() && qt.load(QLocale(tag), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt);
  return true;
}

} // namespace tarvelo::gui

// The group a resource kind is listed under.
#include "script/resource_group.h"

#include <QCoreApplication>
#include <utility>

namespace tarvelo {

QString resourceGroupName(const QString &kind) {
  if (kind == QLatin1String("DLGINIT"))
    return QCoreApplication::translate("tarvelo::ResourceGroup", "Dialog controls init");
  if (kind == QLatin1String("DIALOG"))
    return QCoreApplication::translate("tarvelo::ResourceGroup", "Dialog");
  if (kind == QLatin1String("MENU"))
    return QCoreApplication::translate("tarvelo::ResourceGroup", "Menu");
  if (kind == QLatin1String("STRINGTABLE"))
    return QCoreApplication::translate("tarvelo::ResourceGroup", "String Table");
  // The standard kinds have translated names; their English is the rule's.
  static const std::pair<const char *, const char *> kStandard[] = {
      {"ACCELERATORS", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Accelerators")},
      {"ANICURSOR", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Anicursor")},
      {"ANIICON", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Aniicon")},
      {"BITMAP", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Bitmap")},
      {"CURSOR", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Cursor")},
      {"DESIGNINFO", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Designinfo")},
      {"FONT", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Font")},
      {"HTML", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Html")},
      {"ICON", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Icon")},
      {"MENUEX", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Menuex")},
      {"MESSAGETABLE", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Messagetable")},
      {"RCDATA", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Rcdata")},
      {"TEXTINCLUDE", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Textinclude")},
      {"TOOLBAR", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Toolbar")},
      {"VERSIONINFO", QT_TRANSLATE_NOOP("tarvelo::ResourceGroup", "Versioninfo")},
  };
  for (const auto &[standard, name] : kStandard)
    if (kind == QLatin1String(standard))
      return QCoreApplication::translate("tarvelo::ResourceGroup", name);
  return kind.left(1).toUpper() + kind.mid(1).toLower();
}

} // namespace tarvelo

#include "script/resource_group.h"

#include <QCoreApplication>

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
  return kind.left(1).toUpper() + kind.mid(1).toLower();
}

} // namespace tarvelo

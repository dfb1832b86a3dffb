#include "script/resource_group.h"

namespace tarvelo {

QString resourceGroupName(const QString &kind) {
  if (kind == QLatin1String("DLGINIT"))
    return QStringLiteral("Dialog controls init");
  if (kind == QLatin1String("DIALOG"))
    return QStringLiteral("Dialog");
  if (kind == QLatin1String("MENU"))
    return QStringLiteral("Menu");
  if (kind == QLatin1String("STRINGTABLE"))
    return QStringLiteral("String Table");
  return kind.left(1).toUpper() + kind.mid(1).toLower();
}

} // namespace tarvelo

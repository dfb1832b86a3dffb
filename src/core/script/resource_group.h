// The group a resource kind is listed under wherever resources are offered by kind.
#pragma once

#include <QString>

namespace tarvelo {

// The group a resource kind is listed under wherever resources are offered by kind:
// "Dialog controls init", "Dialog", "Menu", "String Table", and for other kinds the
// kind itself with only its first letter upper-case.
QString resourceGroupName(const QString &kind);

} // namespace tarvelo

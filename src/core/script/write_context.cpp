// The block writers' context as the settings give it.
#include "script/write_context.h"

#include "seam/settings.h"

namespace tarvelo {

WriteContext writeContextOf(const Settings &settings) {
  WriteContext context;
  context.savingOption = settings.integer(QStringLiteral("SavingOption"));
  context.userText = settings.text(QStringLiteral("UserText"));
  context.regenerateDialogs = settings.integer(QStringLiteral("RegenerateDialogs")) != 0;
  return context;
}

} // namespace tarvelo

// Which style words only align a control's text.
#include "dialogs/report_settings.h"

namespace tarvelo {

bool isAlignmentStyle(QStringView word) {
  static constexpr const char16_t *kWords[] = {
      u"WS_EX_RTLREADING", u"WS_EX_RIGHT", u"BS_CENTER", u"BS_RIGHT",
      u"BS_LEFT",          u"SS_CENTER",   u"SS_RIGHT",  u"SS_LEFT",
      u"SS_SIMPLE",        u"ES_CENTER",   u"ES_RIGHT",  u"ES_LEFT",
      u"BS_VCENTER",       u"BS_BOTTOM",   u"BS_TOP",    u"WS_EX_LEFTSCROLLBAR",
      u"BS_MULTILINE",
  };
  for (const char16_t *alignment : kWords)
    if (word == QStringView(alignment))
      return true;
  return false;
}

} // namespace tarvelo

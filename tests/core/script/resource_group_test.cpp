// The groups resources are listed under: the Part's four names, the standard kinds by
// a name of their own that a translation can give, and any other kind as written.
#include "script/resource_group.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(ResourceGroup, EachKindHasItsGroupsName) {
  const struct {
    const char *kind;
    const char *group;
  } cases[] = {
      {"DLGINIT", "Dialog controls init"},
      {"DIALOG", "Dialog"},
      {"MENU", "Menu"},
      {"STRINGTABLE", "String Table"},
      {"ACCELERATORS", "Accelerators"},
      {"ICON", "Icon"},
      {"VERSIONINFO", "Versioninfo"},
      {"TEXTINCLUDE", "Textinclude"},
      {"TOOLBAR", "Toolbar"},
      {"RCDATA", "Rcdata"},
      {"MENUEX", "Menuex"},
      {"HTML", "Html"},
      {"PNG", "Png"},
      {"AFX_DIALOG_LAYOUT", "Afx_dialog_layout"},
      {"24", "24"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(resourceGroupName(QLatin1String(c.kind)), QLatin1String(c.group)) << c.kind;
}

} // namespace
} // namespace tarvelo

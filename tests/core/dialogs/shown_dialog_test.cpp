// The face a dialog is drawn in, as Windows chooses it from the FONT statement and
// the dialog's styles.
#include "dialogs/shown_dialog.h"
#include "dialogs/text_measure.h"
#include "script/dialog_layout.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(ShownDialog, ShellFontDialogsGetTheShellFontOfWindows2000) {
  const struct {
    const char *header;
    const char *face;
  } cases[] = {
      {"IDD_A DIALOGEX 0, 0, 9, 9\nSTYLE DS_SHELLFONT | WS_POPUP\nFONT 8, \"MS Shell Dlg\"",
       "MS Shell Dlg 2"},
      {"IDD_A DIALOGEX 0, 0, 9, 9\nSTYLE DS_SETFONT | DS_FIXEDSYS\nFONT 8, \"ms shell dlg\"",
       "MS Shell Dlg 2"},
      // Without DS_SHELLFONT, in a DIALOG, or in another face, the face stays.
      {"IDD_A DIALOGEX 0, 0, 9, 9\nSTYLE DS_SETFONT | WS_POPUP\nFONT 8, \"MS Shell Dlg\"",
       "MS Shell Dlg"},
      {"IDD_A DIALOG 0, 0, 9, 9\nSTYLE DS_SHELLFONT\nFONT 8, \"MS Shell Dlg\"", "MS Shell Dlg"},
      {"IDD_A DIALOGEX 0, 0, 9, 9\nSTYLE DS_SHELLFONT\nFONT 8, \"Tahoma\"", "Tahoma"},
      {"IDD_A DIALOGEX 0, 0, 9, 9\nSTYLE DS_FIXEDSYS\nFONT 8, \"MS Shell Dlg\"", "MS Shell Dlg"},
  };
  for (const auto &c : cases) {
    const ParsedDialog dialog =
        parseDialogBlock(QString::fromLatin1(c.header) + QStringLiteral("\nBEGIN\nEND\n"));
    EXPECT_EQ(dialogFace(dialog.header), QLatin1String(c.face)) << c.header;
  }
  EXPECT_EQ(systemDialogFace(), QStringLiteral("System"));
}

} // namespace
} // namespace tarvelo

// The session runs the item checks with the inspection: after opening, after an edit
// (the other items of the menu included) and after undo, and explains them.
#include "core/workbench/session_fixture.h"
#include "support/qt_printers.h"
#include "workbench/item_checks.h"

#include <QSignalSpy>

namespace tarvelo {
namespace {

class SessionItemChecksTest : public test::SessionFixture<> {
protected:
  void SetUp() override {
    SessionFixture::SetUp();
    write("app.rc", "LANGUAGE 9, 1\nIDR_M MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n"
                    "  MENUITEM \"&Open\", 1\n  MENUITEM \"&Save\", 2\n  MENUITEM \"E&xit\", 3\n"
                    " END\nEND\n");
    write("app_de.rc", "LANGUAGE 7, 1\nIDR_M MENU\nBEGIN\n POPUP \"&Datei\"\n BEGIN\n"
                       "  MENUITEM \"\\326&ffnen\", 1\n  MENUITEM \"&Speichern\", 2\n"
                       "  MENUITEM \"&Beenden\", 3\n END\nEND\n");
    session.useItemChecks(&checks);
  }

  ItemChecks checks;
};

TEST_F(SessionItemChecksTest, EditsOfOneItemMarkItsSiblings) {
  ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, false, dir.filePath("app_de.rc"), 1031}),
            Session::OpenResult::Opened);
  EXPECT_EQ(failing(), "");
  QSignalSpy changed(&session, &Session::textsChanged);
  TextEntry *exit = find("3");
  session.selectEntry(exit);
  session.changeTargetText(exit, "&Schlie\u00dfen");
  EXPECT_EQ(failing(), "2 3");
  // The other item's row is shown again too.
  ASSERT_EQ(changed.size(), 1);
  const auto shown = changed.first().first().value<QList<TextEntry *>>();
  EXPECT_TRUE(shown.contains(find("2")));
  EXPECT_TRUE(session.explainInspection(find("2")));
  EXPECT_EQ(prompter.messages.last(),
            QString::fromUtf8("The access key 'S' is also used by \u201C&Schlie\u00dfen\u201D in "
                              "this menu."));
  session.undo();
  EXPECT_EQ(failing(), "");
  session.redo();
  EXPECT_EQ(failing(), "2 3");

  // Switched off in the settings: nothing is marked once the session checks again.
  settings.setText("CheckLevels", "same-access-key=off");
  QString error;
  ASSERT_TRUE(checks.load(settings, &error));
  session.recheckAll();
  EXPECT_EQ(failing(), "");
}

TEST_F(SessionItemChecksTest, ClashesInTheTargetAreMarkedWhenOpened) {
  write("app_de.rc", "LANGUAGE 7, 1\nIDR_M MENU\nBEGIN\n POPUP \"&Datei\"\n BEGIN\n"
                     "  MENUITEM \"&Bffnen\", 1\n  MENUITEM \"&Speichern\", 2\n"
                     "  MENUITEM \"&Beenden\", 3\n END\nEND\n");
  ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, false, dir.filePath("app_de.rc"), 1031}),
            Session::OpenResult::Opened);
  EXPECT_EQ(failing(), "1 3");
  // Closing forgets the findings: a later list may reuse the addresses.
  const TextEntry *open = find("1");
  ASSERT_TRUE(checks.fails(open));
  session.close();
  EXPECT_FALSE(checks.fails(open));
}

} // namespace
} // namespace tarvelo

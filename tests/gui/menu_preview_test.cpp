// The MENU board draws a menu as a menu is drawn: separators in their places, the arrow
// keys passing over them, checked and grayed items, and the captions as the translator
// wrote them.
#include "app/gui_resources.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/menu_view.h"

#include "widget_test_support.h"

#include <QFile>
#include <QFrame>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

const char kSource[] =
    "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
    "IDR_MENU MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n"
    "    MENUITEM \"&Open\\tCtrl+O\", 1\n    MENUITEM SEPARATOR\n"
    "    MENUITEM \"&Bold\", 2, CHECKED\n    MENUITEM \"Fish && Chips\", 3, GRAYED\n"
    "  END\n  MENUITEM \"&Help\", 4\nEND\n";
const char kTarget[] =
    "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
    "IDR_MENU MENU\nBEGIN\n  POPUP \"&Datei\"\n  BEGIN\n"
    "    MENUITEM \"\xc3\x96&ffnen\\tStrg+O\", 1\n    MENUITEM SEPARATOR\n"
    "    MENUITEM \"&Fett\", 2, CHECKED\n    MENUITEM \"Fisch && Pommes\", 3, GRAYED\n"
    "  END\n  MENUITEM \"&Hilfe\", 4\nEND\n";

void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(MenuPreview, SeparatorsChecksAndCaptionsAreDrawnAsInAMenu) {
  initGuiResources();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  writeFile(dir.filePath(QStringLiteral("menu.rc")), kSource);
  writeFile(dir.filePath(QStringLiteral("menu_de.rc")), QString::fromUtf8(kTarget).toLatin1());
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session(settings, prompter, progress);
  MainFrame frame(session);
  frame.resize(1000, 600);
  frame.show();
  ASSERT_EQ(session.open({dir.filePath(QStringLiteral("menu.rc")), 1033, false,
                          dir.filePath(QStringLiteral("menu_de.rc")), 1031}),
            Session::OpenResult::Opened);
  TextEntry *menu = entryNamed(session, QStringLiteral("IDR_MENU"), QStringLiteral("MENU"));
  ASSERT_NE(menu, nullptr);
  frame.openResource(menu);
  MenuView *view = frame.menuView();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Down); // into the popup
  QApplication::processEvents();
  EXPECT_EQ(session.currentEntry()->targetText, QStringLiteral("\u00d6&ffnen\\tStrg+O"));
  EXPECT_EQ(view->barCaptions(),
            QStringList({"&Datei|&Hilfe", "\u00d6&ffnen  \tStrg+O|&Fett|Fisch && Pommes"}));

  // The separator is a line between the first and the second item of the popup.
  const QList<QFrame *> frames = view->findChildren<QFrame *>();
  QFrame *popup = nullptr;
  for (QFrame *bar : frames)
    if (bar->findChildren<QToolButton *>().size() == 3)
      popup = bar;
  ASSERT_NE(popup, nullptr);
  const QList<QToolButton *> items = popup->findChildren<QToolButton *>();
  QList<QFrame *> lines;
  for (QFrame *child : popup->findChildren<QFrame *>())
    if (child->frameShape() == QFrame::HLine)
      lines.append(child);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_GT(lines[0]->y(), items[0]->y());
  EXPECT_LT(lines[0]->y(), items[1]->y());

  // Down passes over the separator, and stops at the last item.
  for (const char *expected : {"&Fett", "Fisch && Pommes", "Fisch && Pommes"}) {
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(session.currentEntry()->targetText, QString::fromUtf8(expected));
  }
  QTest::keyClick(view, Qt::Key_Up);
  QTest::keyClick(view, Qt::Key_Up);
  EXPECT_EQ(session.currentEntry()->targetText, QStringLiteral("\u00d6&ffnen\\tStrg+O"));

  if (!qEnvironmentVariableIsEmpty("TARVELO_SCREENSHOTS"))
    view->grab().save(qEnvironmentVariable("TARVELO_SCREENSHOTS") + "/menu_preview.png");
  prompter.answers = {Prompter::Answer::No};
  session.close();
}

} // namespace
} // namespace tarvelo::gui

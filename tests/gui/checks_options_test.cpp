// The Checks page of the options in the running window: a level set in its table
// switches a check on or off, and items are marked and explained as it says.
#include "app/workbench_assembly.h"
#include "options/checks_page.h"
#include "options/options_dialog.h"
#include "script/text_entry.h"
#include "workbench/item_list_model.h"
#include "workbench/item_roles.h"

#include "memory_workbench.h"
#include "menu_clicks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace tarvelo::gui {
namespace {

class ChecksOptionsTest : public MemoryWorkbenchTest {
protected:
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : workbench->session().entries())
      if (entry->kind == QLatin1String("MENU") && entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
  // The row of the rule in the Checks page's table.
  static int rowOf(ChecksPage *page, const QString &rule) {
    for (int row = 0; row < page->levels()->rowCount(); ++row)
      if (page->levels()->item(row, 0)->text() == rule)
        return row;
    return -1;
  }
  // Tools › Options, the Checks page, the rule's level chosen with the keyboard, OK.
  void setLevel(const QString &rule, const QString &level, bool sameAsSource = false) {
    whenShown<OptionsDialog>([=](OptionsDialog *dialog) {
      ChecksPage *page = dialog->checksPage();
      dialog->tabs()->setCurrentWidget(page);
      const int row = rowOf(page, rule);
      ASSERT_GE(row, 0) << rule.toStdString();
      QComboBox *box = page->levelBox(row);
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Home);
      while (box->currentText() != level && box->currentIndex() + 1 < box->count())
        QTest::keyClick(box, Qt::Key_Down);
      if (page->sameAsSource()->isChecked() != sameAsSource)
        QTest::mouseClick(page->sameAsSource(), Qt::LeftButton, {}, QPoint(8, 8));
      QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                        Qt::LeftButton);
    });
    ASSERT_TRUE(clickMenuPath(workbench->frame(), {"&Tools", "&Options..."}));
    QApplication::processEvents();
  }
  bool marked(TextEntry *entry) {
    ItemListModel &model = workbench->frame().itemList()->itemModel();
    for (int row = 0; row < model.rowCount(); ++row)
      if (model.entryAt(row) == entry)
        return model.index(row, 0).data(InspectionFailedRole).toBool();
    ADD_FAILURE() << "no row";
    return false;
  }
};

TEST_F(ChecksOptionsTest, LevelOffUnmarksTheMenuClash) {
  workbench->frame().show();
  TextEntry *save = find(QStringLiteral("ID_FILE_SAVE"));
  TextEntry *saveAs = find(QStringLiteral("ID_FILE_SAVE_AS"));
  ASSERT_TRUE(save && saveAs);
  ASSERT_FALSE(marked(save));
  // The edit of one item marks the other too.
  workbench->session().changeTargetText(saveAs, QStringLiteral("&Sichern unter..."));
  EXPECT_TRUE(marked(save));
  EXPECT_TRUE(marked(saveAs));
  prompter.answers = {Prompter::Answer::Ok};
  EXPECT_TRUE(workbench->session().explainInspection(save));
  EXPECT_TRUE(prompter.messages.last().contains(
      QString::fromUtf8("The access key 'S' is also used by \u201C&Sichern unter...\u201D")))
      << prompter.messages.last().toStdString();

  setLevel(QStringLiteral("same-access-key"), QStringLiteral("Off"));
  EXPECT_EQ(settings.text(QStringLiteral("CheckLevels")), QStringLiteral("same-access-key=off;"));
  EXPECT_FALSE(marked(save));
  EXPECT_FALSE(marked(saveAs));

  setLevel(QStringLiteral("same-access-key"), QStringLiteral("Error"));
  EXPECT_EQ(settings.text(QStringLiteral("CheckLevels")), QStringLiteral("same-access-key=error;"));
  EXPECT_TRUE(marked(save));
}

TEST_F(ChecksOptionsTest, EqualTextsAreMarkedOnceSwitchedOn) {
  workbench->frame().show();
  TextEntry *saveAs = find(QStringLiteral("ID_FILE_SAVE_AS"));
  ASSERT_NE(saveAs, nullptr);
  workbench->session().changeTargetText(saveAs, saveAs->sourceText);
  ASSERT_FALSE(marked(saveAs)) << saveAs->sourceText.toStdString();
  setLevel(QStringLiteral("same-as-source"), QStringLiteral("Warning"), true);
  EXPECT_EQ(settings.integer(QStringLiteral("SameAsSource")), 1);
  EXPECT_TRUE(marked(saveAs));
  setLevel(QStringLiteral("same-as-source"), QStringLiteral("Warning"), false);
  EXPECT_FALSE(marked(saveAs));
}

} // namespace
} // namespace tarvelo::gui

// The item list, resource tree, item menu, find and occurrences models.
#include "script/after_read.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/find.h"
#include "workbench/item_list_model.h"
#include "workbench/item_menu.h"
#include "workbench/item_roles.h"
#include "workbench/resource_tree_model.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class ModelsTest : public ::testing::Test {
protected:
  void open(const QByteArray &source) {
    QFile file(dir.filePath("app.rc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();
    ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, true, QString(), 1031}),
              Session::OpenResult::Opened);
  }
  TextEntry *find(const QString &identifier, int nth = 0) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier && nth-- == 0)
        return entry.get();
    return nullptr;
  }
  // The rows of the list as "source=target" joined by blanks.
  static QString rows(const ItemListModel &model) {
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
      out << model.entryAt(row)->sourceText + u'=' + model.entryAt(row)->targetText;
    return out.join(u' ');
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

const QByteArray kScript =
    "LANGUAGE 9, 1\n"
    "IDI_APP ICON \"app.ico\"\n"
    "IDR_M MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"Open\", ID_OPEN\n"
    " END\nEND\n"
    "STRINGTABLE\nBEGIN\n IDS_B \"Open\"\n IDS_A \"Open\"\n IDS_C \"Cancel\"\nEND\n";

TEST_F(ModelsTest, ItemListListsEachTextPairOnce) {
  open(kScript);
  ItemListModel model(session);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  model.rebuild();
  // The icon is no text, the menu's head has none; "Open" with no translation yet
  // is listed once for its three occurrences.
  EXPECT_EQ(rows(model), "&File= Open= Cancel=");
  find("IDS_A")->targetText = "Auf";
  model.rebuild();
  EXPECT_EQ(rows(model), "&File= Open= Open=Auf Cancel=");

  // The row of a repeat carries the entry made current.
  const int row = model.rowOf(find("IDS_B"));
  EXPECT_EQ(model.entryAt(row), find("IDS_B"));
  EXPECT_EQ(model.rowOf(find("ID_OPEN")), row);
  EXPECT_EQ(model.entryAt(row), find("ID_OPEN"));

  model.sort(ItemListModel::SourceColumn, Qt::DescendingOrder);
  EXPECT_EQ(rows(model), "Open= Open=Auf Cancel= &File=");
  model.sort(ItemListModel::TargetColumn, Qt::AscendingOrder);
  EXPECT_EQ(model.entryAt(model.rowCount() - 1)->targetText, "Auf");

  model.setFilter([](const TextEntry &entry) { return entry.targetText.isEmpty(); });
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), " Original Text");
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), " Translated Text");
  EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Comment:");
}

TEST_F(ModelsTest, StateAndCommentImages) {
  open(kScript);
  TextEntry *entry = find("IDS_C");
  struct Case {
    int state;
    bool passes, show;
    int image;
  } cases[] = {{NotFound, true, true, 0}, {FoundEmpty, true, true, 0}, {Matched, true, true, 3},
               {Filled, false, true, 9},  {Filled, false, false, 4},   {Fuzzy, false, true, 7}};
  for (const Case &c : cases) {
    entry->matchState = c.state;
    entry->inspectionPassed = c.passes;
    EXPECT_EQ(ItemListModel::stateImage(*entry, c.show), c.image) << c.state;
  }
  EXPECT_EQ(ItemListModel::commentImage(*entry), -1);
  entry->setSourceComment("s");
  EXPECT_EQ(ItemListModel::commentImage(*entry), 10);
  entry->setTargetComment("t");
  EXPECT_EQ(ItemListModel::commentImage(*entry), 11);
  entry->setSourceComment(QString());
  EXPECT_EQ(ItemListModel::commentImage(*entry), 12);
}

TEST_F(ModelsTest, ResourceTreeGroupsAndSortsResources) {
  open(kScript);
  ResourceTreeModel model(session);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  const QModelIndex root = model.index(0, 0);
  EXPECT_EQ(root.data().toString(), "Resources");
  QStringList groups;
  for (int i = 0; i < model.rowCount(root); ++i) {
    const QModelIndex group = model.index(i, 0, root);
    QStringList children;
    for (int j = 0; j < model.rowCount(group); ++j)
      children << model.index(j, 0, group).data().toString();
    groups << group.data().toString() + u':' + children.join(u',');
  }
  EXPECT_EQ(groups, QStringList({"Icon:IDI_APP", "Menu:IDR_M", "String Table:IDS_A,IDS_B,IDS_C"}));
  // Opening a menu makes its first item current; a string stands for itself.
  EXPECT_EQ(ResourceTreeModel::entryToOpen(find("IDR_M")), find("POPUP"));
  EXPECT_EQ(ResourceTreeModel::entryToOpen(find("IDS_C")), find("IDS_C"));
  EXPECT_EQ(model.entryAt(model.indexOf(find("ID_OPEN"))), find("IDR_M"));
}

TEST_F(ModelsTest, ItemMenuOffersEachTextOnce) {
  open(kScript);
  find("IDS_A")->targetText = "Auf";
  find("IDS_B")->targetText = "\u00d6ffnen & mehr";
  TextEntry *item = find("ID_OPEN");
  item->targetText = "Auf";
  const QString longText(40, u'x');
  const ItemMenu menu = itemMenu(*item, true, false, {"Auf", "\u00d6ffnen & mehr", longText});
  EXPECT_FALSE(menu.addToMemory == false);
  EXPECT_FALSE(menu.translate);
  ASSERT_EQ(menu.occurrences.size(), 1);
  EXPECT_EQ(menu.occurrences[0].label, "\u00d6ffnen && mehr");
  ASSERT_EQ(menu.memory.size(), 1); // the other two were listed already
  EXPECT_EQ(menu.memory[0].label, QString(30, u'x') + "...");
  EXPECT_EQ(menu.memory[0].text, longText);
}

TEST_F(ModelsTest, FindGoesOneWayWithoutWrapping) {
  open(kScript);
  ItemListModel model(session);
  model.rebuild(); // &File, Open, Cancel
  EXPECT_EQ(findItem(model, "OPEN", false, true, -1), 1);
  EXPECT_EQ(findItem(model, "OPEN", true, true, -1), -1);
  EXPECT_EQ(findItem(model, "file", false, false, 1), 0);
  EXPECT_EQ(findItem(model, "file", false, false, 0), -1); // up from the first row
  EXPECT_EQ(notFoundMessage("xyz"), "'xyz' can't be found");
}

TEST_F(ModelsTest, OccurrencesModelPassesTheTester) {
  open(kScript);
  QAbstractItemModelTester tester(&session.occurrences(),
                                  QAbstractItemModelTester::FailureReportingMode::Warning);
  session.selectEntry(find("IDS_A"));
  EXPECT_EQ(session.occurrences().rowCount(), 3);
  EXPECT_EQ(session.occurrences().index(0).data().toString(), "ID_OPEN (MENU IDR_M)");
  EXPECT_EQ(session.occurrences().index(1).data().toString(), "IDS_B (STRINGTABLE)");
  session.selectEntry(nullptr);
  EXPECT_EQ(session.occurrences().title(), "Occurrences");
}

} // namespace
} // namespace tarvelo

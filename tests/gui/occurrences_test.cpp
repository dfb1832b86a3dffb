// The occurrences view decides which entries take a new translation: every checked
// row, the current entry's own row included, and no unchecked one.
#include "app/gui_resources.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/main_frame.h"
#include "workbench/occurrences_view.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include "widget_test_support.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

void write(const QString &path, const QByteArray &text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// Three strings with the same source text; their translations as given.
QByteArray script(const char *language, const QList<QByteArray> &texts) {
  QByteArray text = QByteArray("LANGUAGE ") + language + "\n#pragma code_page(1252)\n";
  text += "STRINGTABLE\nBEGIN\n";
  const char *const ids[] = {"IDS_A", "IDS_B", "IDS_C"};
  for (int i = 0; i < 3; ++i)
    text += QByteArray("    ") + ids[i] + " \"" + texts[i] + "\"\n";
  return text + "END\n";
}

// A click on the check box of a row, where the item delegate draws it.
void clickCheckBox(QListView *list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  QStyleOptionViewItem option;
  option.initFrom(list);
  option.rect = list->visualRect(index);
  option.features |= QStyleOptionViewItem::HasCheckIndicator;
  option.text = index.data().toString();
  option.features |= QStyleOptionViewItem::HasDisplay;
  const QRect box =
      list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

class OccurrencesTest : public ::testing::Test {
protected:
  void open(const QList<QByteArray> &targets) {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    write(dir.filePath("en.rc"),
          script("LANG_ENGLISH, SUBLANG_ENGLISH_US", {"Open", "Open", "Open"}));
    write(dir.filePath("de.rc"), script("LANG_GERMAN, SUBLANG_GERMAN", targets));
    frame.resize(1200, 700);
    frame.show();
    OpenRequest request{dir.filePath("en.rc"), 1033, false, dir.filePath("de.rc"), 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    for (const auto &entry : session.entries())
      if (entry->kind == QLatin1String("STRINGTABLE"))
        strings.append(entry.get());
    ASSERT_EQ(strings.size(), 3);
  }

  QStringList targets() const {
    QStringList texts;
    for (const TextEntry *entry : strings)
      texts.append(entry->targetText);
    return texts;
  }

  QList<Qt::CheckState> checks() const {
    QList<Qt::CheckState> states;
    QAbstractItemModel *model = frame.occurrencesView()->list()->model();
    for (int row = 0; row < model->rowCount(); ++row)
      states.append(model->index(row, 0).data(Qt::CheckStateRole).value<Qt::CheckState>());
    return states;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
  QList<TextEntry *> strings;
};

TEST_F(OccurrencesTest, OnlyCheckedRowsTakeTheNewText) {
  const struct {
    const char *name;
    int unchecked; // row unchecked before typing, -1 for none
    QStringList after;
  } cases[] = {
      {"own row unchecked", 0, {"Offen", "Öffnen", "Öffnen"}},
      {"another row unchecked", 1, {"Öffnen", "Offen", "Öffnen"}},
      {"all checked", -1, {"Öffnen", "Öffnen", "Öffnen"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    session.close();
    strings.clear();
    open({"Offen", "Offen", "Offen"});
    frame.selectEntry(strings[0]);
    QApplication::processEvents();
    ASSERT_EQ(checks(), (QList<Qt::CheckState>(3, Qt::Checked)));
    if (c.unchecked >= 0) {
      clickCheckBox(frame.occurrencesView()->list(), c.unchecked);
      ASSERT_EQ(checks().value(c.unchecked), Qt::Unchecked);
    }
    typeTranslation(frame, QStringLiteral("Öffnen"));
    EXPECT_EQ(targets(), c.after);
  }
}

// An entry with a translation of its own checks the rows of its text when it becomes
// current, so that typing changes it and not the occurrences translated otherwise.
TEST_F(OccurrencesTest, AnotherTranslationOfTheSameSourceChecksItsOwnRows) {
  open({"Offen", "Auf", "Offen"});
  frame.selectEntry(strings[0]);
  QApplication::processEvents();
  EXPECT_EQ(checks(), (QList<Qt::CheckState>{Qt::Checked, Qt::Unchecked, Qt::Checked}));
  frame.selectEntry(strings[1]);
  QApplication::processEvents();
  EXPECT_EQ(checks(), (QList<Qt::CheckState>{Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
  typeTranslation(frame, QStringLiteral("Öffnen"));
  EXPECT_EQ(targets(), (QStringList{"Offen", "Öffnen", "Offen"}));
}

} // namespace
} // namespace tarvelo::gui

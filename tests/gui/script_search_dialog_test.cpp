// "Search resource files": the three ways to search, the filters and the hand-over.
#include "project/script_search_dialog.h"
#include "seam/settings.h"
#include "task/task_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

const char *const englishScript = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\n"
                                  "BEGIN\n    1 \"Open\"\nEND\n";
const char *const germanScript = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\nSTRINGTABLE\n"
                                 "BEGIN\n    1 \"Öffnen\"\nEND\n";

class ScriptSearchDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    write("tree/app.rc", englishScript);
    write("tree/res/app_de.rc", germanScript);
    write("tree/res/extra.RC2", englishScript);
    write("tree/.git/hidden.rc", englishScript);
    write("tree/readme.txt", "not a script");
    write("tree/vs/app.sln",
          "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"app\", \"app.vcxproj\", "
          "\"{1}\"\nEndProject\n");
    write("tree/vs/app.vcxproj",
          "<?xml version=\"1.0\"?>\n<Project xmlns=\"http://schemas.microsoft.com/developer/"
          "msbuild/2003\">\n<ItemGroup>\n<ResourceCompile Include=\"..\\app.rc\" />\n"
          "</ItemGroup>\n</Project>\n");
    write("tree/p.tvx",
          "TASK=A\r\n{\r\nSOURCEFILE=" + path("tree/app.rc").toUtf8() +
              "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=" + path("tree/res/app_de.rc").toUtf8() +
              "\r\nTARGETLANGUAGE=1031\r\n}\r\n");
    settings.setText(QStringLiteral("SearchPath"), path("tree"));
    settings.setText(QStringLiteral("SearchProject"), path("tree/vs/app.sln"));
    settings.setText(QStringLiteral("SearchTvxProject"), path("tree/p.tvx"));
  }
  void write(const QString &name, const QByteArray &data) {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  QString path(const QString &name) const { return dir.filePath(name); }

  static QSet<QString> listed(const ScriptSearchDialog &dialog) {
    QSet<QString> paths;
    for (int i = 0; i < dialog.results()->topLevelItemCount(); ++i)
      paths.insert(dialog.results()->topLevelItem(i)->text(0));
    return paths;
  }
  static bool waitForEnd(const ScriptSearchDialog &dialog) {
    const auto *count = dialog.findChild<QLabel *>(QStringLiteral("count"));
    return QTest::qWaitFor([&] { return !dialog.isSearching() && !count->text().isEmpty(); },
                           10000);
  }
  static QString countText(const ScriptSearchDialog &dialog) {
    return dialog.findChild<QLabel *>(QStringLiteral("count"))->text();
  }

  QTemporaryDir dir;
  MemorySettings settings;
};

TEST_F(ScriptSearchDialogTest, EachMethodListsItsScriptsOnce) {
  struct Case {
    int method;
    const char *radio;
    QStringList expected;
  };
  const Case cases[] = {
      {0, "folderMethod", {"tree/app.rc", "tree/res/app_de.rc", "tree/res/extra.RC2"}},
      {1, "visualCppMethod", {"tree/app.rc"}},
      {2, "projectMethod", {"tree/app.rc", "tree/res/app_de.rc"}},
  };
  settings.setInteger(QStringLiteral("SearchMethod"), 0);
  ScriptSearchDialog dialog(settings, path("tree/res/app_de.rc"));
  for (const Case &each : cases) {
    SCOPED_TRACE(each.radio);
    // Choosing a method starts its search; the first one starts with the dialog.
    if (each.method != 0)
      dialog.findChild<QRadioButton *>(QLatin1String(each.radio))->click();
    ASSERT_TRUE(waitForEnd(dialog));
    QSet<QString> expected;
    for (const QString &name : each.expected)
      expected.insert(path(name));
    EXPECT_EQ(listed(dialog), expected);
    EXPECT_EQ(countText(dialog), QStringLiteral("%1 files").arg(expected.size()));
    // The opener's path is selected when the search finds it.
    const QList<QTreeWidgetItem *> selected = dialog.results()->selectedItems();
    if (expected.contains(path("tree/res/app_de.rc"))) {
      ASSERT_EQ(selected.size(), 1);
      EXPECT_EQ(selected.front()->text(0), path("tree/res/app_de.rc"));
    } else {
      EXPECT_TRUE(selected.isEmpty());
    }
  }
}

TEST_F(ScriptSearchDialogTest, LanguageFilterNarrowsTheList) {
  settings.setInteger(QStringLiteral("SearchLanguageCheck"), 1);
  settings.setInteger(QStringLiteral("SearchLanguage"), 1031);
  ScriptSearchDialog dialog(settings, QString());
  ASSERT_TRUE(waitForEnd(dialog));
  EXPECT_EQ(listed(dialog), QSet<QString>{path("tree/res/app_de.rc")});
  // Turning the filter off searches again, without it.
  for (QCheckBox *box : dialog.findChildren<QCheckBox *>())
    if (box->text() == QLatin1String("Containing language:"))
      box->click();
  ASSERT_TRUE(waitForEnd(dialog));
  EXPECT_EQ(listed(dialog).size(), 3);
}

TEST_F(ScriptSearchDialogTest, HandsThePathOverAndKeepsTheSettings) {
  settings.setInteger(QStringLiteral("SearchLanguage"), 1036);
  ScriptSearchDialog dialog(settings, path("tree/app.rc"));
  ASSERT_TRUE(waitForEnd(dialog));
  QString source, target;
  QObject::connect(&dialog, &ScriptSearchDialog::sourceChosen,
                   [&](const QString &path) { source = path; });
  QObject::connect(&dialog, &ScriptSearchDialog::targetChosen,
                   [&](const QString &path) { target = path; });
  auto *close = dialog.findChild<QPushButton *>(QStringLiteral("close"));
  const QString closeBefore = close->text();
  dialog.findChild<QPushButton *>(QStringLiteral("setSource"))->click();
  EXPECT_EQ(source, path("tree/app.rc"));
  EXPECT_TRUE(target.isEmpty());
  EXPECT_EQ(close->text(), QStringLiteral("Close"));
  EXPECT_NE(closeBefore, close->text());

  dialog.findChild<QRadioButton *>(QStringLiteral("projectMethod"))->click();
  dialog.findChild<QPushButton *>(QStringLiteral("simpleDialog"))->click();
  EXPECT_EQ(dialog.result(), ScriptSearchDialog::SimpleDialog);
  EXPECT_FALSE(dialog.isSearching());
  EXPECT_EQ(settings.integer(QStringLiteral("SearchMethod")), 2);
  EXPECT_EQ(settings.integer(QStringLiteral("SearchLanguage")), 1036);
  EXPECT_EQ(settings.text(QStringLiteral("SearchTvxProject")), path("tree/p.tvx"));
}

TEST_F(ScriptSearchDialogTest, ClosingDuringASearchStopsIt) {
  // Enough folders that the search is still running when the dialog closes.
  for (int i = 0; i < 400; ++i)
    write(QStringLiteral("tree/many/%1/s.rc").arg(i), englishScript);
  settings.setInteger(QStringLiteral("SearchLanguageCheck"), 1);
  settings.setInteger(QStringLiteral("SearchLanguage"), 1031);
  auto dialog = std::make_unique<ScriptSearchDialog>(settings, QString());
  dialog->reject();
  EXPECT_FALSE(dialog->isSearching());
  EXPECT_EQ(dialog->results()->topLevelItemCount(), 0);
  // Results still queued from the stopped worker are dropped.
  QTest::qWait(50);
  EXPECT_EQ(dialog->results()->topLevelItemCount(), 0);
  EXPECT_EQ(settings.integer(QStringLiteral("SearchLanguageCheck")), 1);
  dialog.reset();
}

// Hands the next modal window of the given kind to act, as soon as it shows. The
// watch never blocks, so that the window's own event loop runs meanwhile.
template <typename Window> void whenShown(std::function<void(Window *)> act) {
  auto *watch = new QTimer;
  watch->setInterval(10);
  QObject::connect(watch, &QTimer::timeout, [watch, act] {
    if (auto *window = qobject_cast<Window *>(QApplication::activeModalWidget())) {
      watch->stop();
      watch->deleteLater();
      act(window);
    }
  });
  watch->start();
}

TEST_F(ScriptSearchDialogTest, BrowsingFollowsUseSearchBothWays) {
  TaskForm form(false);
  form.offerSearch(&settings, QString());
  settings.setInteger(QStringLiteral("UseSearch"), 1);
  form.specifyLater()->setChecked(true);

  // The search dialog sets both paths; closing it keeps "UseSearch".
  whenShown<ScriptSearchDialog>([this](ScriptSearchDialog *search) {
    waitForEnd(*search);
    for (int i = 0; i < search->results()->topLevelItemCount(); ++i)
      if (search->results()->topLevelItem(i)->text(0) == path("tree/res/app_de.rc"))
        search->results()->setCurrentItem(search->results()->topLevelItem(i));
    search->findChild<QPushButton *>(QStringLiteral("setTarget"))->click();
    search->reject();
  });
  form.sourceBrowse()->click();
  EXPECT_EQ(form.targetPath()->text(), path("tree/res/app_de.rc"));
  EXPECT_FALSE(form.specifyLater()->isChecked());
  EXPECT_EQ(settings.integer(QStringLiteral("UseSearch")), 1);

  // "Simple dialog..." goes over to the Open dialog, which is then the kind used last.
  whenShown<ScriptSearchDialog>([](ScriptSearchDialog *search) {
    whenShown<QFileDialog>([](QFileDialog *open) { open->reject(); });
    search->findChild<QPushButton *>(QStringLiteral("simpleDialog"))->click();
  });
  form.sourceBrowse()->click();
  EXPECT_EQ(settings.integer(QStringLiteral("UseSearch")), 0);

  // The Open dialog's "Search dialog..." goes back.
  whenShown<QFileDialog>([](QFileDialog *open) {
    whenShown<ScriptSearchDialog>([](ScriptSearchDialog *search) { search->reject(); });
    auto *button = open->findChild<QPushButton *>(QStringLiteral("searchDialog"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Search dialog..."));
    button->click();
  });
  form.sourceBrowse()->click();
  EXPECT_EQ(settings.integer(QStringLiteral("UseSearch")), 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace tarvelo::gui

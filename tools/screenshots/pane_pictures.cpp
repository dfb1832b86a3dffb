// The pictures of the project pane and of the search for resource files.
#include "project/project_pane.h"
#include "project/script_search_dialog.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

const char *const englishScript = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\n"
                                  "BEGIN\n    1 \"Open\"\nEND\n";
const char *const germanScript = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\nSTRINGTABLE\n"
                                 "BEGIN\n    1 \"Öffnen\"\nEND\n";

QByteArray utf16(const QString &text) {
  QByteArray bytes("\xFF\xFE", 2);
  for (const QChar c : text)
    bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return bytes;
}

class PanePictures : public ::testing::Test {
protected:
  void write(const QString &name, const QByteArray &data) {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  // The tree and the settings the search dialog's tests start from.
  void writeSearchTree() {
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
  static bool waitForEnd(const ScriptSearchDialog &dialog) {
    const auto *count = dialog.findChild<QLabel *>(QStringLiteral("count"));
    return QTest::qWaitFor([&] { return !dialog.isSearching() && !count->text().isEmpty(); },
                           10000);
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  ProjectPane pane{session};
};

// The project pane of the README.
TEST_F(PanePictures, ProjectPane) {
  const QString out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  ASSERT_FALSE(out.isEmpty()) << "TARVELO_SCREENSHOTS names the folder for the pictures";
  QString text;
  for (const char *module : {"Editor", "Viewer", "Setup"})
    for (const int language : {1031, 1036})
      text += "TASK=" + QString(module) + (language == 1031 ? " German" : " French") +
              "\r\n{\r\nSOURCEFILE=.\\" + module + "\\res\\" + QString(module).toLower() +
              ".rc\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=.\\" + module + "\\res\\" +
              QString(module).toLower() + (language == 1031 ? "_de" : "_fr") +
              ".rc\r\nTARGETLANGUAGE=" + QString::number(language) + "\r\n}\r\n";
  write("product.tvx", utf16(text));
  ASSERT_TRUE(pane.openProject(dir.filePath("product.tvx")));
  pane.selectTasks({0, 2});
  pane.removeTasks();
  pane.selectTasks({0, 1});
  pane.topLevelItem(0)->child(0)->setExpanded(true);
  pane.topLevelItem(0)->child(2)->setExpanded(true);
  pane.resize(520, 360);
  pane.show();
  QApplication::processEvents();
  ASSERT_TRUE(pane.grab().save(QDir(out).filePath("project-pane.png")));
}

// The dialog "Search Resource Files" of the README.
TEST_F(PanePictures, SearchResourceFiles) {
  writeSearchTree();
  const QString out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  ASSERT_FALSE(out.isEmpty()) << "TARVELO_SCREENSHOTS names the folder for the pictures";
  // A product tree as translators meet it: modules, their resources, a workspace.
  for (const char *module : {"Editor", "Viewer", "Setup"}) {
    const QString folder = QStringLiteral("product/%1/res/").arg(QLatin1String(module));
    write(folder + QString(QLatin1String(module)).toLower() + ".rc", englishScript);
    write(folder + QString(QLatin1String(module)).toLower() + "_de.rc", germanScript);
    write(folder + "version.rc2", englishScript);
  }
  settings.setText(QStringLiteral("SearchPath"), path("product"));
  settings.setInteger(QStringLiteral("SearchLanguageCheck"), 1);
  settings.setInteger(QStringLiteral("SearchLanguage"), 1031);
  ScriptSearchDialog dialog(settings, path("product/Viewer/res/viewer_de.rc"));
  ASSERT_TRUE(waitForEnd(dialog));
  // The temporary folder's name says nothing: the paths are shown from the product on.
  for (int i = 0; i < dialog.results()->topLevelItemCount(); ++i) {
    QTreeWidgetItem *item = dialog.results()->topLevelItem(i);
    item->setText(0, QStringLiteral("/home/anna/src") + item->text(0).mid(dir.path().size()));
  }
  const QList<QLineEdit *> paths = dialog.findChildren<QLineEdit *>();
  paths[0]->setText(QStringLiteral("/home/anna/src/product"));
  paths[1]->setText(QStringLiteral("/home/anna/src/product/product.sln"));
  paths[2]->setText(QStringLiteral("/home/anna/src/product/product.tvx"));
  dialog.resize(620, 420);
  dialog.show();
  QApplication::processEvents();
  ASSERT_TRUE(dialog.grab().save(QDir(out).filePath("search-resource-files.png")));
}

} // namespace
} // namespace tarvelo::gui

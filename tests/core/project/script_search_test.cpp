// Searching scripts by folder, Visual C++ files and project, links and depth.
#include "project/script_search.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// A source tree with scripts found by folder, by Visual C++ files and by a project.
class ScriptSearchTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QByteArray german = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\r\nSTRINGTABLE\r\nBEGIN\r\n"
                              "  1 \"Hallo\"\r\nEND\r\n";
    write("res/App.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\r\n");
    write("res/app_de.RC2", german);
    write("res/notes.txt", "");
    write("res/app.rcx", "");
    write("res/deep/er/d.rc", "");
    write(".hidden/h.rc", "");
    write("prj/prj.dsp", "# Microsoft Developer Studio Project File\r\n"
                         "SOURCE=..\\res\\app.rc\r\nSOURCE=.\\prj.cpp\r\n"
                         "SOURCE=..\\res\\missing.rc\r\nSOURCE=SOURCE=x.rc\r\n");
    write("ws.dsw", "Microsoft Developer Studio Workspace File\r\n"
                    "Project: \"prj\"=.\\PRJ\\Prj.dsp - Package Owner=<4>\r\n");
    write("vc/a.vcproj", "<Files>\r\n<File RelativePath=\".\\a.rc2\">\r\n"
                         "<File RelativePath=\"..\\res\\app.rc\">\r\n"
                         "<File RelativePath=\".\\a.cpp\">\r\n"
                         "<File FullPath=\"vc\\a.rc2\">\r\n</Files>\r\n");
    write("vc/a.rc2", "");
    write("vcx/b.vcxproj",
          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
          "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\r\n"
          "<ItemGroup>\r\n"
          "<ResourceCompile Include=\"$(ProjectDir)b.rc;..\\Res\\App_de.rc2\" />\r\n"
          "<ResourceCompile Include=\"$(SolutionDir)res\\deep\\er\\d.rc\" />\r\n"
          "<ResourceCompile Include=\"$(Configuration)\\gen.rc\" />\r\n"
          "<ClCompile Include=\"b.rc\" />\r\n"
          "</ItemGroup>\r\n</Project>\r\n");
    write("vcx/b.rc", "");
    write("vcx/gen.rc", "");
    write("broken/bad.vcxproj", "<Project><ItemGroup><ResourceCompile Include=\"a.rc\"/>"
                                "<ResourceCompile Include=\"b.rc\" </ItemGroup>");
    write("broken/a.rc", "");
    write("broken/b.rc", "");
    // Entities that would expand to gigabytes, and more attributes than any project has:
    // refused whole, the script they name as well.
    write(
        "hostile/lol.vcxproj",
        "<?xml version=\"1.0\"?>\n<!DOCTYPE Project [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>\n"
        "<Project><ItemGroup><ResourceCompile Include=\"h.rc\" Label=\"&c;&c;&c;\"/>"
        "</ItemGroup></Project>\n");
    QByteArray flood = "<Project><ItemGroup><ResourceCompile Include=\"h.rc\"";
    for (int i = 0; i < 1000; ++i)
      flood += " a" + QByteArray::number(i) + "=\"\"";
    write("hostile/flood.vcxproj", flood + "/></ItemGroup></Project>\n");
    write("hostile/h.rc", "");
    // A folder named like the macro it holds is replaced once, not again and again.
    write("$(ProjectDir)/loop.vcxproj",
          "<Project><ItemGroup><ResourceCompile Include=\"$(ProjectDir)l.rc\"/></ItemGroup>"
          "</Project>");
    write("$(ProjectDir)/l.rc", "");
    write("all.sln", "Microsoft Visual Studio Solution File, Format Version 12.00\r\n"
                     "Project(\"{8BC9}\") = \"a\", \"vc\\a.vcproj\", \"{1}\"\r\n"
                     "EndProject\r\n"
                     "PROJECT(\"{8BC9}\") = \"b\", \"VCX\\B.vcxproj\", \"{2}\"\r\n"
                     "Project(\"{8BC9}\") = \"self\", \"all.sln\", \"{3}\"\r\n");
    write("self.sln", "Project(\"{8BC9}\") = \"self\", \"self.sln.vcproj\", \"{3}\"\r\n");
    writeUtf16("p.tvx", "TASK=T\r\n{\r\nSOURCEFILE=.\\res\\app.rc\r\nSOURCELANGUAGE=1033\r\n"
                        "TARGETFILE=.\\res\\app_de.rc2\r\nTARGETLANGUAGE=1031\r\n}\r\n"
                        "TASK=U\r\n{\r\nSOURCEFILE=" +
                            dir.filePath("vc/a.rc2") + "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=" +
                            dir.filePath("vcx/b.rc") + "\r\nTARGETLANGUAGE=1031\r\n}\r\n");
  }

  void write(const QString &name, const QByteArray &content) {
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  void writeUtf16(const QString &name, const QString &text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text)
      bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    write(name, bytes);
  }

  // The scripts found, relative to the tree, sorted and without repeats.
  QStringList find(SearchRequest request) {
    std::atomic_bool stop = false;
    QStringList found;
    searchScripts(request, stop, [&](const QString &path) {
      const QString relative = QDir(dir.path()).relativeFilePath(path);
      if (!found.contains(relative))
        found.append(relative);
    });
    found.sort();
    return found;
  }
  SearchRequest request(SearchMethod method, const QString &start) {
    SearchRequest r;
    r.method = method;
    r.start = dir.filePath(start);
    return r;
  }

  QTemporaryDir dir;
};

TEST_F(ScriptSearchTest, FolderSearchIsRecursiveAndSkipsDotFolders) {
  EXPECT_EQ(
      find(request(SearchMethod::Folder, ".")),
      QStringList({"$(ProjectDir)/l.rc", "broken/a.rc", "broken/b.rc", "hostile/h.rc", "res/App.rc",
                   "res/app_de.RC2", "res/deep/er/d.rc", "vc/a.rc2", "vcx/b.rc", "vcx/gen.rc"}));
  // Trailing separators and blanks are dropped from the folder.
  EXPECT_EQ(find(request(SearchMethod::Folder, "res/ \\ ")),
            QStringList({"res/App.rc", "res/app_de.RC2", "res/deep/er/d.rc"}));
  EXPECT_TRUE(find(request(SearchMethod::Folder, "no-such-folder")).isEmpty());
}

TEST_F(ScriptSearchTest, ADeepTreeWithALinkBackUpIsSearchedOnceToItsBottom) {
  QString deep = "deep";
  for (int i = 0; i < 300; ++i)
    deep += "/d";
  write(deep + "/bottom.rc", "");
  ASSERT_TRUE(QFile::link(dir.filePath("deep"), dir.filePath(deep + "/up")));
  ASSERT_TRUE(QFile::link(dir.filePath("deep/d"), dir.filePath("deep/side")));
  SearchRequest deepest = request(SearchMethod::Folder, "deep");
  const std::atomic_bool stop{false};
  QStringList found;
  searchScripts(deepest, stop, [&found](const QString &path) { found.append(path); });
  // Reached through the folders or through the link beside them, but once.
  ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
  EXPECT_EQ(QFileInfo(found.front()).canonicalFilePath(),
            QFileInfo(dir.filePath(deep + "/bottom.rc")).canonicalFilePath());
}

TEST_F(ScriptSearchTest, VisualCppFilesNameTheirScripts) {
  struct Case {
    const char *file;
    QStringList expected;
  };
  const Case cases[] = {
      // The project line is matched in any case and its path found on a
      // case-sensitive file system.
      {"ws.dsw", {"res/App.rc"}},
      {"prj/prj.dsp", {"res/App.rc"}},
      {"vc/a.vcproj", {"res/App.rc", "vc/a.rc2"}},
      {"vcx/b.vcxproj", {"res/app_de.RC2", "vcx/b.rc"}},
      {"all.sln", {"res/App.rc", "res/app_de.RC2", "res/deep/er/d.rc", "vc/a.rc2", "vcx/b.rc"}},
      {"self.sln", {}},
      {"broken/bad.vcxproj", {"broken/a.rc"}},
      {"hostile/lol.vcxproj", {}},
      {"hostile/flood.vcxproj", {}},
      {"$(ProjectDir)/loop.vcxproj", {"$(ProjectDir)/l.rc"}},
      {"res/notes.txt", {}},
      {"missing.sln", {}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(find(request(SearchMethod::VisualCpp, c.file)), c.expected) << c.file;
}

TEST_F(ScriptSearchTest, FullPathIsTakenFromTheCurrentFolder) {
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  const QStringList found = find(request(SearchMethod::VisualCpp, "vc/a.vcproj"));
  QDir::setCurrent(previous);
  EXPECT_TRUE(found.contains("vc/a.rc2"));
}

TEST_F(ScriptSearchTest, ProjectGivesSourcesAndRcTargets) {
  // The .rc2 target contributes nothing; the sources and the .rc target do.
  EXPECT_EQ(find(request(SearchMethod::Project, "p.tvx")),
            QStringList({"res/App.rc", "vc/a.rc2", "vcx/b.rc"}));
}

TEST_F(ScriptSearchTest, LanguageAndDateFiltersNarrowTheResults) {
  SearchRequest german = request(SearchMethod::Folder, "res");
  german.language = 1031;
  EXPECT_EQ(find(german), QStringList({"res/app_de.RC2"}));
  german.language = 0;
  EXPECT_TRUE(find(german).isEmpty());

  const QDateTime old(QDate(2001, 5, 1), QTime(12, 0));
  QFile file(dir.filePath("res/App.rc"));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
  file.close();
  SearchRequest dated = request(SearchMethod::Folder, "res");
  dated.earliest = QDateTime(QDate(2001, 1, 1), QTime(0, 0));
  dated.latest = QDateTime(QDate(2001, 12, 31), QTime(23, 59));
  EXPECT_EQ(find(dated), QStringList({"res/App.rc"}));
  dated.earliest = QDateTime(QDate(2002, 1, 1), QTime(0, 0));
  dated.latest = QDateTime();
  EXPECT_EQ(find(dated), QStringList({"res/app_de.RC2", "res/deep/er/d.rc"}));
}

TEST_F(ScriptSearchTest, StopFlagEndsTheSearch) {
  std::atomic_bool stop = false;
  int seen = 0;
  const int count = searchScripts(request(SearchMethod::Folder, "."), stop, [&](const QString &) {
    ++seen;
    stop = true;
  });
  EXPECT_EQ(count, 1);
  EXPECT_EQ(seen, 1);
  stop = true;
  EXPECT_EQ(searchScripts(request(SearchMethod::VisualCpp, "all.sln"), stop,
                          [&](const QString &) { ++seen; }),
            0);
  EXPECT_EQ(seen, 1);
}

TEST_F(ScriptSearchTest, SymbolicLinkLoopsAndUnreadableFoldersArePassedOver) {
  ASSERT_TRUE(QFile::link(dir.filePath("res"), dir.filePath("res/deep/loop")));
  QDir().mkpath(dir.filePath("locked"));
  write("locked/x.rc", "");
  QFile::setPermissions(dir.filePath("locked"), QFileDevice::Permissions());
  EXPECT_EQ(find(request(SearchMethod::Folder, "res")),
            QStringList({"res/App.rc", "res/app_de.RC2", "res/deep/er/d.rc"}));
  const QStringList all = find(request(SearchMethod::Folder, "."));
  QFile::setPermissions(dir.filePath("locked"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_TRUE(all.contains("res/App.rc"));
}

} // namespace
} // namespace tarvelo

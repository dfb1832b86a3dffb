// An installed tree is found relative to the program, and the build tree's side-by-side
// layout is used when there is none.
#include "files/install_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Layout {
  const char *name;
  bool installedTranslations; // prefix/share/tarvelo/translations exists
  bool helperInLibexec;       // prefix/libexec/tarvelo/tool exists
  bool helperExecutable;      // and may be run
  const char *translations;   // expected, relative to the prefix
  const char *helper;         // expected, relative to the prefix
};

const Layout kLayouts[] = {
    {"BuildTree", false, false, false, "bin", "bin/tool"},
    {"Installed", true, true, true, "share/tarvelo/translations", "libexec/tarvelo/tool"},
    {"HelperNotExecutable", true, true, false, "share/tarvelo/translations", "bin/tool"},
    {"OnlyTranslations", true, false, false, "share/tarvelo/translations", "bin/tool"},
};

class InstallLayout : public testing::TestWithParam<Layout> {};

void makeFile(const QString &path, bool executable) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n");
  file.close();
  QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
  if (executable)
    permissions |= QFile::ExeOwner;
  ASSERT_TRUE(file.setPermissions(permissions));
}

TEST_P(InstallLayout, FindsThePartsRelativeToTheProgram) {
  const Layout &layout = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QDir prefix(dir.path());
  ASSERT_TRUE(prefix.mkpath(QStringLiteral("bin")));
  if (layout.installedTranslations) {
    ASSERT_TRUE(prefix.mkpath(QStringLiteral("share/tarvelo/translations")));
  }
  if (layout.helperInLibexec) {
    ASSERT_TRUE(prefix.mkpath(QStringLiteral("libexec/tarvelo")));
    makeFile(prefix.filePath(QStringLiteral("libexec/tarvelo/tool")), layout.helperExecutable);
  }
  const QString program = prefix.filePath(QStringLiteral("bin"));
  EXPECT_EQ(translationsFolder(program), prefix.filePath(QString::fromUtf8(layout.translations)));
  EXPECT_EQ(companionProgram(program, QStringLiteral("tool")),
            prefix.filePath(QString::fromUtf8(layout.helper)));
}

INSTANTIATE_TEST_SUITE_P(Layouts, InstallLayout, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout> &info) {
                           return std::string(info.param.name);
                         });

TEST(InstallLayout, TheLibraryBesideTheProgramComesFirstThenTheLibraryFolder) {
  const QStringList candidates = memoryLibraryCandidates(QStringLiteral("/opt/t/bin"));
  ASSERT_EQ(candidates.size(), 2);
  EXPECT_EQ(candidates[0], QStringLiteral("/opt/t/bin/kestrine"));
  EXPECT_TRUE(candidates[1].startsWith(QStringLiteral("/opt/t/lib")))
      << candidates[1].toStdString();
  EXPECT_TRUE(candidates[1].endsWith(QStringLiteral("/kestrine")));
  EXPECT_EQ(memoryLibraryMajorVersion(), 1);
}

} // namespace
} // namespace tarvelo

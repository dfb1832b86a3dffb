// Tests: program copies with German added run under Wine, whichever way their resource
// section was placed, and load the German string; the originals do not find it.
#include "compiled/program_copy.h"
#include "compiled/string_block.h"
#include "mingw_program.h"
#include "support/qt_printers.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace tarvelo {
namespace {

struct WineCase {
  const char *name;
  QStringList flags;
  bool resources;
  qsizetype extra; // bytes of German data besides the string, to outgrow the section
  ResourcePlacement placement;
};

const WineCase kCases[] = {
    {"rewritten", {"-s"}, true, 0, ResourcePlacement::Rewritten},
    {"grown", {"-s", "-Wl,--disable-reloc-section"}, true, 20000, ResourcePlacement::Grown},
    {"relocations", {"-s"}, true, 20000, ResourcePlacement::RelocationsMoved},
    {"unstripped", {}, true, 20000, ResourcePlacement::NewSection},
    {"packed", {"-s"}, false, 0, ResourcePlacement::NewSection},
};

QList<CompiledResource> german(qsizetype extra) {
  QStringList strings(16);
  strings[1] = QStringLiteral("\u00d6ffnen");
  CompiledResource block;
  block.type = ResourceId::fromNumber(6);
  block.name = ResourceId::fromNumber(1);
  block.language = 0x0407;
  block.data = writeStringBlock(strings);
  QList<CompiledResource> resources = {block};
  if (extra) {
    CompiledResource data = block;
    data.type = ResourceId::fromNumber(10);
    data.data = QByteArray(extra, 'g');
    resources << data;
  }
  return resources;
}

// One prefix for every run of this test program: it takes Wine a minute to make.
QString prefix() {
  static QTemporaryDir folder;
  return folder.filePath("prefix");
}

// Runs each program of the folder (with its arguments after a space); what each printed.
QStringList runUnderWine(const QString &folder, const QStringList &programs) {
  const QString wine = QStandardPaths::findExecutable("wine");
  QStringList printed;
  for (const QString &program : programs) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINEPREFIX", prefix());
    environment.insert("WINEDEBUG", "-all");
    // Wine's default language follows the locale: English, whatever the machine's.
    environment.insert("LC_ALL", "C");
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(folder);
    run.start(wine, program.split(u' '));
    run.waitForFinished(600000);
    printed << QString::fromLatin1(run.readAllStandardOutput()).remove(u'\r');
  }
  return printed;
}

const QString kGerman = QStringLiteral("6 00d6 0066 0066 006e 0065 006e\n");
const QString kEnglish = QStringLiteral("4 004f 0070 0065 006e\n");

TEST(WineProgramCopy, EachCopyRunsAndLoadsItsGermanString) {
  ASSERT_FALSE(QStandardPaths::findExecutable("wine").isEmpty())
      << "wine is installed by the set-up";
  QTemporaryDir dir;
  QStringList programs;
  for (const WineCase &wineCase : kCases) {
    const QString name = QString::fromLatin1(wineCase.name);
    ASSERT_TRUE(test::buildProgram(dir.path(), "x86_64-w64-mingw32", name + ".exe", wineCase.flags,
                                   wineCase.resources));
    const ProgramCopy copy =
        writeProgramCopy(test::readBytes(dir.filePath(name + ".exe")), german(wineCase.extra));
    ASSERT_TRUE(copy.report.ok()) << name.toStdString() << ": " << copy.report.error.toStdString();
    EXPECT_EQ(copy.report.placement, wineCase.placement) << name.toStdString();
    ASSERT_TRUE(test::writeBytes(dir.filePath(name + "_de.exe"), copy.image));
    programs << name + ".exe" << name + "_de.exe";
  }
  const QStringList printed = runUnderWine(dir.path(), programs);
  for (qsizetype i = 0; i < programs.size(); i += 2) {
    const bool resources = kCases[i / 2].resources;
    // The original: English where it has resources, and no German block.
    EXPECT_EQ(printed[i], (resources ? kEnglish : QStringLiteral("0\n")) + "none\n")
        << programs[i].toStdString();
    // The copy: the German user interface loads German, and German's block holds it.
    EXPECT_EQ(printed[i + 1], kGerman + kGerman) << programs[i + 1].toStdString();
  }
}

// A library whose pointer the loader must relocate, and a program that loads it at an
// address taken, then prints the pointed-to word, whether it moved, and German string 1.
const char kLibrary[] =
    "const char *const words[] = {\"relocated\"};\n"
    "__declspec(dllexport) const char *libraryWord(void) { return words[0]; }\n";
const char kLibraryUser[] = R"(#include <windows.h>
#include <stdio.h>
int main(int argc, char **argv) {
  HMODULE m = LoadLibraryA(argv[1]);
  if (!m) { printf("not loaded %lu\n", GetLastError()); return 1; }
  const char *(*word)(void) = (const char *(*)(void))GetProcAddress(m, "libraryWord");
  printf("%s %d\n", word ? word() : "none", (ULONG_PTR)m != 0x140000000);
  HRSRC r = FindResourceExW(m, (LPCWSTR)RT_STRING, MAKEINTRESOURCEW(1), 0x0407);
  const WORD *units = r ? (const WORD *)LockResource(LoadResource(m, r)) : NULL;
  if (!units) { printf("none\n"); return 0; }
  units += 1 + units[0];
  printf("%d", units[0]);
  for (int i = 1; i <= units[0]; ++i) printf(" %04x", units[i]);
  printf("\n");
  return 0;
}
)";

// The library's base is the program's, so the loader relocates it through the .reloc
// section that moved up after the grown resources.
TEST(WineProgramCopy, ARelocatedLibrarysCopyKeepsItsRelocations) {
  QTemporaryDir dir;
  const QString gcc = "x86_64-w64-mingw32-gcc";
  ASSERT_TRUE(test::writeBytes(dir.filePath("lib.c"), kLibrary) &&
              test::writeBytes(dir.filePath("use.c"), kLibraryUser));
  ASSERT_TRUE(test::buildProgram(dir.path(), "x86_64-w64-mingw32", "unused.exe", {"-s"}));
  ASSERT_TRUE(test::runTool(dir.path(), gcc,
                            {"-shared", "-s", "-o", "lib.dll", "lib.c", "x86_64-w64-mingw32_res.o",
                             "-Wl,--image-base=0x140000000"}));
  ASSERT_TRUE(test::runTool(dir.path(), gcc, {"-o", "use.exe", "use.c"}));
  const ProgramCopy copy =
      writeProgramCopy(test::readBytes(dir.filePath("lib.dll")), german(20000));
  ASSERT_TRUE(copy.report.ok()) << copy.report.error.toStdString();
  EXPECT_EQ(copy.report.placement, ResourcePlacement::RelocationsMoved);
  ASSERT_TRUE(test::writeBytes(dir.filePath("lib_de.dll"), copy.image));
  const QStringList printed = runUnderWine(dir.path(), {"use.exe lib.dll", "use.exe lib_de.dll"});
  EXPECT_EQ(printed[0], QStringLiteral("relocated 1\nnone\n"));
  EXPECT_EQ(printed[1], "relocated 1\n" + kGerman);
}

// The same for a 32-bit program, where Wine runs 32-bit programs (wine32).
TEST(WineProgramCopy, A32BitCopyLoadsItsGermanString) {
  // Debian's 32-bit loader comes with wine32, of the i386 architecture.
  if (!QFile::exists("/usr/lib/wine/wine"))
    GTEST_SKIP() << "wine32 is not installed (it needs dpkg --add-architecture i386)";
  QTemporaryDir dir;
  ASSERT_TRUE(test::buildProgram(dir.path(), "i686-w64-mingw32", "program.exe", {"-s"}));
  const ProgramCopy copy =
      writeProgramCopy(test::readBytes(dir.filePath("program.exe")), german(20000));
  ASSERT_TRUE(copy.report.ok()) << copy.report.error.toStdString();
  EXPECT_EQ(copy.report.placement, ResourcePlacement::RelocationsMoved);
  ASSERT_TRUE(test::writeBytes(dir.filePath("program_de.exe"), copy.image));
  const QStringList printed = runUnderWine(dir.path(), {"program.exe", "program_de.exe"});
  EXPECT_EQ(printed[0], kEnglish + "none\n");
  EXPECT_EQ(printed[1], kGerman + kGerman);
}

} // namespace
} // namespace tarvelo

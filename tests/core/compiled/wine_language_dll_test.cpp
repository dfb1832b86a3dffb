// Tests: Windows' loader (Wine's) finds each language of a language DLL we write and
// loads its strings, as a program that uses the DLL does.
#include "compiled/language_dll.h"
#include "compiled/string_block.h"
#include "support/wine_runner.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Loads the DLL as a data file, then for each language asked finds string block 1 and
// loads string 5 of it: "language found text" a line.
const char kLoader[] = R"(#include <windows.h>
#include <stdio.h>
int main(int argc, char **argv) {
  HMODULE m = LoadLibraryExA(argv[1], NULL,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!m) { printf("not loaded %lu\n", GetLastError()); return 1; }
  for (int i = 2; i < argc; ++i) {
    WORD language = (WORD)strtol(argv[i], NULL, 16);
    HRSRC r = FindResourceExW(m, (LPCWSTR)RT_STRING, MAKEINTRESOURCEW(1), language);
    printf("%04x %d", language, r != NULL);
    if (r) {
      const WORD *units = (const WORD *)LockResource(LoadResource(m, r));
      for (int s = 0; s < 5; ++s) units += 1 + units[0];
      for (int c = 1; c <= units[0]; ++c) printf(" %04x", units[c]);
    }
    printf("\n");
  }
  return 0;
}
)";

TEST(WineLanguageDll, TheLoaderFindsEachLanguageAndItsStrings) {
  const QString gcc = QStandardPaths::findExecutable("x86_64-w64-mingw32-gcc");
  ASSERT_TRUE(test::missingWineTools().isEmpty() && !gcc.isEmpty())
      << "wine, xvfb and mingw-w64 are installed by the set-up (tools/setup.sh)";
  QTemporaryDir dir;
  QFile source(dir.filePath("load.c"));
  ASSERT_TRUE(source.open(QIODevice::WriteOnly));
  source.write(kLoader);
  source.close();
  QProcess build;
  build.start(gcc, {"-o", dir.filePath("load.exe"), source.fileName()});
  ASSERT_TRUE(build.waitForFinished(120000) && build.exitCode() == 0)
      << build.readAllStandardError().toStdString();

  // Three languages of block 1, given in an order the loader could not search.
  QList<CompiledResource> resources;
  for (const auto &[language, text] : {std::pair{quint16(0x040C), QStringLiteral("Ouvrir")},
                                       std::pair{quint16(0x0407), QStringLiteral("\u00d6ffnen")},
                                       std::pair{quint16(0x0409), QStringLiteral("Open")}}) {
    CompiledResource r;
    r.type = ResourceId::fromNumber(6);
    r.name = ResourceId::fromNumber(1);
    r.language = language;
    QStringList strings(16);
    strings[5] = text;
    r.data = writeStringBlock(strings);
    resources << r;
  }
  QFile dll(dir.filePath("lang.dll"));
  ASSERT_TRUE(dll.open(QIODevice::WriteOnly));
  dll.write(writeLanguageDll(resources, true));
  dll.close();

  // The test program's prefix, made once for all its runs.
  QString error;
  ASSERT_TRUE(test::prepareWinePrefix(error)) << error.toStdString();
  const test::WineRun run =
      test::runUnderWine(dir.path(), {"load.exe", "lang.dll", "0407", "0409", "040c", "0410"});
  ASSERT_TRUE(run.finished) << run.err.toStdString();
  const QString &out = run.out;
  EXPECT_EQ(out, QStringLiteral("0407 1 00d6 0066 0066 006e 0065 006e\n"
                                "0409 1 004f 0070 0065 006e\n"
                                "040c 1 004f 0075 0076 0072 0069 0072\n"
                                "0410 0\n"))
      << run.err.toStdString();
}

} // namespace
} // namespace tarvelo

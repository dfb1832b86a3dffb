// Tests: the resources of programs built with mingw-w64 (32- and 64-bit) read from their
// resource directory equal windres' own .res of the same script; damaged programs are
// refused with their place.
#include "compiled/pe_resources.h"

#include "support/resource_lines.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Two languages, every kind of name, and a resource of the program's own type.
const char kScript[] =
    "LANGUAGE 9, 1\n"
    "STRINGTABLE\nBEGIN\n 1 \"Open\"\n 17 \"Save as\"\nEND\n"
    "IDR_MAIN MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"E&xit\", 100\n END\nEND\n"
    "101 DIALOGEX 0, 0, 100, 50\nSTYLE 0x80C80048\nCAPTION \"About\"\n"
    "FONT 8, \"MS Shell Dlg\", 400, 0, 1\nBEGIN\n LTEXT \"Example\", -1, 5, 5, 90, 8\n"
    " DEFPUSHBUTTON \"OK\", 1, 45, 30, 50, 14\nEND\n"
    "config MYDATA\nBEGIN\n \"abc\\0\"\nEND\n"
    "LANGUAGE 7, 1\n"
    "STRINGTABLE\nBEGIN\n 1 \"Öffnen\"\nEND\n";

bool run(const QString &program, const QStringList &arguments, const QString &folder) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  process.waitForFinished(120000);
  EXPECT_EQ(process.exitCode(), 0)
      << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PeResources : public ::testing::TestWithParam<const char *> {
protected:
  // The program built for the target prefix, and windres' .res of the same script.
  bool build(QByteArray &program, QByteArray &res) {
    const QString prefix = QString::fromLatin1(GetParam());
    const QString windres = QStandardPaths::findExecutable(prefix + "-windres");
    const QString gcc = QStandardPaths::findExecutable(prefix + "-gcc");
    if (windres.isEmpty() || gcc.isEmpty())
      return false;
    QFile script(dir.filePath("program.rc"));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QByteArray(kScript).replace("Öffnen", QString("Öffnen").toLatin1()));
    script.close();
    QFile main(dir.filePath("main.c"));
    EXPECT_TRUE(main.open(QIODevice::WriteOnly));
    main.write("int main(void) { return 0; }\n");
    main.close();
    const QString folder = dir.path();
    if (!run(windres, {"-c", "1252", "-i", "program.rc", "-o", "program_res.o"}, folder) ||
        !run(windres, {"-c", "1252", "-i", "program.rc", "-o", "program.res", "-O", "res"},
             folder) ||
        !run(gcc, {"-o", "program.exe", "main.c", "program_res.o"}, folder))
      return false;
    program = fileBytes(dir.filePath("program.exe"));
    res = fileBytes(dir.filePath("program.res"));
    return true;
  }
  QTemporaryDir dir;
};

TEST_P(PeResources, AProgramHoldsWhatItsScriptCompiledTo) {
  QByteArray program, res;
  ASSERT_TRUE(build(program, res)) << "mingw-w64 is not installed";
  const PeResourcesRead read = readPeResources(program);
  ASSERT_TRUE(read.ok()) << read.error.toStdString() << " at " << read.errorOffset;
  EXPECT_EQ(read.is64Bit, QByteArray(GetParam()).startsWith("x86_64"));
  const ResFileRead compiled = readResFile(res);
  ASSERT_TRUE(compiled.ok());
  EXPECT_EQ(test::resourceLines(read.resources), test::resourceLines(compiled.resources));
  // Two string blocks in English, one in German, the menu, the dialog and the data.
  EXPECT_EQ(read.resources.size(), 6);
}

// The file offset of the resource directory, found as the loader finds it.
qsizetype directoryOffset(const QByteArray &program) {
  const auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(program.data() + at); };
  const auto word = [&](qsizetype at) { return qFromLittleEndian<quint16>(program.data() + at); };
  const qsizetype pe = dword(0x3C);
  const qsizetype optional = pe + 24;
  const bool is64 = word(optional) == 0x20B;
  const quint32 rva = dword(optional + (is64 ? 112 : 96) + 2 * 8);
  qsizetype section = optional + word(pe + 20);
  for (int i = 0; i < word(pe + 6); ++i, section += 40)
    if (rva >= dword(section + 12) && rva < dword(section + 12) + dword(section + 16))
      return dword(section + 20) + (rva - dword(section + 12));
  return -1;
}

TEST_P(PeResources, DamagedProgramsAreRefusedWithTheirPlace) {
  QByteArray program, res;
  ASSERT_TRUE(build(program, res)) << "mingw-w64 is not installed";
  const qsizetype base = directoryOffset(program);
  ASSERT_GT(base, 0);
  // The first type's subdirectory is the root again.
  QByteArray loop = program;
  qToLittleEndian<quint32>(0x80000000, loop.data() + base + 20);
  EXPECT_TRUE(readPeResources(loop).error.contains(QLatin1String("loops")));
  // The root claims 60,000 entries.
  QByteArray many = program;
  qToLittleEndian<quint16>(60000, many.data() + base + 14);
  EXPECT_TRUE(readPeResources(many).error.contains(QLatin1String("more entries")));
  // A type's entry points at data instead of names: a directory of another depth.
  QByteArray shallow = program;
  qToLittleEndian<quint32>(0x10, shallow.data() + base + 20);
  EXPECT_TRUE(readPeResources(shallow).error.contains(QLatin1String("three levels")));
  // Every cut ends with an error or with fewer resources, never beyond the bytes.
  const PeResourcesRead whole = readPeResources(program);
  for (qsizetype size = 0; size < program.size(); size += 61) {
    const PeResourcesRead cut = readPeResources(program.left(size));
    EXPECT_TRUE(!cut.ok() || cut.resources.size() <= whole.resources.size()) << size;
  }
  EXPECT_FALSE(readPeResources("MZ").ok());
  EXPECT_TRUE(readPeResources(res).error.contains(QLatin1String("MZ")));
}

INSTANTIATE_TEST_SUITE_P(Programs, PeResources,
                         ::testing::Values("x86_64-w64-mingw32", "i686-w64-mingw32"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                           return std::string(info.param).starts_with("x86_64")
                                      ? std::string("Bits64")
                                      : std::string("Bits32");
                         });

} // namespace
} // namespace tarvelo

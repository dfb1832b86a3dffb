// Tests: resource-only language DLLs read back by our reader and by binutils, their
// directories sorted, their checksums those osslsigncode calculates.
#include "compiled/language_dll.h"
#include "compiled/pe_resources.h"
#include "support/resource_lines.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QList<CompiledResource> sample() {
  QList<CompiledResource> resources;
  const auto add = [&](ResourceId type, ResourceId name, quint16 language, QByteArray data) {
    CompiledResource r;
    r.type = type;
    r.name = name;
    r.language = language;
    r.data = data;
    resources << r;
  };
  // Given out of order: numbers before names, languages and values descending.
  add(ResourceId::fromNumber(6), ResourceId::fromNumber(2), 0x0407, "strings two");
  add(ResourceId::fromNumber(6), ResourceId::fromNumber(1), 0x0407, "strings one");
  add(ResourceId::fromNumber(5), ResourceId{0, "ABOUT"}, 0x0407, "about, odd");
  add(ResourceId::fromNumber(5), ResourceId{0, "ABC"}, 0x0407, "abc");
  add(ResourceId::fromNumber(5), ResourceId::fromNumber(100), 0x0407, QByteArray(1000, 'x'));
  add(ResourceId{0, "MYDATA"}, ResourceId::fromNumber(1), 0x0407, "data");
  add(ResourceId::fromNumber(4), ResourceId::fromNumber(7), 0x0C07, "menu at");
  add(ResourceId::fromNumber(4), ResourceId::fromNumber(7), 0x0407, "menu de");
  return resources;
}

// What a program prints, and whether it ran.
QString output(const QString &program, const QStringList &arguments) {
  QProcess process;
  process.start(QStandardPaths::findExecutable(program), arguments);
  process.waitForFinished(60000);
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// The checksum osslsigncode calculates for a file: it prints one line when the file's
// own agrees, and the two with a warning when it does not.
QString calculatedChecksum(const QString &path, bool &agrees) {
  const QString said = output("osslsigncode", {"verify", "-in", path});
  agrees = !said.contains(QLatin1String("invalid PE checksum"));
  const QRegularExpression line("(?:Calculated )?PE checksum\\s*:\\s*(\\w+)\\s*$",
                                QRegularExpression::MultilineOption);
  QString last;
  for (const QRegularExpressionMatch &match : line.globalMatch(said))
    last = match.captured(1);
  return last;
}

class LanguageDll : public ::testing::TestWithParam<bool> {};

TEST_P(LanguageDll, ReadsBackSortedWithItsChecksum) {
  const bool is64 = GetParam();
  const QByteArray dll = writeLanguageDll(sample(), is64);
  const PeResourcesRead read = readPeResources(dll);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.is64Bit, is64);
  EXPECT_EQ(test::resourceLines(read.resources), test::resourceLines(sample()));
  // The directory's order: names before numbers, each in ascending order.
  QStringList order;
  for (const CompiledResource &r : read.resources)
    order << QStringLiteral("%1/%2/%3").arg(r.type.text(), r.name.text()).arg(r.language, 0, 16);
  EXPECT_EQ(order, QStringList({"MYDATA/#1/407", "#4/#7/407", "#4/#7/c07", "#5/ABC/407",
                                "#5/ABOUT/407", "#5/#100/407", "#6/#1/407", "#6/#2/407"}));

  QTemporaryDir dir;
  const QString path = dir.filePath("lang.dll");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(dll);
  file.close();
  const QString dump =
      output(is64 ? "x86_64-w64-mingw32-objdump" : "i686-w64-mingw32-objdump", {"-p", path});
  EXPECT_TRUE(dump.contains(QLatin1String("DLL"))) << dump.toStdString();
  EXPECT_TRUE(dump.contains(QLatin1String("Resource Directory [.rsrc]"))) << dump.toStdString();
  bool agrees = false;
  const QString calculated = calculatedChecksum(path, agrees);
  EXPECT_TRUE(agrees);
  EXPECT_EQ(calculated.toUInt(nullptr, 16), peChecksum(dll, is64 ? 0xD8 : 0xD8));
}

// The checksum of a program mingw-w64 linked is the one osslsigncode calculates. The
// program is padded to an even length: of a last odd byte, Microsoft's algorithm (and the
// linker) count it, osslsigncode does not.
TEST(PeChecksum, AgreesWithOsslsigncodeOnAProgramOfTheLinker) {
  QTemporaryDir dir;
  QFile main(dir.filePath("main.c"));
  ASSERT_TRUE(main.open(QIODevice::WriteOnly));
  main.write("int main(void) { return 0; }\n");
  main.close();
  const QString exe = dir.filePath("main.exe");
  output("x86_64-w64-mingw32-gcc", {"-o", exe, main.fileName()});
  QFile program(exe);
  ASSERT_TRUE(program.open(QIODevice::ReadWrite));
  if (program.size() % 2) {
    program.seek(program.size());
    program.write(QByteArray(1, '\0'));
  }
  program.seek(0);
  const QByteArray bytes = program.readAll();
  program.close();
  const qsizetype pe = qFromLittleEndian<quint32>(bytes.constData() + 0x3C);
  bool agrees = false;
  const QString calculated = calculatedChecksum(exe, agrees);
  EXPECT_EQ(calculated.toUInt(nullptr, 16), peChecksum(bytes, pe + 24 + 64));
}

INSTANTIATE_TEST_SUITE_P(Machines, LanguageDll, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool> &info) {
                           return std::string(info.param ? "X64" : "X86");
                         });

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// Two languages whose entries name the same large data: refused, not copied twice.
TEST(PeResourcesLimits, DataNamedAgainAndAgainIsRefused) {
  QList<CompiledResource> resources;
  for (const auto &[language, size] : {std::pair{quint16(0x0407), 10000}, {quint16(0x0409), 4}}) {
    CompiledResource r;
    r.type = ResourceId::fromNumber(10);
    r.name = ResourceId::fromNumber(1);
    r.language = language;
    r.data = QByteArray(size, 'd');
    resources << r;
  }
  QByteArray dll = writeLanguageDll(resources, true);
  ASSERT_TRUE(readPeResources(dll).ok());
  // The section starts at 0x200: root table, one type, its names table, one name, its
  // languages table; the second language's entry points where the first's does.
  const qsizetype languages = 0x200 + 48;
  qToLittleEndian<quint32>(qFromLittleEndian<quint32>(dll.constData() + languages + 20),
                           dll.data() + languages + 28);
  const PeResourcesRead read = readPeResources(dll);
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.error.contains(QLatin1String("more data than the file")))
      << read.error.toStdString();
}

} // namespace
} // namespace tarvelo

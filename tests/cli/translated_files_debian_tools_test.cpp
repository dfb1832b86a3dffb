// Tests: every compiled file the command line writes of a real program (the language
// DLL, the .res file, decompile's script) is read by Debian's own tools as they read
// what windres and ld make of the same script.
#include "cli/translated_probe.h"
#include "support/rc_compiler.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

namespace tarvelo {
namespace {

using test::TranslatedProbe;

// What a tool printed on standard output, and whether it ended with status 0.
struct Said {
  bool ok = false;
  QString out, err;
};

Said said(const QString &program, const QStringList &arguments, const QString &folder) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  Said result;
  result.ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
              process.exitCode() == 0;
  result.out = QString::fromUtf8(process.readAllStandardOutput());
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

// The probe translated for one machine, made once for all the tests of the machine.
struct Made {
  std::unique_ptr<QTemporaryDir> folder;
  TranslatedProbe probe;
  QString error;
};

class TranslatedFiles : public ::testing::TestWithParam<const char *> {
protected:
  void SetUp() override {
    static QMap<QString, std::shared_ptr<Made>> made;
    std::shared_ptr<Made> &it = made[machine()];
    if (!it) {
      it = std::make_shared<Made>();
      it->folder = std::make_unique<QTemporaryDir>();
      test::translateProbe(it->folder->path(), machine(), it->probe, it->error);
    }
    ASSERT_TRUE(it->error.isEmpty()) << it->error.toStdString();
    made_ = it;
  }
  QString machine() const { return GetParam(); }
  QString folder() const { return made_->folder->path(); }
  QString tool(const QString &name) const {
    const QString path = test::mingwTool(machine(), name);
    EXPECT_FALSE(path.isEmpty()) << name.toStdString() << " is installed by tools/setup.sh";
    return path;
  }
  // What windres makes of a compiled file as a script.
  QString windresScript(const QString &file) const {
    const Said script = said(tool("windres"), {"-i", file, "-O", "rc"}, folder());
    EXPECT_TRUE(script.ok) << file.toStdString() << ": " << script.err.toStdString();
    return script.out;
  }
  std::shared_ptr<Made> made_;
};

TEST_P(TranslatedFiles, WrestoolListsEveryResourceInGermanAsInTheLinkersDll) {
  const QString wrestool = QStandardPaths::findExecutable("wrestool");
  ASSERT_FALSE(wrestool.isEmpty()) << "icoutils is installed by tools/setup.sh";
  const Said ours = said(wrestool, {"-l", "de.dll"}, folder());
  const Said oracle = said(wrestool, {"-l", "oracle.dll"}, folder());
  ASSERT_TRUE(ours.ok && oracle.ok) << ours.err.toStdString() << oracle.err.toStdString();
  // Where the data lies is the writer's own choice; type, name, language and size are not.
  const QRegularExpression offset(" offset=0x[0-9a-f]+");
  const QStringList lines = QString(ours.out).remove(offset).split(u'\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines, QString(oracle.out).remove(offset).split(u'\n', Qt::SkipEmptyParts));
  ASSERT_EQ(lines.size(), 3) << ours.out.toStdString();
  for (const QString &line : lines)
    EXPECT_TRUE(line.contains("--language=1031")) << line.toStdString();
}

// The copy of the program lists the program's own resources and the DLL's German ones.
TEST_P(TranslatedFiles, WrestoolListsTheCopysGermanBesideTheProgramsOwn) {
  const QString wrestool = QStandardPaths::findExecutable("wrestool");
  ASSERT_FALSE(wrestool.isEmpty()) << "icoutils is installed by tools/setup.sh";
  const QRegularExpression offset(" offset=0x[0-9a-f]+");
  const auto listed = [&](const QString &file) {
    const Said list = said(wrestool, {"-l", file}, folder());
    EXPECT_TRUE(list.ok) << file.toStdString() << ": " << list.err.toStdString();
    QStringList lines = QString(list.out).remove(offset).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
  };
  QStringList expected = listed("probe.exe") + listed("de.dll");
  expected.sort();
  EXPECT_EQ(listed("probe_de.exe"), expected);
}

TEST_P(TranslatedFiles, WindresReadsTheDllAndTheResFileAsTheLinkersDll) {
  const QString oracle = windresScript("oracle.dll");
  EXPECT_TRUE(oracle.contains("LANGUAGE 7, 1")) << oracle.toStdString();
  // windres spells what Latin-1 lacks in hexadecimal: the capital sharp s.
  EXPECT_TRUE(oracle.contains(QLatin1String("103, L\"GR\\326\\x1e9eE\""))) << oracle.toStdString();
  EXPECT_EQ(windresScript("de.dll"), oracle);
  // A .res file keeps memory flags, which a program drops: its oracle is windres's own
  // .res of the German script.
  const Said compiled =
      said(tool("windres"), {"-c", "65001", "-i", "de.rc", "-o", "oracle.res"}, folder());
  ASSERT_TRUE(compiled.ok) << compiled.err.toStdString();
  EXPECT_EQ(windresScript("de.res"), windresScript("oracle.res"));
}

TEST_P(TranslatedFiles, TheDllIsForTheProgramsMachineWithItsChecksumRight) {
  const Said header = said(tool("objdump"), {"-f", "de.dll"}, folder());
  EXPECT_TRUE(
      header.out.contains(machine() == "i686" ? "file format pei-i386" : "file format pei-x86-64"))
      << header.out.toStdString() << header.err.toStdString();
  const QString osslsigncode = QStandardPaths::findExecutable("osslsigncode");
  ASSERT_FALSE(osslsigncode.isEmpty()) << "osslsigncode is installed by tools/setup.sh";
  // An unsigned file fails verification; the checksum line comes before, once when the
  // file's own is the one calculated, twice with a warning when not.
  const Said verified = said(osslsigncode, {"verify", "-in", "de.dll"}, folder());
  const QString all = verified.out + verified.err;
  EXPECT_EQ(all.count(QRegularExpression("PE checksum\\s*:")), 1) << all.toStdString();
  EXPECT_FALSE(all.contains("invalid PE checksum")) << all.toStdString();
  // And it is the one in the file's header, not a zero left unset.
  const QRegularExpressionMatch line = QRegularExpression("PE checksum\\s*:\\s*(\\w+)").match(all);
  QFile dll(made_->probe.germanDll);
  ASSERT_TRUE(dll.open(QIODevice::ReadOnly));
  const QByteArray bytes = dll.readAll();
  ASSERT_GT(bytes.size(), 0x40);
  const qsizetype checksumAt = qFromLittleEndian<quint32>(bytes.constData() + 0x3C) + 24 + 64;
  ASSERT_LE(checksumAt + 4, bytes.size());
  const quint32 checksum = qFromLittleEndian<quint32>(bytes.constData() + checksumAt);
  EXPECT_NE(checksum, 0u);
  EXPECT_EQ(line.captured(1).toUInt(nullptr, 16), checksum) << all.toStdString();
}

TEST_P(TranslatedFiles, LlvmRcCompilesTheDecompiledScriptIntoTheProgramsResources) {
  QString error;
  const QByteArray res =
      test::compileScript(made_->probe.englishScript, {}, 65001, folder(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  // A program keeps no memory flags; llvm-rc gives every resource its own.
  const QString compiled =
      windresScript("out.res").remove(QLatin1String(" MOVEABLE PURE DISCARDABLE"));
  EXPECT_TRUE(compiled.contains(QLatin1String("101, \"Open file\""))) << compiled.toStdString();
  EXPECT_EQ(compiled, windresScript("probe.exe"));
}

INSTANTIATE_TEST_SUITE_P(Machines, TranslatedFiles, ::testing::Values("x86_64", "i686"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                           return std::string(info.param);
                         });

} // namespace
} // namespace tarvelo

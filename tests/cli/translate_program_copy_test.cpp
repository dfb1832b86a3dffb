// Tests: translate --in-place writes a copy of the source program with the translation
// and warns; the original is never written over unless asked, and other sources fail.
#include "cli/cli_run.h"
#include "compiled/pe_resources.h"
#include "compiled/string_block.h"
#include "core/compiled/mingw_program.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>

namespace tarvelo {
namespace {

class TranslateProgramCopy : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(test::buildProgram(dir.path(), "x86_64-w64-mingw32", "program.exe", {"-s"}));
    original = test::readBytes(path("program.exe"));
    // The English texts as a German script, its one string translated.
    const test::CliRun made = test::runCli(
        {"translate", "--source", path("program.exe"), "--source-language", "1033", "--new-target",
         path("de.rc"), "--target-language", "1031", "--saving-option", "1"});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    QByteArray script = test::readBytes(path("de.rc"));
    ASSERT_TRUE(script.contains("\"Open\"")) << script.toStdString();
    ASSERT_TRUE(test::writeBytes(path("de.rc"), script.replace("\"Open\"", "\"Offen\"")));
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  test::CliRun translate(const QString &source, const QStringList &more) const {
    return test::runCli(QStringList{"translate", "--source", source, "--source-language", "1033",
                                    "--target", path("de.rc"), "--target-language", "1031"} +
                        more);
  }
  // String 1 of the German block of a program, or why there is none.
  static QString germanString(const QByteArray &program) {
    for (const CompiledResource &r : readPeResources(program).resources) {
      QStringList strings;
      if (r.type.number == 6 && r.name.number == 1 && r.language == 0x0407 &&
          readStringBlock(r.data, strings))
        return strings.value(1);
    }
    return QStringLiteral("(no German block)");
  }
  QTemporaryDir dir;
  QByteArray original;
};

TEST_F(TranslateProgramCopy, WritesTheCopyAndWarns) {
  const test::CliRun run =
      translate(path("program.exe"), {"--out", path("program_de.exe"), "--in-place"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("warning: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("changed copy of the program")) << run.err.toStdString();
  EXPECT_FALSE(run.err.contains("sign")) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("verified")) << run.out.toStdString();
  const QByteArray copy = test::readBytes(path("program_de.exe"));
  EXPECT_EQ(germanString(copy), QStringLiteral("Offen"));
  // Every resource of the program is still there, beside the German block.
  EXPECT_EQ(readPeResources(copy).resources.size(), readPeResources(original).resources.size() + 1);
  EXPECT_EQ(test::readBytes(path("program.exe")), original);
}

TEST_F(TranslateProgramCopy, TheOriginalIsWrittenOverOnlyWhenAsked) {
  for (const QStringList &more :
       {QStringList{"--out", path("program.exe"), "--in-place"},
        QStringList{"--out", path("./program.exe")},
        QStringList{"--out", path("program.exe"), "--in-place", "--regenerate-dialogs"}}) {
    const test::CliRun run = translate(path("program.exe"), more);
    EXPECT_EQ(run.status, 2) << more.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("would overwrite the original program; give another --out, or "
                                 "add --replace-original"))
        << run.err.toStdString();
    EXPECT_EQ(test::readBytes(path("program.exe")), original);
  }
  const test::CliRun asked = translate(
      path("program.exe"), {"--out", path("program.exe"), "--in-place", "--replace-original"});
  ASSERT_EQ(asked.status, 0) << asked.err.toStdString();
  EXPECT_EQ(germanString(test::readBytes(path("program.exe"))), QStringLiteral("Offen"));
}

TEST_F(TranslateProgramCopy, OtherSourcesAndOutputsAreRefused) {
  ASSERT_TRUE(test::runTool(dir.path(), "x86_64-w64-mingw32-windres",
                            {"-i", "program.rc", "-o", "program.res", "-O", "res"}));
  const struct {
    QString source;
    QStringList more;
    const char *says;
  } cases[] = {
      {path("program.res"), {"--out", path("x.exe"), "--in-place"}, "is none (a .res file"},
      {path("program.rc"), {"--out", path("x.exe"), "--in-place"}, "is none (a .res file"},
      {path("program.exe"), {"--in-place"}, "--in-place needs --out"},
      {path("program.exe"), {"--out", path("x.res"), "--in-place"}, "a program's extension"},
      {path("program.exe"), {"--out", path("x.exe")}, "add --in-place"},
  };
  for (const auto &c : cases) {
    const test::CliRun run = translate(c.source, c.more);
    EXPECT_EQ(run.status, 2) << c.more.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.exe")) || QFile::exists(path("x.res")));
  }
}

TEST_F(TranslateProgramCopy, ASignedProgramsCopyIsUnsignedAndSaysSo) {
  ASSERT_TRUE(test::runTool(dir.path(), "openssl",
                            {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem",
                             "-out", "cert.pem", "-days", "2", "-subj", "/CN=Tarvelo test"}));
  ASSERT_TRUE(test::runTool(dir.path(), "osslsigncode",
                            {"sign", "-certs", "cert.pem", "-key", "key.pem", "-in", "program.exe",
                             "-out", "signed.exe"}));
  const test::CliRun run =
      translate(path("signed.exe"), {"--out", path("signed_de.exe"), "--in-place"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("sign " + path("signed_de.exe") + " again"))
      << run.err.toStdString();
  EXPECT_EQ(germanString(test::readBytes(path("signed_de.exe"))), QStringLiteral("Offen"));
  QProcess verify;
  verify.start(QStandardPaths::findExecutable("osslsigncode"),
               {"verify", "-in", path("signed_de.exe")});
  verify.waitForFinished(60000);
  const QByteArray said = verify.readAllStandardOutput() + verify.readAllStandardError();
  EXPECT_TRUE(said.contains("No signature found")) << said.toStdString();
}

} // namespace
} // namespace tarvelo

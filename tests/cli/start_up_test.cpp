// What the command line loads at start: no graphics or network libraries until used.
#include "cli/cli_run.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

#ifdef Q_OS_LINUX
// Every run of the command line pays for loading and linking the libraries it is linked
// with: the graphics and network libraries stay out of it, the report and the online
// services bring theirs in when used.
TEST(CliStartUpTest, LinksNeitherTheGraphicsNorTheNetworkLibraries) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
  process.setProcessEnvironment(environment);
  process.start(test::cliProgram(), {});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString loaded = QString::fromUtf8(process.readAllStandardOutput());
  ASSERT_TRUE(loaded.contains(QLatin1String("libQt6Core"))) << loaded.toStdString();
  for (const char *library : {"libQt6Gui", "libcurl", "libssl", "libfontconfig"})
    EXPECT_FALSE(loaded.contains(QLatin1String(library))) << library;
}
#endif

TEST(CliStartUpTest, AReportWithoutItsCompanionProgramFailsAndSaysWhy) {
  QTemporaryDir dir;
  const QString alone = dir.filePath(QStringLiteral("tarvelo-cli"));
  ASSERT_TRUE(QFile::copy(test::cliProgram(), alone));
  const test::CliRun run = test::runCli(
      {"report", "--source", TARVELO_TEST_DATA "/report/source.rc", "--source-language", "1033"},
      alone);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains(QLatin1String("cannot start"))) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QLatin1String("tarvelo-cli-report"))) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
} // namespace tarvelo

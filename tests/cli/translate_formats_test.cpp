// What a translate run writes of a target in step with its source: the target as it
// was unless told to print every dialog again.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::runCli;

const char kSource[] = "LANGUAGE 9, 1\n"
                       "IDD_ABOUT DIALOG 0, 0, 100, 40\n"
                       "STYLE WS_POPUP|WS_CAPTION\n"
                       "CAPTION \"About\"\n"
                       "BEGIN\n"
                       "  LTEXT \"Hello\",IDC_HELLO,5,5,50,8\n"
                       "END\n";
const char kTarget[] = "LANGUAGE 7, 1\r\n"
                       "IDD_ABOUT DIALOG 0, 0, 100, 40\r\n"
                       "STYLE WS_POPUP|WS_CAPTION\r\n"
                       "CAPTION \"Info\"\r\n"
                       "BEGIN\r\n"
                       "  LTEXT \"Hallo\",IDC_HELLO,5,5,50,8\r\n"
                       "END";

TEST(TranslateFormats, DialogsChangeOnlyWhereTheyChangedUnlessPrintedAgain) {
  QTemporaryDir dir;
  const auto write = [&](const char *name, const char *text) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  };
  write("source.rc", kSource);
  write("target.rc", kTarget);
  const auto translate = [&](const QStringList &more) {
    const CliRun run =
        runCli(QStringList{"translate", "--source", dir.filePath("source.rc"), "--source-language",
                           "1033", "--target", dir.filePath("target.rc"), "--target-language",
                           "1031", "--out", dir.filePath("out.rc")} +
               more);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QFile out(dir.filePath("out.rc"));
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
  };
  EXPECT_EQ(translate({}), QByteArray(kTarget));
  const QByteArray printed = translate({"--regenerate-dialogs"});
  EXPECT_TRUE(printed.contains("IDD_ABOUT DIALOGEX 0, 0, 100, 40\r\n"
                               "STYLE WS_POPUP | WS_CAPTION\r\n"
                               "CAPTION \"Info\"\r\n"
                               "BEGIN\r\n"
                               "    LTEXT           \"Hallo\",IDC_HELLO,5,5,50,8\r\n"
                               "END"))
      << printed.toStdString();
}

} // namespace
} // namespace tarvelo

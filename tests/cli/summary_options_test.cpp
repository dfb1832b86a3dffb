// --quiet and --json on the commands that sum up what they did: the same numbers as the
// text, one object naming the command and its status, or nothing at all.
#include "cli/cli_run.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;

const QString kExample = QStringLiteral(TARVELO_SOURCE_DIR "/resources/example");

class SummaryOptionsTest : public ::testing::Test {
protected:
  QString path(const QString &name) const { return dir.filePath(name); }
  QStringList task() const {
    return {"--source", kExample + "/example.rc",    "--source-language", "en-US",
            "--target", kExample + "/example_de.rc", "--target-language", "de"};
  }
  QTemporaryDir dir;
};

TEST_F(SummaryOptionsTest, EachWayStatesTheSameNumbers) {
  const struct {
    QStringList arguments;
    const char *count; // a count the text states first
  } cases[] = {
      {QStringList{"translate"} + task() + QStringList{"--out", path("t.rc")}, "verified"},
      {QStringList{"export"} + task() + QStringList{"--format", "po", "--out", path("x.po")},
       "pairs"},
      {{"pseudo", "--source", kExample + "/example.rc", "--source-language", "1033", "--new-target",
        path("p.rc"), "--target-language", "fr-FR"},
       "items"},
  };
  for (const auto &c : cases) {
    const CliRun text = test::runCli(c.arguments);
    const CliRun quiet = test::runCli(c.arguments + QStringList{"--quiet"});
    const CliRun json = test::runCli(c.arguments + QStringList{"--json"});
    const std::string name = c.arguments.front().toStdString();
    EXPECT_EQ(text.status, 0) << name << text.err.toStdString();
    EXPECT_EQ(quiet.status, text.status) << name;
    EXPECT_EQ(json.status, text.status) << name;
    EXPECT_TRUE(quiet.out.isEmpty()) << name << quiet.out.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(object.value("command").toString(), c.arguments.front());
    EXPECT_EQ(object.value("status").toInt(-1), text.status);
    // The text's first number is the count the object gives.
    const QString first = QRegularExpression(QStringLiteral("\\d+")).match(text.out).captured(0);
    EXPECT_EQ(QString::number(object.value("counts").toObject().value(c.count).toInt(-1)), first)
        << name << text.out.toStdString();
  }
}

TEST_F(SummaryOptionsTest, QuietAndJsonTogetherAreRefused) {
  const CliRun run = test::runCli(QStringList{"translate"} + task() +
                                  QStringList{"--out", path("t.rc"), "--quiet", "--json"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains("--quiet and --json do not go together"));
  EXPECT_FALSE(QFile::exists(path("t.rc")));
}

} // namespace
} // namespace tarvelo

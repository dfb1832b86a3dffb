// The analyze command on a memory learnt in the test: bands, formats and failing tasks.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::runCli;

QByteArray table(const char *language, const QStringList &texts, int firstId = 1) {
  QByteArray script = QByteArray("LANGUAGE ") + language + "\nSTRINGTABLE\nBEGIN\n";
  for (int i = 0; i < texts.size(); ++i)
    script += "  " + QByteArray::number(firstId + i) + ", \"" + texts[i].toUtf8() + "\"\n";
  return script + "END\n";
}

// A project file of tasks: name, source and target, in English and German.
QByteArray project(const QList<QStringList> &tasks) {
  QString text;
  for (const QStringList &task : tasks)
    text += "TASK=" + task[0] + "\r\n{\r\nSOURCEFILE=" + task[1] +
            "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=" + task[2] + "\r\nTARGETLANGUAGE=1031\r\n}\r\n";
  return text.toLatin1();
}

// A memory of three pairs, and a task whose items fall in every kind of band.
class AnalyzeCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    write("mem_en.rc",
          table("9, 1", {"Open the file", "Save the document now", "Print preview window"}));
    write("mem_de.rc",
          table("7, 1", {"Datei öffnen", "Dokument jetzt speichern", "Fenster der Druckvorschau"}));
    const CliRun learnt =
        runCli({"learn", "--source", path("mem_en.rc"), "--source-language", "1033", "--target",
                path("mem_de.rc"), "--target-language", "1031", "--tm", path("TM")});
    ASSERT_EQ(learnt.status, 0) << learnt.err.toStdString();
    write("source.rc",
          table("9, 1", {"Open the file", "Save the documents now!", "Print preview windows",
                         "Zebra quartz jukebox", "Zebra quartz jukebox", "Open the file", "Exit"}));
    QByteArray target = table("7, 1", {"Beenden"}, 7);
    write("target.rc", target);
  }
  void write(const QString &name, const QByteArray &content) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  CliRun analyze(const QStringList &extra) {
    return runCli(QStringList{"analyze", "--source", path("source.rc"), "--source-language", "1033",
                              "--target", path("target.rc"), "--target-language", "1031", "--tm",
                              path("TM")} +
                  extra);
  }
  QTemporaryDir dir;
};

// Band, segments, words, characters of the fixture's task.
const QList<QStringList> kExpected = {
    {"Context match", "1", "1", "4"}, {"Repetition", "1", "3", "18"}, {"100%", "2", "6", "22"},
    {"95-99%", "1", "3", "19"},       {"85-94%", "1", "4", "20"},     {"75-84%", "0", "0", "0"},
    {"50-74%", "0", "0", "0"},        {"No match", "1", "3", "18"},   {"Total", "7", "20", "101"}};

TEST_F(AnalyzeCommandTest, CsvGivesEveryBandOfTheTaskAndTheTotal) {
  const CliRun run = analyze({"--format", "csv"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 2 * kExpected.size() + 1) << run.out.toStdString();
  EXPECT_EQ(lines[0], "\"Task\",\"Band\",\"Segments\",\"Words\",\"Characters\",\"Error\"");
  for (int i = 0; i < kExpected.size(); ++i) {
    const QStringList &row = kExpected[i];
    EXPECT_EQ(lines[1 + i],
              "\"source.rc\",\"" + row[0] + "\"," + row[1] + u',' + row[2] + u',' + row[3] + u',');
    // One task: the total of the run is the task's.
    EXPECT_EQ(lines[1 + kExpected.size() + i],
              "\"All tasks\",\"" + row[0] + "\"," + row[1] + u',' + row[2] + u',' + row[3] + u',');
  }
  EXPECT_TRUE(lines.last().startsWith("\"Counting\",\"words parted by spaces"));
}

TEST_F(AnalyzeCommandTest, JsonParsesWithTheSameCounts) {
  const CliRun run = analyze({"--format", "json", "--out", path("analysis.json")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  QFile file(path("analysis.json"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonArray tasks = document.object()["tasks"].toArray();
  ASSERT_EQ(tasks.size(), 1);
  EXPECT_EQ(tasks[0].toObject()["name"].toString(), "source.rc");
  const QJsonArray bands = tasks[0].toObject()["bands"].toArray();
  ASSERT_EQ(bands.size(), kExpected.size());
  for (int i = 0; i < kExpected.size(); ++i) {
    const QJsonObject band = bands[i].toObject();
    EXPECT_EQ(band["band"].toString(), kExpected[i][0]);
    EXPECT_EQ(band["segments"].toInt(), kExpected[i][1].toInt());
    EXPECT_EQ(band["words"].toDouble(), kExpected[i][2].toDouble());
    EXPECT_EQ(band["characters"].toInt(), kExpected[i][3].toInt());
  }
}

TEST_F(AnalyzeCommandTest, HtmlIsAPageXmllintReadsWithEveryTextEscaped) {
  write("p.tvx", project({{"<b>R&D</b> \"x\"", path("source.rc"), path("target.rc")}}));
  const CliRun run = runCli({"analyze", "--project", path("p.tvx"), "--tm", path("TM"), "--format",
                             "html", "--out", path("a&b<c>.html")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  QFile file(path("a&b<c>.html"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray page = file.readAll();
  EXPECT_FALSE(page.contains("<b>"));
  EXPECT_TRUE(page.contains("<h2>&lt;b&gt;R&amp;D&lt;/b&gt; &quot;x&quot;</h2>"));
  EXPECT_TRUE(
      page.contains("<tr><td>No match</td><td align=\"right\">1</td><td align=\"right\">3</td><td "
                    "align=\"right\">18</td></tr>"));
  const QString xmllint = QStandardPaths::findExecutable("xmllint");
  if (xmllint.isEmpty())
    GTEST_SKIP() << "xmllint is not installed";
  QProcess lint;
  lint.start(xmllint, {"--html", "--noout", path("a&b<c>.html")});
  ASSERT_TRUE(lint.waitForFinished(30000));
  EXPECT_EQ(lint.exitCode(), 0);
  EXPECT_EQ(lint.readAllStandardError(), QByteArray());
}

TEST_F(AnalyzeCommandTest, OtherBandLimitsAndGmxVWeights) {
  write("source.rc", table("9, 1", {"Print preview windows", "Save the documents now!"}));
  const CliRun run = analyze({"--format", "csv", "--bands", "100,92,60", "--weights", "gmx-v"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("\"source.rc\",\"92-99%\",1,3.00,19,\n")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("\"source.rc\",\"60-91%\",1,4.00,20,\n"));
  EXPECT_TRUE(run.out.contains("GMX-V"));
}

TEST_F(AnalyzeCommandTest, BadArgumentsGiveTwo) {
  for (const QStringList &bad :
       {QStringList{"--format", "pdf"}, QStringList{"--bands", "50,75"},
        QStringList{"--weights", "heavy"}, QStringList{"--new-target", "x.rc"}}) {
    const CliRun run = analyze(bad);
    EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith("error: ")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
  EXPECT_EQ(runCli({"analyze", "--source", path("source.rc")}).status, 2);
}

TEST_F(AnalyzeCommandTest, AProjectTaskThatCannotBeReadGivesOneAndTheOthersAreReported) {
  write("p.tvx", project({{"First", path("source.rc"), path("target.rc")},
                          {"Broken", path("missing.rc"), path("missing_de.rc")},
                          {"Again", path("source.rc"), path("again_de.rc")}}));
  const CliRun run = runCli({"analyze", "--project", path("p.tvx"), "--tm", path("TM"), "--format",
                             "csv", "--out", path("p.csv")});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("missing.rc")) << run.err.toStdString();
  QFile file(path("p.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString csv = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(csv.contains("\"Broken\",,,,,\"the task cannot be read\"\n"));
  EXPECT_TRUE(csv.contains("\"First\",\"Total\",7,20,101,\n"));
  // The second time round every text has been seen; the exact ones stay 100%, and the
  // target holds no translation now.
  EXPECT_TRUE(csv.contains("\"Again\",\"Repetition\",5,14,79,\n")) << csv.toStdString();
  EXPECT_TRUE(csv.contains("\"Again\",\"100%\",2,6,22,\n"));
}

TEST_F(AnalyzeCommandTest, AnOutputThatCannotBeWrittenGivesOneAndLeavesNothing) {
  const CliRun run = analyze({"--out", path("no/such/folder/analysis.txt")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("no/such/folder/analysis.txt")) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(path("no")));
}

TEST_F(AnalyzeCommandTest, AMissingMemoryIsReported) {
  const CliRun run =
      runCli({"analyze", "--source", path("source.rc"), "--source-language", "1033", "--new-target",
              path("new.rc"), "--target-language", "1031", "--tm", path("none")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("there is no translation memory")) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
} // namespace tarvelo

// tarvelo-cli translate --mt openai-compatible against a local scripted language model.
#include "cli/cli_run.h"
#include "support/fake_chat_model.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::chatModel;
using test::chatReply;
using test::CliRun;
using test::LocalHttpServer;
using test::runCli;

const char kSource[] = "LANGUAGE 9, 1\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_FILES \"%d files\"\n"
                       "END\n"
                       "IDD_SAVE DIALOGEX 0, 0, 200, 100\n"
                       "CAPTION \"Save Settings\"\n"
                       "FONT 8, \"MS Shell Dlg\"\n"
                       "BEGIN\n"
                       "    PUSHBUTTON \"&Save settings\", IDC_SAVE, 7, 40, 50, 14\n"
                       "    PUSHBUTTON \"Cancel\", IDCANCEL, 60, 40, 50, 14\n"
                       "END\n";

// Long for the button first, short when asked again; too long both times with "stubborn".
LocalHttpServer::Handler model(bool stubborn) {
  return chatModel([stubborn](const QJsonObject &item) {
    if (item.value("identifier").toString() != "IDC_SAVE")
      return "DE " + item.value("text").toString();
    return item.contains("too_long") && !stubborn ? QStringLiteral("Speichern")
                                                  : QStringLiteral("Einstellungen speichern");
  });
}

class ModelTranslationCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    write(path("source.rc"), kSource);
    write(path("key"), "sk-team\n");
    QFile::setPermissions(path("key"), QFile::ReadOwner | QFile::WriteOwner);
  }
  static void write(const QString &file, const QByteArray &data) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(data);
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  QString written() const {
    QFile file(path("de.rc"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  CliRun translate(const LocalHttpServer &server, const QStringList &more = {}) const {
    return runCli(QStringList{"translate", "--source", path("source.rc"), "--source-language",
                              "1033", "--new-target", path("de.rc"), "--target-language", "1031",
                              "--mt", "openai-compatible", "--mt-url", server.url(), "--mt-model",
                              "llama", "--mt-key-file", path("key")} +
                  more);
  }
  QTemporaryDir dir;
};

TEST_F(ModelTranslationCommandTest, PrintsTheRefitsRequestsAndTokens) {
  LocalHttpServer server(model(false));
  const CliRun run = translate(server);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Machine translation: 4 items filled, 0 failed"))
      << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("Language model: 4 items filled, 1 refitted, 0 still too long, "
                               "2 requests, 200 prompt tokens, 40 completion tokens"))
      << run.out.toStdString();
  ASSERT_EQ(server.requests().size(), 2);
  EXPECT_EQ(server.requests()[0].headers.value("authorization"), "Bearer sk-team");
  const QString out = written();
  EXPECT_TRUE(out.contains("\"&Speichern\"")) << out.toStdString();
  EXPECT_TRUE(out.contains("\"DE %d files\"")) << out.toStdString();
  EXPECT_TRUE(out.contains("\"DE Save Settings\"")) << out.toStdString();
}

TEST_F(ModelTranslationCommandTest, AnswersStillTooLongAreKeptAndCounted) {
  LocalHttpServer server(model(true));
  const CliRun run = translate(server, {"--json"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  // With --json, standard output is one JSON object and nothing else.
  QJsonParseError error{};
  const QJsonObject counts =
      QJsonDocument::fromJson(run.out.toUtf8(), &error).object().value("counts").toObject();
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  EXPECT_EQ(counts.value("tooLong").toInt(), 1) << run.out.toStdString();
  EXPECT_EQ(counts.value("machineFilled").toInt(), counts.value("modelFilled").toInt());
  EXPECT_GT(counts.value("machineFilled").toInt(), 0);
  EXPECT_TRUE(written().contains("Ein&stellungen speichern")) << written().toStdString();
}

TEST_F(ModelTranslationCommandTest, QuietPrintsNothingButStillFills) {
  LocalHttpServer server(model(false));
  const CliRun run = translate(server, {"--quiet"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(written().contains("\"&Speichern\"")) << written().toStdString();
}

TEST_F(ModelTranslationCommandTest, AProseAnswerFailsTheCommandAndFillsNothing) {
  LocalHttpServer server(
      [](const LocalHttpServer::Request &) { return chatReply("Gerne! Hier ist alles."); });
  const CliRun run = translate(server);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.contains("Machine translation: 0 items filled, 4 failed"))
      << run.out.toStdString();
  EXPECT_TRUE(run.err.contains("not the JSON object")) << run.err.toStdString();
  EXPECT_FALSE(written().contains("Gerne"));
}

TEST_F(ModelTranslationCommandTest, TheTimeOutIsWholeSecondsWithinAnHour) {
  LocalHttpServer server(model(false));
  for (const char *bad : {"0", "3601", "ten", "-5"}) {
    const CliRun run = translate(server, {"--mt-timeout", bad});
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_TRUE(run.err.contains("bad value '" + QString(bad) + "' for --mt-timeout"))
        << run.err.toStdString();
  }
  const CliRun without =
      runCli({"translate", "--source", path("source.rc"), "--source-language", "1033",
              "--new-target", path("de.rc"), "--target-language", "1031", "--mt-timeout", "60"});
  EXPECT_EQ(without.status, 2);
  EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(ModelTranslationCommandTest, ASilentModelFailsAfterTheTimeOutGiven) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  const CliRun run = translate(server, {"--mt-timeout", "1"});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("did not answer in time")) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Machine translation: 0 items filled")) << run.out.toStdString();
}

TEST_F(ModelTranslationCommandTest, TheModelNameNeedsTheLanguageModel) {
  LocalHttpServer server(model(false));
  const CliRun run = runCli({"translate", "--source", path("source.rc"), "--source-language",
                             "1033", "--new-target", path("de.rc"), "--target-language", "1031",
                             "--mt", "DeepL", "--mt-model", "llama"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains("--mt-model needs --mt openai-compatible")) << run.err.toStdString();
  EXPECT_TRUE(server.requests().isEmpty());
}

} // namespace
} // namespace tarvelo

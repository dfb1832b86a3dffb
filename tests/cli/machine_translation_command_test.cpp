// Machine translation from the command line against a local LibreTranslate.
#include "cli/cli_run.h"
#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::LocalHttpServer;
using test::runCli;

const char kSource[] = "LANGUAGE 9, 1\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_OPEN \"&Open\"\n"
                       "    IDS_AGAIN \"&Open\"\n"
                       "    IDS_FILES \"%d files\\n\"\n"
                       "    IDS_DONE \"Done\"\n"
                       "    IDS_FAIL \"Unlucky\"\n"
                       "END\n";
const char kTarget[] = "LANGUAGE 7, 1\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_DONE \"Fertig\"\n"
                       "END\n";

// LibreTranslate that refuses one text in a batch of its own.
LocalHttpServer::Reply libreTranslate(const LocalHttpServer::Request &request) {
  const QJsonObject body = QJsonDocument::fromJson(request.body).object();
  if (body.value("api_key").toString() != "team-key")
    return LocalHttpServer::json(R"({"error":"Invalid API key"})", 403);
  QJsonArray texts = body.value("q").isArray() ? body.value("q").toArray()
                                               : QJsonArray{body.value("q").toString()};
  QJsonArray out;
  for (const QJsonValue &text : texts) {
    if (text.toString() == "Unlucky")
      return LocalHttpServer::json(R"({"error":"Too many requests"})", 429);
    out.append("Übersetzt " + text.toString());
  }
  if (!body.value("q").isArray())
    return LocalHttpServer::json(
        QJsonDocument(QJsonObject{{"translatedText", out.first().toString()}}).toJson());
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
}

class MachineTranslationCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    write(path("source.rc"), kSource);
    write(path("target.rc"), kTarget);
  }
  static void write(const QString &file, const QByteArray &data) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(data);
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  QByteArray written() const {
    QFile file(path("out.rc"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  CliRun translate(const QStringList &more) const {
    return runCli(QStringList{"translate", "--source", path("source.rc"), "--source-language",
                              "1033", "--target", path("target.rc"), "--target-language", "1031",
                              "--out", path("out.rc")} +
                  more);
  }
  QTemporaryDir dir;
  LocalHttpServer server{libreTranslate};
};

TEST_F(MachineTranslationCommandTest, FillsTheEmptyItemsAndCountsWhatFailed) {
  const CliRun run =
      translate({"--mt", "LibreTranslate", "--mt-url", server.url(), "--mt-key", "team-key"});
  // The batch holding "Unlucky" fails as a whole; the command says so and fails.
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Machine translation: 0 items filled, 4 failed"))
      << run.out.toStdString();
  EXPECT_TRUE(run.err.contains("Too many requests")) << run.err.toStdString();
  ASSERT_EQ(server.requests().size(), 1); // three chains in one request
  EXPECT_TRUE(written().contains("Fertig"));
}

TEST_F(MachineTranslationCommandTest, WritesTheTranslationsKeepingMarksAndEscapes) {
  write(path("source.rc"), QByteArray(kSource).replace("    IDS_FAIL \"Unlucky\"\n", ""));
  const CliRun run =
      translate({"--mt", "libretranslate", "--mt-url", server.url(), "--mt-key", "team-key"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Machine translation: 3 items filled, 0 failed"))
      << run.out.toStdString();
  const QString out = QString::fromLatin1(written());
  EXPECT_TRUE(out.contains(QChar(0xdc) + QStringLiteral("bersetzt &Open\""))) << out.toStdString();
  EXPECT_TRUE(out.contains("bersetzt %d files\\n\"")) << out.toStdString();
  EXPECT_TRUE(out.contains("\"Fertig\"")); // translated items stay as they were
}

TEST_F(MachineTranslationCommandTest, BadArgumentsAndUnknownLanguagesFail) {
  EXPECT_EQ(translate({"--mt", "Babelfish"}).status, 2);
  EXPECT_EQ(translate({"--mt-url", server.url()}).status, 2);
  const CliRun refused = translate({"--mt", "LibreTranslate", "--mt-url", server.url()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("Invalid API key")) << refused.err.toStdString();
  const CliRun romansh = runCli({"translate", "--source", path("source.rc"), "--source-language",
                                 "1033", "--new-target", path("rm.rc"), "--target-language", "1047",
                                 "--mt", "MyMemory", "--mt-url", server.url()});
  EXPECT_EQ(romansh.status, 1);
  EXPECT_TRUE(romansh.err.contains("does not translate between these languages"))
      << romansh.err.toStdString();
  EXPECT_TRUE(server.requests().size() == 1); // only the refused run asked
}

TEST_F(MachineTranslationCommandTest, TheKeyComesFromAFileOfTheOwnersOrTheEnvironment) {
  write(path("source.rc"), QByteArray(kSource).replace("    IDS_FAIL \"Unlucky\"\n", ""));
  write(path("key"), "team-key\n");
  const QStringList withFile{"--mt",       "LibreTranslate", "--mt-url",
                             server.url(), "--mt-key-file",  path("key")};
  // A key file others may read is refused before anything is sent.
  QFile::setPermissions(path("key"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
  const CliRun shared = translate(withFile);
  EXPECT_EQ(shared.status, 2);
  EXPECT_TRUE(shared.err.contains("may be read or changed by other users"))
      << shared.err.toStdString();
  EXPECT_TRUE(server.requests().isEmpty());

  QFile::setPermissions(path("key"), QFile::ReadOwner | QFile::WriteOwner);
  const CliRun own = translate(withFile);
  EXPECT_EQ(own.status, 0) << own.err.toStdString();
  EXPECT_FALSE(own.err.contains("warning")) << own.err.toStdString();

  qputenv("TARVELO_MT_KEY", "team-key");
  const CliRun environment = translate({"--mt", "LibreTranslate", "--mt-url", server.url()});
  qunsetenv("TARVELO_MT_KEY");
  EXPECT_EQ(environment.status, 0) << environment.err.toStdString();

  // On the command line it still works, and the user is told who else sees it.
  const CliRun visible =
      translate({"--mt", "LibreTranslate", "--mt-url", server.url(), "--mt-key", "team-key"});
  EXPECT_EQ(visible.status, 0) << visible.err.toStdString();
  EXPECT_TRUE(visible.err.contains("warning: --mt-key shows the key")) << visible.err.toStdString();
  EXPECT_EQ(translate(withFile + QStringList{"--mt-key", "x"}).status, 2);
  EXPECT_EQ(translate({"--mt", "LibreTranslate", "--mt-key-file", path("none")}).status, 2);
}

TEST_F(MachineTranslationCommandTest, ServerTextIsNeitherAFormatNorTerminalCodes) {
  server.setHandler([](const LocalHttpServer::Request &) {
    return LocalHttpServer::json(
        "{\"error\":\"Quota %1 \\u001b[2J\\u001b]0;owned\\u0007gone \\u202eevil\"}", 402);
  });
  const CliRun run =
      translate({"--mt", "LibreTranslate", "--mt-url", server.url(), "--mt-key", "team-key"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("Quota %1 ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("(HTTP 402)")) << run.err.toStdString();
  for (const QChar c : {QChar(0x1b), QChar(0x07), QChar(0x202e)})
    EXPECT_FALSE(run.err.contains(c)) << run.err.toStdString();
}

} // namespace
} // namespace tarvelo

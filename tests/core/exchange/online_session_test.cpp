// Online features in a session: the probe, errors, sending by mail, the update check.
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "exchange/mail_message.h"
#include "exchange/send_resource.h"
#include "exchange/update_check.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/local_http_server.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::LocalHttpServer;

const char kSource[] = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_A \"Open\"\n"
                       "    IDS_B \"Open\"\n"
                       "    IDS_C \"&Close\"\n"
                       "    IDS_D \"%d files\"\n"
                       "END\n";

void writeFile(const QString &path, const QByteArray &data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
}

QByteArray readFile(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OnlineSessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    sourcePath = dir.filePath("app.rc");
    targetPath = dir.filePath("app_de.rc");
    writeFile(sourcePath, kSource);
  }
  void open() {
    ASSERT_EQ(session.open({sourcePath, 1033, false, targetPath, 1031}),
              Session::OpenResult::Opened);
  }
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }

  QTemporaryDir dir;
  QString sourcePath, targetPath;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

MtConfig libreAt(const LocalHttpServer &server) {
  MtConfig config;
  config.provider = MtProviderKind::LibreTranslate;
  config.url = server.url();
  config.connectTimeoutMs = 2000;
  config.totalTimeoutMs = 5000;
  return config;
}

LocalHttpServer::Reply failing(const LocalHttpServer::Request &) {
  return LocalHttpServer::json(R"({"error":"Invalid API key"})", 403);
}

LocalHttpServer::Reply libreTranslate(const LocalHttpServer::Request &request) {
  const QString q = QJsonDocument::fromJson(request.body).object().value("q").toString();
  return LocalHttpServer::json(
      QJsonDocument(QJsonObject{{"translatedText", "Schlie\u00dfen " + q}}).toJson());
}

TEST_F(OnlineSessionTest, TheProbeAfterOpenSetsTheCommandsFlag) {
  LocalHttpServer server(libreTranslate);
  session.setTranslationProbe([&server](int source, int target) {
    return probeMachineTranslation(libreAt(server), source, target);
  });
  open();
  EXPECT_TRUE(session.machineTranslationAvailable());
  server.setHandler(failing);
  open();
  EXPECT_FALSE(session.machineTranslationAvailable());
  server.setHandler(libreTranslate);
  open();
  EXPECT_TRUE(session.machineTranslationAvailable());
  prompter.answers = {Prompter::Answer::No};
  ASSERT_TRUE(session.close());
  EXPECT_FALSE(session.machineTranslationAvailable());
}

TEST_F(OnlineSessionTest, TheServicesErrorIsShownOncePerRun) {
  LocalHttpServer server(failing);
  open();
  const MachineTranslator translator(libreAt(server), 1033, 1031);
  const MtRunResult result = runMachineTranslation(session, MtScope::AllItems, nullptr, translator);
  EXPECT_EQ(result.failed, 3);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages.front().contains("Invalid API key"));
}

TEST_F(OnlineSessionTest, TheCurrentItemChangesAsTypingWouldWithUndo) {
  LocalHttpServer server(libreTranslate);
  open();
  session.selectEntry(find("IDS_C"));
  const MachineTranslator translator(libreAt(server), 1033, 1031);
  runMachineTranslation(session, MtScope::CurrentItem, nullptr, translator);
  EXPECT_EQ(find("IDS_C")->targetText, "S&chlie\u00dfen Close");
  EXPECT_EQ(find("IDS_A")->targetText, "");
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(find("IDS_C")->targetText, "");
}

TEST_F(OnlineSessionTest, AllItemsFillEveryChainAndTheInspectionSeesThem) {
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    // A translation that loses the format specification fails the inspection.
    const QJsonArray q = QJsonDocument::fromJson(request.body).object().value("q").toArray();
    QJsonArray out;
    for (qsizetype i = 0; i < q.size(); ++i)
      out.append("x");
    return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
  });
  QList<TextEntry *> inspected;
  session.setInspector([&inspected](TextEntry *entry) { inspected.append(entry); });
  open();
  inspected.clear();
  const MachineTranslator translator(libreAt(server), 1033, 1031);
  const MtRunResult result = runMachineTranslation(session, MtScope::AllItems, nullptr, translator);
  EXPECT_EQ(result.translated, 3);
  EXPECT_EQ(find("IDS_D")->targetText, "x%d"); // the dropped piece is kept at the end
  EXPECT_EQ(find("IDS_A")->matchState, Filled);
  EXPECT_EQ(inspected.size(), 4);
  EXPECT_TRUE(session.isModified());
}

// Send To: a stand-in xdg-email on PATH records its arguments.
class SendResourceTest : public OnlineSessionTest {
protected:
  void SetUp() override {
    OnlineSessionTest::SetUp();
    bin = dir.filePath("bin");
    QDir().mkpath(bin);
    record = dir.filePath("arguments.txt");
    oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);
  }
  void TearDown() override { qputenv("PATH", oldPath); }
  void composer(int exitCode) {
    const QString script = bin + "/xdg-email";
    writeFile(script, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> "
                                     "'%1'; done\nfor a in \"$@\"; do [ -f \"$a\" ] && cat \"$a\" "
                                     "> /dev/null; done\nexit %2\n")
                          .arg(record)
                          .arg(exitCode)
                          .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QStringList arguments() const {
    QStringList lines = QString::fromUtf8(readFile(record)).split('\n');
    lines.removeAll(QString());
    return lines;
  }
  QString bin, record;
  QByteArray oldPath;
};

TEST_F(SendResourceTest, HandsTheTargetAndItsCompanionToTheComposer) {
  composer(0);
  open();
  find("IDS_A")->targetText = "Offen";
  writeFile(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\nEND\n");
  bool sent = false;
  const QString folder = sendResource(session, {"strings.rc", true, true, true}, MailComposer(),
                                      "support@tarvelo.example", &sent);
  EXPECT_TRUE(sent);
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
  const QString copy = QDir(folder).filePath("strings.rc");
  EXPECT_EQ(arguments(),
            (QStringList{"--subject", "strings.rc", "--body", " ", "--attach", copy, "--attach",
                         copy + ".1031", "--attach", sourcePath, "--attach", sourcePath + ".1033",
                         "--attach", targetPath, "support@tarvelo.example"}));
  EXPECT_TRUE(readFile(copy).contains("Offen"));
  EXPECT_TRUE(QFileInfo::exists(sourcePath + ".1033"));
  removeMailFolder(folder);
  EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(SendResourceTest, AFailingComposerSaysSo) {
  composer(4);
  open();
  const QString folder = sendResource(session, {"s.rc", false, false, false}, MailComposer(), "");
  EXPECT_EQ(prompter.messages, QStringList{"Failed to send the file."});
  // No recipient, no source: the two temporary files only.
  EXPECT_EQ(arguments().size(), 8);
  removeMailFolder(folder);
}

TEST_F(SendResourceTest, NoComposerIsAFailedLogon) {
  open();
  const MailComposer missing(QStringLiteral("tarvelo-no-such-composer"));
  EXPECT_FALSE(missing.available());
  const QString folder = sendResource(session, {"s.rc", false, false, false}, missing, "");
  EXPECT_EQ(prompter.messages, QStringList{"Could not log on to an email system."});
  removeMailFolder(folder);
  composer(3); // xdg-email found no mail program
  prompter.messages.clear();
  removeMailFolder(sendResource(session, {"s.rc", false, false, false}, MailComposer(), ""));
  EXPECT_EQ(prompter.messages, QStringList{"Could not log on to an email system."});
}

TEST(SendNameTest, FollowsTheDialogsRules) {
  EXPECT_EQ(sendFileName("strings"), "strings.rc");
  EXPECT_EQ(sendFileName("strings.RC2"), "strings.RC2");
  EXPECT_EQ(sendFileName("strings.rc"), "strings.rc");
  EXPECT_EQ(sendFileName("strings."), "strings.rc");
  EXPECT_EQ(sendNameProblem(""), "You must type a name.");
  const QString forbidden = "A name cannot contain any of the following characters:\n\t \\ / :  * "
                            "? \" < > | ";
  for (const char *name : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a=b", "a\"b", "a<b", "a>b", "a|b"})
    EXPECT_EQ(sendNameProblem(name), forbidden) << name;
  EXPECT_EQ(sendNameProblem("strings_de"), "");
}

TEST(SendNameTest, TheTargetIsOfferedOnlyWhenItIsAnotherFile) {
  QTemporaryDir dir;
  const QString source = dir.filePath("a.rc");
  writeFile(source, "x");
  EXPECT_FALSE(canAttachTarget(source, source));
  EXPECT_FALSE(canAttachTarget(source, dir.filePath("A.RC")));
  EXPECT_FALSE(canAttachTarget(source, dir.filePath("missing.rc")));
  writeFile(dir.filePath("b.rc"), "y");
  EXPECT_TRUE(canAttachTarget(source, dir.filePath("b.rc")));
}

// The update check against a local server.
struct UpdateCase {
  const char *name;
  int status;
  QByteArray descriptor;
  UpdateCheckResult::Code code;
};

class UpdateCheckTest : public ::testing::TestWithParam<UpdateCase> {};

TEST_P(UpdateCheckTest, ComparesTheDescriptorWithTheCurrentVersion) {
  const UpdateCase &c = GetParam();
  LocalHttpServer server([&c](const LocalHttpServer::Request &request) {
    if (request.path != "/tarvelo/update.txt")
      return LocalHttpServer::Reply{404, "<html>Not Found</html>", "text/html"};
    return LocalHttpServer::Reply{c.status, c.descriptor, "text/plain"};
  });
  const UpdateCheckResult result = checkForUpdate(server.url() + "/tarvelo/", "2.5", 2000, 5000);
  EXPECT_EQ(result.code, c.code);
  if (c.code == UpdateCheckResult::Newer) {
    EXPECT_EQ(result.releasePage, server.url() + "/tarvelo/");
    EXPECT_EQ(result.installerUrl, server.url() + "/tarvelo/" + installerName(result.version));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, UpdateCheckTest,
    ::testing::Values(
        UpdateCase{"Equal", 200, "2.5", UpdateCheckResult::NotNewer},
        UpdateCase{"EqualWithZeros", 200, "2.5.0.0", UpdateCheckResult::NotNewer},
        UpdateCase{"Older", 200, "2.4.9", UpdateCheckResult::NotNewer},
        UpdateCase{"Newer", 200, "2.6", UpdateCheckResult::Newer},
        UpdateCase{"NewerMajor", 200, "3", UpdateCheckResult::Newer},
        UpdateCase{"NewerBuild", 200, "2.5.1", UpdateCheckResult::Newer},
        UpdateCase{"LineBreak", 200, "2.6\n", UpdateCheckResult::NotNewer},
        UpdateCase{"FiveParts", 200, "2.6.0.0.1", UpdateCheckResult::NotNewer},
        UpdateCase{"Letters", 200, "2.6b", UpdateCheckResult::NotNewer},
        UpdateCase{"Empty", 200, "", UpdateCheckResult::NotNewer},
        UpdateCase{"HtmlPage", 200, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><html>",
                   UpdateCheckResult::NotNewer},
        UpdateCase{"Missing", 404, "<html>Not Found</html>", UpdateCheckResult::NotReachable}),
    [](const ::testing::TestParamInfo<UpdateCase> &info) { return std::string(info.param.name); });

TEST(UpdateRulesTest, VersionsAndInstallerNames) {
  EXPECT_EQ(installerName("2.6"), "Tarvelo2_6.exe");
  EXPECT_EQ(installerName("2.6.1"), "Tarvelo2_61.exe");
  EXPECT_EQ(installerName("3"), "Tarvelo3_0.exe");
  EXPECT_EQ(installerName("2.6.0.7"), "Tarvelo2_6.exe");
  EXPECT_EQ(installerName("1.2.3.4.5"), "");
  EXPECT_EQ(installerName("2.x"), "");
  EXPECT_TRUE(isNewerVersion("3", "2.5"));
  EXPECT_TRUE(isNewerVersion("2.5.0.1", "2.5"));
  EXPECT_FALSE(isNewerVersion("2.5", "2.5"));
  EXPECT_FALSE(isNewerVersion("10", "not a version"));
  EXPECT_FALSE(isNewerVersion("2..6", "2.5"));
  EXPECT_EQ(descriptorUrl("https://example.org/tarvelo/"),
            "https://example.org/tarvelo/update.txt");
  EXPECT_EQ(descriptorUrl("https://example.org/t/latest.txt"), "https://example.org/t/latest.txt");
  EXPECT_EQ(releasePage("https://example.org/t/latest.txt"), "https://example.org/t/");
  EXPECT_EQ(checkForUpdate("", "2.5", 1000, 1000).code, UpdateCheckResult::NotReachable);
  EXPECT_EQ(updateQuestion("Tarvelo2_6.exe"),
            "An update of Tarvelo2_6.exe is now available. Proceed with the update?");
}

// An update server with an installer, its digest, and pages where programs should be.
LocalHttpServer::Reply updateServer(const LocalHttpServer::Request &request) {
  const QByteArray program = "MZ\x90program";
  const QByteArray digest = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex();
  if (request.path == "/Tarvelo2_6.exe" || request.path == "/Tampered.exe")
    return LocalHttpServer::Reply{200, request.path == "/Tampered.exe" ? program + "!" : program,
                                  "application/octet-stream"};
  if (request.path.endsWith(".exe.sha256") && request.path != "/NoDigest.exe.sha256")
    return LocalHttpServer::Reply{200, digest + "  Tarvelo2_6.exe\n", "text/plain"};
  return LocalHttpServer::Reply{
      200, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><html>Moved</html>", "text/html"};
}

TEST(UpdateRulesTest, OnlyAWholeInstallerThatMatchesItsDigestIsKept) {
  LocalHttpServer server(updateServer);
  QTemporaryDir dir;
  const struct {
    const char *name;
    UpdateCheckResult::Code code;
    const char *error;
  } cases[] = {
      {"/Other.exe", UpdateCheckResult::DownloadFailed, "a page instead of the installer"},
      {"/Tampered.exe", UpdateCheckResult::DownloadFailed, "does not match its SHA-256 digest"},
      {"/NoDigest.exe", UpdateCheckResult::DownloadFailed, "holds no SHA-256 digest"},
      {"/Tarvelo2_6.exe", UpdateCheckResult::Started, ""},
  };
  for (const auto &c : cases) {
    const InstallerDownload download =
        downloadInstaller(server.url() + c.name, dir.path(), 2000, 5000);
    EXPECT_EQ(download.code, c.code) << c.name;
    EXPECT_TRUE(download.error.contains(c.error)) << c.name << ": " << download.error.toStdString();
    EXPECT_EQ(download.path.isEmpty(), c.code != UpdateCheckResult::Started) << c.name;
  }
  // Only the good installer was kept, in a folder of its own that only the user may enter.
  const QStringList kept = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_EQ(kept.size(), 1);
  const QString folder = dir.filePath(kept.front());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Tarvelo2_6.exe"});
  EXPECT_EQ(readFile(QDir(folder).filePath("Tarvelo2_6.exe")), QByteArray("MZ\x90program"));
  EXPECT_FALSE(QFileInfo(folder).permissions() &
               (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
}

TEST(UpdateRulesTest, UpdatesComeOverHttpsOnly) {
  const struct {
    const char *url;
    bool secure;
  } cases[] = {
      {"https://updates.example/tarvelo/", true},
      {"http://updates.example/tarvelo/", false},
      {"ftp://updates.example/tarvelo/", false},
      {"http://127.0.0.1:8080/tarvelo/", true},
      {"http://localhost/tarvelo/", true},
      {"http://[::1]/tarvelo/", true},
      {"http://127.0.0.1.evil.example/tarvelo/", false},
      {"http://127.evil.example/", false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(isSecureUpdateUrl(c.url), c.secure) << c.url;
  EXPECT_EQ(checkForUpdate("http://updates.example/tarvelo/", "2.5", 1000, 1000).code,
            UpdateCheckResult::NotReachable);
  QTemporaryDir dir;
  EXPECT_TRUE(downloadInstaller("http://updates.example/Tarvelo2_6.exe", dir.path(), 1000, 1000)
                  .error.contains("not https"));
}

} // namespace
} // namespace tarvelo

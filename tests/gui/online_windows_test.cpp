// The online services as the translator meets them: "Machine Translation..." with its
// dialog and the item menu's entry, the "Machine Translation" options page, Send To
// with its dialog, and the update check of the start-up. Every service is a local
// server; the mail composer is a stand-in xdg-email that records its arguments.
#include "app/workbench_assembly.h"
#include "exchange/translation_provider.h"
#include "online/machine_translation_dialog.h"
#include "online/send_resource_dialog.h"
#include "online/update_announcer.h"
#include "options/machine_translation_page.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/fake_chat_model.h"
#include "support/local_http_server.h"
#include "support/scripted_prompter.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

using test::LocalHttpServer;

LocalHttpServer::Reply libreTranslate(const LocalHttpServer::Request &request) {
  const QJsonValue q = QJsonDocument::fromJson(request.body).object().value("q");
  const auto german = [](const QString &text) { return QStringLiteral("[de] ") + text; };
  if (q.isString())
    return LocalHttpServer::json(
        QJsonDocument(QJsonObject{{"translatedText", german(q.toString())}}).toJson());
  QJsonArray out;
  for (const QJsonValue &text : q.toArray())
    out.append(german(text.toString()));
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
}

LocalHttpServer::Reply refusing(const LocalHttpServer::Request &) {
  return LocalHttpServer::json(R"({"error":"Invalid API key"})", 403);
}

class OnlineWindowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    settings.setText(QStringLiteral("MTProvider"), QStringLiteral("LibreTranslate"));
    settings.setText(QStringLiteral("MTURL"), server.url());
    source = dir.filePath(QStringLiteral("example.rc"));
    target = dir.filePath(QStringLiteral("example_de.rc"));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example.rc")), source));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
    workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, nullptr);
  }
  void TearDown() override {
    prompter.answers = {Prompter::Answer::No};
    workbench->session().close();
  }
  void open() {
    ASSERT_EQ(workbench->session().open({source, 1033, false, target, 1031}),
              Session::OpenResult::Opened);
    workbench->frame().updateCommands();
  }
  TextEntry *find(const QString &identifier) {
    return entryNamed(workbench->session(), identifier);
  }

  LocalHttpServer server{libreTranslate};
  QTemporaryDir dir;
  QString source, target;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  std::unique_ptr<WorkbenchAssembly> workbench;
};

TEST_F(OnlineWindowsTest, TheCommandTranslatesAllItemsWithUndo) {
  open();
  QAction *command = workbench->frame().command(CmdMachineTranslate);
  EXPECT_EQ(command->text(), QStringLiteral("&Machine Translation..."));
  EXPECT_EQ(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  ASSERT_TRUE(command->isEnabled());
  const int probes = int(server.requests().size());
  EXPECT_EQ(probes, 1); // the probe after the open

  settings.setInteger(QStringLiteral("TranslateWhat"), 2);
  QString service;
  workbench->setDialogRunner([&service](QDialog *dialog) {
    auto *translate = static_cast<MachineTranslationDialog *>(dialog);
    EXPECT_EQ(translate->selection()->currentIndex(), 2); // from "TranslateWhat"
    service = translate->findChild<QLabel *>(QStringLiteral("service"))->text();
    translate->selection()->setCurrentIndex(0);
    translate->applyButton()->click();
    return dialog->result() == QDialog::Accepted;
  });
  workbench->frame().runCommand(CmdMachineTranslate);
  EXPECT_TRUE(service.contains(server.url())) << service.toStdString();
  EXPECT_EQ(settings.integer(QStringLiteral("TranslateWhat")), 0);
  // Up to 50 chains a request.
  const qsizetype requests = server.requests().size() - probes;
  EXPECT_GE(requests, 1);
  EXPECT_LE(requests, qsizetype(workbench->session().entries().size() / 50 + 1));
  TextEntry *entry = find(QStringLiteral("IDS_READY"));
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->targetText.startsWith(QStringLiteral("[de] ")))
      << entry->targetText.toStdString();
  EXPECT_EQ(entry->matchState, Filled);
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
  EXPECT_TRUE(workbench->frame().command(CmdUndo)->isEnabled());
}

// A language model through the same command: the window measures each answer for a dialog
// control in the dialog's font and sends a too-long one back once; drafts are fuzzy.
TEST_F(OnlineWindowsTest, ALanguageModelsLongButtonTextIsSentBackOnceAndDraftsAreFuzzy) {
  QStringList askedAgain;
  LocalHttpServer model(test::chatModel([&askedAgain](const QJsonObject &item) {
    const QString text = item.value("text").toString();
    if (item.value("identifier").toString() != "IDCANCEL")
      return QStringLiteral("DE ") + text;
    if (!item.contains("too_long"))
      return QStringLiteral("Vorgang abbrechen und alle Änderungen verwerfen");
    askedAgain.append(item.value("too_long").toObject().value("previous_translation").toString());
    return QStringLiteral("Abbrechen");
  }));
  open();
  settings.setText(QStringLiteral("MTProvider"), QStringLiteral("OpenAI-compatible"));
  settings.setText(QStringLiteral("MTURL"), model.url());
  workbench->setDialogRunner([](QDialog *dialog) {
    auto *translate = static_cast<MachineTranslationDialog *>(dialog);
    translate->selection()->setCurrentIndex(0);
    translate->applyButton()->click();
    return dialog->result() == QDialog::Accepted;
  });
  workbench->frame().runCommand(CmdMachineTranslate);
  EXPECT_EQ(askedAgain, QStringList{"Vorgang abbrechen und alle Änderungen verwerfen"});
  TextEntry *cancel = find(QStringLiteral("IDCANCEL"));
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->targetText, QStringLiteral("Abbrechen"));
  EXPECT_EQ(cancel->matchState, Fuzzy);
  EXPECT_EQ(find(QStringLiteral("IDS_READY"))->matchState, Fuzzy);
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

TEST_F(OnlineWindowsTest, TheItemMenuTranslatesTheCurrentItem) {
  open();
  TextEntry *entry = find(QStringLiteral("IDS_READY"));
  ASSERT_NE(entry, nullptr);
  const QString before = entry->targetText;
  QMenu menu;
  workbench->frame().itemList()->fillContextMenu(menu, entry);
  QAction *translate = nullptr;
  for (QAction *action : menu.actions())
    if (action->text() == QStringLiteral("Translate using machine translation"))
      translate = action;
  ASSERT_NE(translate, nullptr);
  ASSERT_TRUE(translate->isEnabled());
  translate->trigger();
  EXPECT_EQ(entry->targetText, QStringLiteral("[de] ") + entry->sourceText);
  ASSERT_TRUE(workbench->session().undo());
  EXPECT_EQ(entry->targetText, before);
}

TEST_F(OnlineWindowsTest, AFailedProbeDisablesTheCommandAndTheMenuEntry) {
  server.setHandler(refusing);
  open();
  EXPECT_FALSE(workbench->frame().command(CmdMachineTranslate)->isEnabled());
  QMenu menu;
  TextEntry *entry = find(QStringLiteral("IDS_READY"));
  workbench->frame().itemList()->fillContextMenu(menu, entry);
  for (QAction *action : menu.actions())
    if (action->text() == QStringLiteral("Translate using machine translation")) {
      EXPECT_FALSE(action->isEnabled());
    }
  // No service chosen: nothing is asked at all.
  settings.setText(QStringLiteral("MTProvider"), QString());
  server.setHandler(libreTranslate);
  const qsizetype asked = server.requests().size();
  open();
  EXPECT_FALSE(workbench->frame().command(CmdMachineTranslate)->isEnabled());
  EXPECT_EQ(server.requests().size(), asked);
}

TEST(MachineTranslationDialogTest, FilteredItemsShowTheFilter) {
  MemorySettings settings;
  settings.setInteger(QStringLiteral("TranslateWhat"), 7); // clamped
  MachineTranslationDialog dialog(settings, QStringLiteral("MyMemory"));
  QList<bool> shown;
  int setups = 0;
  dialog.setFilterHooks([&shown](bool show) { shown.append(show); }, [&setups] { ++setups; });
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Machine Translation"));
  EXPECT_EQ(dialog.selection()->currentText(), QStringLiteral("Current Item"));
  EXPECT_FALSE(dialog.filterButton()->isVisible());
  dialog.selection()->setCurrentIndex(1);
  EXPECT_TRUE(dialog.filterButton()->isVisible());
  dialog.filterButton()->click();
  dialog.selection()->setCurrentIndex(0);
  EXPECT_FALSE(dialog.filterButton()->isVisible());
  EXPECT_EQ(shown, (QList<bool>{true, false}));
  EXPECT_EQ(setups, 1);
  dialog.reject();
  EXPECT_EQ(settings.integer(QStringLiteral("TranslateWhat")), 7); // Cancel stores nothing
}

TEST(MachineTranslationPageTest, WritesTheServiceItsAddressKeyAndTimeOuts) {
  MemorySettings settings;
  {
    MachineTranslationPage page(settings);
    EXPECT_EQ(page.provider()->currentText(), QStringLiteral("None"));
    EXPECT_FALSE(page.address()->isEnabled());
    EXPECT_EQ(page.connectTimeout()->value(), 10);
    EXPECT_EQ(page.totalTimeout()->value(), 30);
    page.provider()->setCurrentIndex(page.provider()->findText(QStringLiteral("DeepL")));
    EXPECT_TRUE(page.address()->isEnabled());
    page.key()->setText(QStringLiteral("abc:fx"));
    EXPECT_EQ(page.address()->placeholderText(), QStringLiteral("https://api-free.deepl.com"));
    EXPECT_EQ(page.key()->echoMode(), QLineEdit::Password);
    page.provider()->setCurrentIndex(page.provider()->findText(QStringLiteral("LibreTranslate")));
    page.address()->setText(QStringLiteral(" http://localhost:5000 "));
    page.connectTimeout()->setValue(3);
    page.apply();
  }
  EXPECT_EQ(settings.text(QStringLiteral("MTProvider")), QStringLiteral("LibreTranslate"));
  EXPECT_EQ(settings.text(QStringLiteral("MTURL")), QStringLiteral("http://localhost:5000"));
  EXPECT_EQ(settings.text(QStringLiteral("MTKey")), QStringLiteral("abc:fx"));
  EXPECT_EQ(settings.integer(QStringLiteral("ConnectTimeout")), 3);
  MachineTranslationPage again(settings);
  EXPECT_EQ(again.provider()->currentText(), QStringLiteral("LibreTranslate"));
  again.provider()->setCurrentIndex(0);
  again.apply();
  EXPECT_EQ(settings.text(QStringLiteral("MTProvider")), QString());
}

TEST(MachineTranslationPageTest, ALanguageModelKeepsItsModelTemperatureAndBatch) {
  MemorySettings settings;
  {
    MachineTranslationPage page(settings);
    EXPECT_FALSE(page.model()->isEnabled());
    page.provider()->setCurrentIndex(
        page.provider()->findText(QStringLiteral("OpenAI-compatible")));
    EXPECT_TRUE(page.model()->isEnabled());
    EXPECT_TRUE(page.batch()->isEnabled());
    // Without an address: llama.cpp's server on this machine.
    EXPECT_EQ(page.address()->placeholderText(), QStringLiteral("http://localhost:8080"));
    EXPECT_EQ(page.temperature()->value(), 0.2);
    EXPECT_EQ(page.batch()->value(), 20);
    // A model answers a whole request at once: its own, longer time-out.
    EXPECT_FALSE(page.totalTimeout()->isEnabled());
    EXPECT_EQ(page.modelTimeout()->value(), 300);
    page.modelTimeout()->setValue(900);
    page.address()->setText(QStringLiteral("http://localhost:11434"));
    page.model()->setText(QStringLiteral(" qwen2.5:7b "));
    page.temperature()->setValue(0.7);
    page.batch()->setValue(8);
    page.apply();
  }
  EXPECT_EQ(settings.text(QStringLiteral("MTProvider")), QStringLiteral("OpenAI-compatible"));
  EXPECT_EQ(settings.text(QStringLiteral("MTModel")), QStringLiteral("qwen2.5:7b"));
  const MtConfig config = MtConfig::read(settings);
  EXPECT_EQ(config.provider, MtProviderKind::OpenAiCompatible);
  EXPECT_EQ(config.temperature, 0.7);
  EXPECT_EQ(config.modelBatch, 8);
  EXPECT_EQ(config.modelTimeoutMs, 900000);
  EXPECT_EQ(config.totalTimeoutMs, 30000);
  MachineTranslationPage again(settings);
  EXPECT_EQ(again.model()->text(), QStringLiteral("qwen2.5:7b"));
  again.provider()->setCurrentIndex(again.provider()->findText(QStringLiteral("DeepL")));
  EXPECT_FALSE(again.model()->isEnabled());
  EXPECT_FALSE(again.temperature()->isEnabled());
  EXPECT_FALSE(again.modelTimeout()->isEnabled());
  EXPECT_TRUE(again.totalTimeout()->isEnabled());
}

// Send To with a stand-in composer on PATH.
class SendToTest : public OnlineWindowsTest {
protected:
  void SetUp() override {
    OnlineWindowsTest::SetUp();
    bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    record = dir.filePath(QStringLiteral("arguments.txt"));
    oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);
  }
  void TearDown() override {
    qputenv("PATH", oldPath);
    OnlineWindowsTest::TearDown();
  }
  void installComposer() {
    const QString script = bin + QStringLiteral("/xdg-email");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1'; "
                              "done\nexit 0\n")
                   .arg(record)
                   .toUtf8());
    file.close();
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QString bin, record;
  QByteArray oldPath;
};

TEST_F(SendToTest, TheDialogRefusesBadNamesAndTheComposerGetsTheFiles) {
  open();
  QAction *command = workbench->frame().command(CmdSendTo);
  ASSERT_TRUE(command->isEnabled());
  // No composer: the logon message, no dialog.
  qputenv("PATH", bin.toLocal8Bit());
  int dialogs = 0;
  workbench->setDialogRunner([&dialogs](QDialog *) {
    ++dialogs;
    return false;
  });
  workbench->frame().runCommand(CmdSendTo);
  EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Could not log on to an email system.")});
  EXPECT_EQ(dialogs, 0);

  installComposer();
  prompter.messages.clear();
  workbench->setDialogRunner([](QDialog *dialog) {
    auto *send = static_cast<SendResourceDialog *>(dialog);
    EXPECT_EQ(send->windowTitle(), QStringLiteral("Send resource"));
    EXPECT_EQ(send->name()->maxLength(), 30);
    EXPECT_TRUE(send->attachTarget()->isEnabled());
    EXPECT_FALSE(send->toSupport()->isEnabled()); // no "SupportAddress"
    send->accept();                               // empty: refused
    send->name()->setText(QStringLiteral("a=b"));
    send->accept(); // "=" is refused too
    EXPECT_FALSE(send->result() == QDialog::Accepted);
    send->name()->setText(QStringLiteral("strings"));
    send->attachTarget()->setChecked(true);
    send->accept();
    return send->result() == QDialog::Accepted;
  });
  workbench->frame().runCommand(CmdSendTo);
  ASSERT_EQ(prompter.messages.size(), 2);
  EXPECT_EQ(prompter.messages[0], QStringLiteral("You must type a name."));
  EXPECT_TRUE(prompter.messages[1].startsWith(
      QStringLiteral("A name cannot contain any of the following characters:")));
  QFile file(record);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList arguments = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(arguments.size(), 10) << arguments.join(u'|').toStdString();
  EXPECT_EQ(arguments[1], QStringLiteral("strings.rc"));
  EXPECT_TRUE(arguments[5].endsWith(QStringLiteral("/strings.rc")));
  EXPECT_TRUE(arguments[7].endsWith(QStringLiteral("/strings.rc.1031")));
  EXPECT_EQ(arguments[9], target);
  // The temporary copy stays for the composer until the program ends.
  EXPECT_TRUE(QFile::exists(arguments[5]));
  const QString folder = QFileInfo(arguments[5]).absolutePath();
  prompter.answers = {Prompter::Answer::No};
  workbench->session().close();
  workbench.reset();
  EXPECT_FALSE(QFileInfo::exists(folder));
  workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, nullptr);
}

TEST_F(SendToTest, TheSupportAddressEnablesTheAuthorBox) {
  settings.setText(QStringLiteral("SupportAddress"), QStringLiteral("help@tarvelo.example"));
  installComposer();
  open();
  workbench->setDialogRunner([](QDialog *dialog) {
    auto *send = static_cast<SendResourceDialog *>(dialog);
    EXPECT_TRUE(send->toSupport()->isEnabled());
    send->toSupport()->setChecked(true);
    send->name()->setText(QStringLiteral("s.RC2"));
    send->accept();
    return true;
  });
  workbench->frame().runCommand(CmdSendTo);
  QFile file(record);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList arguments = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_FALSE(arguments.isEmpty());
  EXPECT_EQ(arguments[1], QStringLiteral("s.RC2"));
  EXPECT_EQ(arguments.last(), QStringLiteral("help@tarvelo.example"));
}

// The update check of the start-up against a local server.
class UpdateAnnouncerTest : public ::testing::Test {
protected:
  void SetUp() override {
    settings.setText(QStringLiteral("UpdateURL"), server.url() + QStringLiteral("/tarvelo/"));
  }
  int run(UpdateAnnouncer &announcer) {
    QSignalSpy finished(&announcer, &UpdateAnnouncer::finished);
    if (!announcer.start())
      return -1;
    EXPECT_TRUE(finished.wait(10000));
    return finished.isEmpty() ? -2 : finished.front().front().toInt();
  }
  QByteArray descriptor = "2.6";
  LocalHttpServer server{[this](const LocalHttpServer::Request &) {
    return LocalHttpServer::Reply{200, descriptor, "text/plain"};
  }};
  MemorySettings settings;
  test::ScriptedPrompter prompter;
};

TEST_F(UpdateAnnouncerTest, ANewerVersionIsAnnouncedAndItsPageOpened) {
  UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
  QList<QUrl> opened;
  announcer.setOpener([&opened](const QUrl &url) {
    opened.append(url);
    return true;
  });
  EXPECT_EQ(run(announcer), int(UpdateCheckResult::Started));
  EXPECT_EQ(prompter.messages,
            QStringList{QStringLiteral(
                "An update of Tarvelo 2.6 is now available. Proceed with the update?")});
  EXPECT_EQ(opened, QList<QUrl>{QUrl(server.url() + QStringLiteral("/tarvelo/"))});
}

TEST_F(UpdateAnnouncerTest, DeclinedEqualOrSwitchedOffChecksOpenNothing) {
  QList<QUrl> opened;
  const auto opener = [&opened](const QUrl &url) {
    opened.append(url);
    return true;
  };
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    announcer.setOpener(opener);
    prompter.answers = {Prompter::Answer::No};
    EXPECT_EQ(run(announcer), int(UpdateCheckResult::Declined));
  }
  prompter.messages.clear();
  descriptor = "2.5";
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    EXPECT_EQ(run(announcer), int(UpdateCheckResult::NotNewer));
  }
  descriptor = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">";
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    EXPECT_EQ(run(announcer), int(UpdateCheckResult::NotNewer));
  }
  settings.setInteger(QStringLiteral("AutoUpdate"), 0);
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    EXPECT_EQ(run(announcer), -1);
  }
  settings.setInteger(QStringLiteral("AutoUpdate"), 1);
  settings.setText(QStringLiteral("UpdateURL"), QString());
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    EXPECT_EQ(run(announcer), -1);
  }
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_TRUE(opened.isEmpty());
}

// Where programs install themselves: the installer comes in the background, is checked
// against its digest, kept where only the user may write, and started.
TEST_F(UpdateAnnouncerTest, TheInstallerIsStartedOnlyWhenItMatchesItsDigest) {
  const QByteArray program = "MZ\x90new version";
  QByteArray served = program;
  server.setHandler([&](const LocalHttpServer::Request &request) {
    if (request.path == "/tarvelo/Tarvelo2_6.exe")
      return LocalHttpServer::Reply{200, served, "application/octet-stream"};
    if (request.path == "/tarvelo/Tarvelo2_6.exe.sha256")
      return LocalHttpServer::Reply{
          200, QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex(), "text/plain"};
    return LocalHttpServer::Reply{200, descriptor, "text/plain"};
  });
  QTemporaryDir folder;
  QStringList started;
  const auto installer = [&](UpdateAnnouncer &announcer) {
    announcer.setInstallsItself(true);
    announcer.setDownloadFolder(folder.path());
    announcer.setStarter([&started](const QString &path) {
      started.append(path);
      return true;
    });
  };
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    installer(announcer);
    EXPECT_EQ(run(announcer), int(UpdateCheckResult::Started));
  }
  EXPECT_EQ(prompter.messages,
            QStringList{"An update of Tarvelo2_6.exe is now available. Proceed with the update?"});
  ASSERT_EQ(started.size(), 1);
  QFile file(started.front());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), program);
  EXPECT_FALSE(QFileInfo(QFileInfo(started.front()).absolutePath()).permissions() &
               (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther));

  // A changed installer is refused, and the translator is told why.
  served = program + "with something added";
  prompter.messages.clear();
  {
    UpdateAnnouncer announcer(settings, prompter, QStringLiteral("2.5"));
    installer(announcer);
    EXPECT_EQ(run(announcer), int(UpdateCheckResult::DownloadFailed));
  }
  EXPECT_EQ(started.size(), 1);
  ASSERT_EQ(prompter.messages.size(), 2);
  EXPECT_EQ(prompter.messages[1], "The update could not be downloaded: the installer does not "
                                  "match its SHA-256 digest.");
}

} // namespace
} // namespace tarvelo::gui

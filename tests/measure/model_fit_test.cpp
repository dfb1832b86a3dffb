// A language model's answers measured in their dialog controls with the dialogs' real fonts.
#include "dialogs/control_room.h"
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "exchange/text_masking.h"
#include "measure/qt_text_measure.h"
#include "script/after_read.h"
#include "support/fake_chat_model.h"
#include "support/script_harness.h"
#include "workbench/undo_stack.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::chatItems;
using test::chatModel;
using test::LocalHttpServer;

const char kScript[] = "LANGUAGE 9, 1\n"
                       "IDR_MAIN MENU\n"
                       "BEGIN\n"
                       "    POPUP \"&File\"\n"
                       "    BEGIN\n"
                       "        POPUP \"&Export\"\n"
                       "        BEGIN\n"
                       "            MENUITEM \"As &PDF...\", IDM_PDF\n"
                       "        END\n"
                       "        MENUITEM SEPARATOR\n"
                       "        MENUITEM \"E&xit\", IDM_EXIT\n"
                       "    END\n"
                       "    MENUITEM \"&Help\", IDM_HELP\n"
                       "END\n"
                       "IDD_SAVE DIALOGEX 0, 0, 200, 100\n"
                       "CAPTION \"Save Settings\"\n"
                       "FONT 8, \"MS Shell Dlg\"\n"
                       "BEGIN\n"
                       "    LTEXT \"Settings are kept for all users.\", IDC_NOTE, 7, 7, 186, 8\n"
                       "    PUSHBUTTON \"&Save settings\", IDC_SAVE, 7, 40, 50, 14\n"
                       "    PUSHBUTTON \"Cancel\", IDCANCEL, 60, 40, 50, 14\n"
                       "END\n";

const QString kLong = QStringLiteral("Einstellungen dauerhaft speichern");
const QString kShort = QStringLiteral("Speichern");

class ModelFitTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(work.readSource(QByteArray(kScript), 1033), ScriptResult::Ok);
    work.tasks.head()->targetLanguage = 1031;
    bool clearFuzzy = false;
    AfterReadContext context{&work.entries, &work.prompter, QString(), &clearFuzzy};
    afterTargetRead(work.tasks.head(), context);
    aids.fit = [this](TextEntry *control, const QString &text) {
      return gauge.measure(control, text);
    };
  }
  TextEntry *find(const QString &identifier) const {
    for (const auto &entry : work.entries)
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
  MtRunResult run(const LocalHttpServer &server, const EntryTest &selected = nullptr) {
    MtConfig config;
    config.provider = MtProviderKind::OpenAiCompatible;
    config.url = server.url();
    config.model = QStringLiteral("llama");
    config.modelTimeoutMs = 5000;
    const MachineTranslator translator(config, 1033, 1031);
    return translateEntries(work.entries, undo, nullptr, selected, translator, work.progress, aids);
  }
  // The width the dialogs report needs for an answer on a push button of the dialog.
  int neededWidth(const QString &source, const QString &answer) const {
    const auto font = measure.font(QStringLiteral("MS Shell Dlg"), 8);
    return font->lineSize(unmaskText(maskText(source), answer)).width();
  }

  test::Workspace work;
  UndoStack undo;
  QtTextMeasure measure;
  ControlRoomGauge gauge{measure};
  ModelAids aids;
};

// The model answers long first; asked again for a shorter wording, it answers short.
QString longThenShort(const QJsonObject &item) {
  if (item.value("identifier").toString() != "IDC_SAVE")
    return "DE " + item.value("text").toString();
  return item.contains("too_long") ? kShort : kLong;
}

TEST_F(ModelFitTest, ALongAnswerIsSentBackOnceAndTheShorterOneIsKept) {
  LocalHttpServer server(chatModel(longThenShort));
  const MtRunResult result = run(server);
  const QList<LocalHttpServer::Request> requests = server.requests();
  ASSERT_EQ(requests.size(), 2);
  EXPECT_EQ(result.requests, 2);
  EXPECT_EQ(result.refitted, 1);
  EXPECT_EQ(result.tooLong, 0);
  // The room of a push button 50 units wide in MS Shell Dlg 8: 71 pixels on one line.
  for (const QJsonValue &value : chatItems(requests[0])) {
    const QJsonObject item = value.toObject();
    if (item.value("identifier").toString() == "IDC_SAVE") {
      EXPECT_EQ(item.value("room").toObject().value("width_px").toInt(), 71);
      EXPECT_EQ(item.value("room").toObject().value("lines").toInt(), 1);
    }
    if (item.value("identifier").toString() == "IDM_EXIT") {
      EXPECT_FALSE(item.contains("room"));
    }
  }
  const QJsonArray again = chatItems(requests[1]);
  ASSERT_EQ(again.size(), 1);
  const QJsonObject tooLong = again[0].toObject().value("too_long").toObject();
  EXPECT_EQ(tooLong.value("previous_translation").toString(), kLong);
  const int needed = neededWidth("&Save settings", kLong);
  EXPECT_GT(needed, 71);
  EXPECT_EQ(tooLong.value("needed_width_px").toInt(), needed);
  EXPECT_EQ(find("IDC_SAVE")->targetText, "&Speichern");
  EXPECT_EQ(find("IDCANCEL")->targetText, "DE Cancel");
}

TEST_F(ModelFitTest, AnAnswerStillTooLongIsKeptAndCountedAfterOneRetry) {
  LocalHttpServer server(chatModel([](const QJsonObject &item) {
    if (item.value("identifier").toString() == "IDC_SAVE")
      return item.contains("too_long") ? QStringLiteral("Einstellungen speichern") : kLong;
    return "DE " + item.value("text").toString();
  }));
  const MtRunResult result = run(server);
  EXPECT_EQ(server.requests().size(), 2);
  EXPECT_EQ(result.refitted, 1);
  EXPECT_EQ(result.tooLong, 1);
  ASSERT_EQ(result.tooLongEntries.size(), 1);
  EXPECT_EQ(result.tooLongEntries[0], find("IDC_SAVE"));
  EXPECT_GT(neededWidth("&Save settings", "Einstellungen speichern"), 71);
  EXPECT_EQ(find("IDC_SAVE")->targetText, "Ein&stellungen speichern");
  EXPECT_EQ(find("IDC_SAVE")->matchState, Fuzzy);
}

TEST_F(ModelFitTest, AnswersThatFitAreNotSentBack) {
  LocalHttpServer server(chatModel([](const QJsonObject &item) {
    return item.value("identifier").toString() == "IDC_SAVE"
               ? kShort
               : "DE " + item.value("text").toString();
  }));
  const MtRunResult result = run(server);
  EXPECT_EQ(server.requests().size(), 1);
  EXPECT_EQ(result.refitted, 0);
  EXPECT_EQ(result.tooLong, 0);
}

TEST_F(ModelFitTest, TheRequestForADialogControlAndAMenuItemIsTheStoredOne) {
  LocalHttpServer server(chatModel(longThenShort));
  find("IDC_SAVE")->setSourceComment(QStringLiteral("Saves the options page"));
  aids.terms = [](const QString &text) {
    QList<QPair<QString, QString>> terms;
    if (text.contains("settings", Qt::CaseInsensitive))
      terms.append({QStringLiteral("settings"), QStringLiteral("Einstellungen")});
    if (text.contains("PDF"))
      terms.append({QStringLiteral("PDF"), QStringLiteral("PDF")});
    return terms;
  };
  run(server, [](const TextEntry &entry) {
    return entry.identifier == "IDC_SAVE" || entry.identifier == "IDM_PDF";
  });
  ASSERT_GE(server.requests().size(), 1);
  QFile file(QStringLiteral(TARVELO_TEST_DATA "/model/dialog_and_menu_request.json"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QJsonDocument expected = QJsonDocument::fromJson(file.readAll());
  ASSERT_TRUE(expected.isObject());
  // The user message is JSON in a string: compared as JSON, it shows where it differs.
  QJsonObject actual = QJsonDocument::fromJson(server.requests()[0].body).object();
  QJsonArray messages = actual.value("messages").toArray();
  QJsonObject user = messages[1].toObject();
  user.insert("content",
              QJsonDocument::fromJson(user.value("content").toString().toUtf8()).object());
  messages[1] = user;
  actual.insert("messages", messages);
  EXPECT_EQ(QJsonDocument(actual).toJson().toStdString(), expected.toJson().toStdString());
}

} // namespace
} // namespace tarvelo

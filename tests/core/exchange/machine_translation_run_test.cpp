// Machine-translation runs: batches, undo steps, selection, cancel and time-outs.
#include "core/exchange/exchange_fixture.h"
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "support/local_http_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelo::test {
namespace {

// The German "translation" of a text: its words reversed in capitals.
QString translated(const QString &text) {
  return QStringLiteral("DE ") + text.toUpper();
}

LocalHttpServer::Reply myMemory(const LocalHttpServer::Request &request) {
  const QString q = request.queryValue("q");
  if (q.contains("Padded"))
    return LocalHttpServer::json("<html>Internal Server Error</html>", 500);
  const QJsonObject data{{"translatedText", translated(q)}};
  return LocalHttpServer::json(
      QJsonDocument(QJsonObject{{"responseData", data}, {"responseStatus", 200}}).toJson());
}

LocalHttpServer::Reply libreTranslate(const LocalHttpServer::Request &request) {
  QJsonArray out;
  const QJsonValue q = QJsonDocument::fromJson(request.body).object().value("q");
  if (q.isString())
    return LocalHttpServer::json(
        QJsonDocument(QJsonObject{{"translatedText", translated(q.toString())}}).toJson());
  for (const QJsonValue &text : q.toArray())
    out.append(translated(text.toString()));
  return LocalHttpServer::json(QJsonDocument(QJsonObject{{"translatedText", out}}).toJson());
}

MtConfig configFor(MtProviderKind provider, const LocalHttpServer &server) {
  MtConfig config;
  config.provider = provider;
  config.url = server.url();
  config.connectTimeoutMs = 2000;
  config.totalTimeoutMs = 5000;
  return config;
}

// A progress whose Cancel is pressed once it has been served a number of times.
struct CancellingProgress : NullProgress {
  explicit CancellingProgress(int serves) : left(serves) {}
  void serve() override { --left; }
  bool cancelled() const override { return left <= 0; }
  int left;
};

class MachineTranslationRunTest : public ::testing::Test {
protected:
  void SetUp() override { task.read(false); }
  int distinctSources() const {
    QSet<QString> sources;
    for (const auto &entry : task.ws.entries)
      if (entry->isTranslatable() && !entry->sourceText.isEmpty())
        sources.insert(entry->sourceText);
    return int(sources.size());
  }
  MtRunResult run(const MachineTranslator &translator, EntryTest selected = nullptr,
                  Progress *progress = nullptr) {
    return translateEntries(
        task.ws.entries, task.undo, [this](TextEntry *entry) { task.inspected.append(entry); },
        selected, translator, progress ? *progress : task.ws.progress);
  }
  ExchangeTask task;
};

TEST_F(MachineTranslationRunTest, OneRequestPerOccurrenceChain) {
  LocalHttpServer server(myMemory);
  const MachineTranslator translator(configFor(MtProviderKind::MyMemory, server), kEnglish,
                                     kGerman);
  const MtRunResult result = run(translator);
  EXPECT_EQ(server.requests().size(), distinctSources());
  EXPECT_EQ(result.chains, distinctSources());
  EXPECT_EQ(result.failed, 1); // "  Padded  ": the server's 500
  EXPECT_TRUE(result.error.contains("500")) << result.error.toStdString();
  // The three strings "Open" and the button share one request and one translation.
  for (const char *id : {"IDS_OPEN1", "IDS_OPEN2", "IDS_OPEN3", "IDOK"}) {
    EXPECT_EQ(task.find(id)->targetText, "DE OPEN") << id;
    EXPECT_EQ(task.find(id)->matchState, Filled) << id;
  }
  EXPECT_EQ(task.find("IDS_SPACES")->targetText, "");
  EXPECT_EQ(task.find("IDS_LINES")->targetText, "DE FIRST LINE\\nSECOND LINE\\nTHIRD");
  EXPECT_EQ(task.find("IDS_PERCENT")->targetText, "DE %d FILES, 100%% DONE");
  // Every filled entry was inspected again.
  EXPECT_EQ(task.inspected.size(), result.changed.size());
  EXPECT_EQ(task.ws.progress.title, "Translate using machine translation");
}

TEST_F(MachineTranslationRunTest, BatchesUpToFiftyChainsInOneRequest) {
  LocalHttpServer server(libreTranslate);
  const MachineTranslator translator(configFor(MtProviderKind::LibreTranslate, server), kEnglish,
                                     kGerman);
  const MtRunResult result = run(translator);
  ASSERT_EQ(server.requests().size(), 1);
  EXPECT_EQ(
      QJsonDocument::fromJson(server.requests().front().body).object().value("q").toArray().size(),
      distinctSources());
  EXPECT_EQ(result.translated, distinctSources());
  EXPECT_EQ(task.find("IDS_SPACES")->targetText, "  DE PADDED  ");
}

TEST_F(MachineTranslationRunTest, EachChainIsOneUndoStep) {
  LocalHttpServer server(libreTranslate);
  const MachineTranslator translator(configFor(MtProviderKind::LibreTranslate, server), kEnglish,
                                     kGerman);
  const MtRunResult result = run(translator);
  const QString filled = task.targets();
  int steps = 0;
  while (task.undo.undo())
    ++steps;
  EXPECT_EQ(steps, result.translated);
  for (const auto &entry : task.ws.entries)
    EXPECT_TRUE(entry->targetText.isEmpty()) << entry->identifier.toStdString();
  while (task.undo.redo())
    ;
  EXPECT_EQ(task.targets(), filled);
}

TEST_F(MachineTranslationRunTest, OnlySelectedEntriesChange) {
  LocalHttpServer server(myMemory);
  const MachineTranslator translator(configFor(MtProviderKind::MyMemory, server), kEnglish,
                                     kGerman);
  const MtRunResult result =
      run(translator, [](const TextEntry &entry) { return entry.identifier == "IDS_OPEN2"; });
  EXPECT_EQ(server.requests().size(), 1);
  EXPECT_EQ(result.changed.size(), 1);
  EXPECT_EQ(task.find("IDS_OPEN2")->targetText, "DE OPEN");
  EXPECT_EQ(task.find("IDS_OPEN1")->targetText, "");
}

TEST_F(MachineTranslationRunTest, CancelStopsARunWaitingForASilentServer) {
  LocalHttpServer server([](const LocalHttpServer::Request &) {
    LocalHttpServer::Reply reply;
    reply.silent = true;
    return reply;
  });
  MtConfig config = configFor(MtProviderKind::MyMemory, server);
  config.totalTimeoutMs = 600000;
  const MachineTranslator translator(config, kEnglish, kGerman);
  CancellingProgress progress(10);
  const MtRunResult result = run(translator, nullptr, &progress);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(server.requests().size(), 1);
  EXPECT_TRUE(result.changed.isEmpty());
  EXPECT_FALSE(task.undo.canUndo());
}

TEST_F(MachineTranslationRunTest, ATimeOutStopsTheRunAndSaysSo) {
  LocalHttpServer server([](const LocalHttpServer::Request &request) {
    LocalHttpServer::Reply reply = myMemory(request);
    reply.silent = request.queryValue("q") == "Open";
    return reply;
  });
  MtConfig config = configFor(MtProviderKind::MyMemory, server);
  config.totalTimeoutMs = 300;
  const MachineTranslator translator(config, kEnglish, kGerman);
  const MtRunResult result = run(translator);
  // A dead server would cost every further request the time-out: nothing after "Open"
  // is sent, and what was not sent counts as failed.
  const QList<LocalHttpServer::Request> requests = server.requests();
  ASSERT_FALSE(requests.isEmpty());
  EXPECT_EQ(requests.last().queryValue("q"), "Open");
  EXPECT_EQ(result.translated, requests.size() - 1);
  EXPECT_EQ(result.translated + result.failed, distinctSources());
  EXPECT_TRUE(result.error.contains("did not answer in time")) << result.error.toStdString();
  EXPECT_TRUE(result.error.contains("were not sent")) << result.error.toStdString();
  EXPECT_EQ(task.find("IDS_OPEN1")->targetText, "");
  EXPECT_EQ(task.find("IDS_TAB")->targetText, "DE NAME:\\tVALUE");
}

} // namespace
} // namespace tarvelo::test

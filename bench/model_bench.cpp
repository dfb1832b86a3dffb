// A language model's client side over the generated script's items (about 37,000): each
// item's context gathered and masked, the chat requests built in batches of 20, and the
// model's answers checked and unmasked, so that our own time stays far below the model's.

#include "exchange/model_context.h"
#include "exchange/model_request.h"
#include "exchange/text_masking.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/generated_task.h"
#include "support/silent_prompter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

constexpr size_t kBatch = 20;

struct Generated {
  EntryList entries;
  TaskChain tasks;
  std::vector<const TextEntry *> items;
};

Generated &generated() {
  static Generated *task = [] {
    auto *made = new Generated;
    bench::SilentPrompter prompter;
    NullProgress progress;
    MemorySettings settings;
    if (bench::readGeneratedTask(made->entries, made->tasks, prompter, progress, settings, false))
      for (const auto &entry : made->entries)
        if (entry->isTranslatable() && !entry->sourceText.isEmpty())
          made->items.push_back(entry.get());
    return made;
  }();
  return *task;
}

// A model's answer to a batch: every masked text back as its translation.
QByteArray answerTo(const QStringList &sent) {
  QJsonArray out;
  for (qsizetype i = 0; i < sent.size(); ++i)
    out.append(QJsonObject{{"index", int(i)}, {"text", sent[i]}});
  const QString content = QString::fromUtf8(
      QJsonDocument(QJsonObject{{"translations", out}}).toJson(QJsonDocument::Compact));
  const QJsonObject message{{"role", "assistant"}, {"content", content}};
  return QJsonDocument(QJsonObject{{"choices", QJsonArray{QJsonObject{{"message", message}}}},
                                   {"usage", QJsonObject{{"prompt_tokens", 1000}}}})
      .toJson(QJsonDocument::Compact);
}

void BM_ModelRequestsAndAnswersOfEveryItem(benchmark::State &state) {
  const std::vector<const TextEntry *> &items = generated().items;
  // The answers are the fake model's work, made before the clock runs.
  std::vector<QByteArray> answers;
  for (size_t start = 0; start < items.size(); start += kBatch) {
    QStringList sent;
    for (size_t i = start; i < std::min(items.size(), start + kBatch); ++i)
      sent.append(maskText(items[i]->sourceText).sent);
    answers.push_back(answerTo(sent));
  }
  const ModelRequestHead head{QStringLiteral("llama"), 0.2, QStringLiteral("en-US"),
                              QStringLiteral("de-DE")};
  for (auto _ : state) {
    qsizetype bytes = 0;
    int taken = 0;
    for (size_t start = 0; start < items.size(); start += kBatch) {
      QList<ModelItem> batch;
      std::vector<MaskedText> masked;
      QStringList sent;
      for (size_t i = start; i < std::min(items.size(), start + kBatch); ++i) {
        batch.append(modelItemFor(*items[i]));
        masked.push_back(maskText(batch.back().text));
        batch.back().text = masked.back().sent;
        sent.append(masked.back().sent);
      }
      bytes += chatBody(batch, head).size();
      const ModelReply reply = readModelReply(answers[start / kBatch], sent);
      for (qsizetype i = 0; i < reply.texts.size(); ++i)
        taken += reply.texts[i] && !unmaskText(masked[size_t(i)], *reply.texts[i]).isEmpty();
    }
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(taken);
  }
  state.SetItemsProcessed(state.iterations() * qsizetype(items.size()));
  state.counters["items"] = double(items.size());
  state.counters["requests"] = double(answers.size());
}
BENCHMARK(BM_ModelRequestsAndAnswersOfEveryItem)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

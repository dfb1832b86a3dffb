// The client side of machine translation over the reading benchmark's script (about
// 37,000 items): masking and unmasking the source text of every occurrence chain, and
// building the requests and reading the answers of a whole run in LibreTranslate's
// batches of 50 texts, so that the work around the network stays small next to the
// service's own time.

#include "exchange/libretranslate_provider.h"
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
#include <QSet>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

// The distinct source texts of the generated task, one per occurrence chain.
const QStringList &chainSources() {
  static const QStringList sources = [] {
    EntryList entries;
    TaskChain tasks;
    bench::SilentPrompter prompter;
    NullProgress progress;
    MemorySettings settings;
    QStringList out;
    if (!bench::readGeneratedTask(entries, tasks, prompter, progress, settings, false))
      return out;
    QSet<QString> seen;
    for (const auto &entry : entries)
      if (entry->isTranslatable() && !entry->sourceText.isEmpty() &&
          !seen.contains(entry->sourceText)) {
        seen.insert(entry->sourceText);
        out.append(entry->sourceText);
      }
    return out;
  }();
  return sources;
}

void BM_MaskAndUnmaskEverySource(benchmark::State &state) {
  const QStringList &sources = chainSources();
  for (auto _ : state) {
    qsizetype length = 0;
    for (const QString &source : sources) {
      const MaskedText masked = maskText(source);
      length += unmaskText(masked, masked.sent).size();
    }
    benchmark::DoNotOptimize(length);
  }
  state.SetItemsProcessed(state.iterations() * sources.size());
  state.counters["chains"] = double(sources.size());
}
BENCHMARK(BM_MaskAndUnmaskEverySource)->Unit(benchmark::kMillisecond);

void BM_RequestsAndAnswersOfARun(benchmark::State &state) {
  const QStringList &sources = chainSources();
  MtConfig config;
  config.provider = MtProviderKind::LibreTranslate;
  config.url = QStringLiteral("http://localhost:5000");
  const LibreTranslateProvider provider(config);
  for (auto _ : state) {
    int translated = 0;
    for (qsizetype start = 0; start < sources.size(); start += 50) {
      std::vector<MaskedText> masked;
      QStringList texts;
      for (const QString &source : sources.mid(start, 50)) {
        masked.push_back(maskText(source));
        texts.append(masked.back().sent);
      }
      const HttpRequest request =
          provider.request(texts, QStringLiteral("en"), QStringLiteral("de"));
      // The service's answer: the texts as sent.
      HttpResponse response;
      response.status = 200;
      const QJsonArray q = QJsonDocument::fromJson(request.body).object().value("q").toArray();
      response.body = QJsonDocument(QJsonObject{{"translatedText", q}}).toJson();
      const ProviderAnswer answer = provider.parse(response, int(texts.size()));
      for (qsizetype i = 0; i < answer.translations.size(); ++i)
        translated += !unmaskText(masked[size_t(i)], answer.translations[i]).isEmpty();
    }
    benchmark::DoNotOptimize(translated);
  }
  state.SetItemsProcessed(state.iterations() * sources.size());
  state.counters["requests"] = double((sources.size() + 49) / 50);
}
BENCHMARK(BM_RequestsAndAnswersOfARun)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

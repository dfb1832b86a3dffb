// A language model's side of MachineTranslator: items in batches, a wait on 429, the checks.
#include "exchange/machine_translator.h"
#include "exchange/openai_provider.h"
#include "exchange/text_masking.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tarvelo {

namespace {

// Waits the server's Retry-After, bounded, in steps that Cancel can end. False when
// cancelled.
bool waitToRetry(int seconds, const std::atomic<bool> *abort) {
  const auto until = std::chrono::steady_clock::now() +
                     std::chrono::seconds(std::clamp(seconds, 1, kMostRetryWaitSeconds));
  while (std::chrono::steady_clock::now() < until) {
    if (abort && abort->load())
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// One request, sent once more after a 429 that asked to wait.
HttpResponse sendOnce(const HttpRequest &request, const std::atomic<bool> *abort, int *requests) {
  ++*requests;
  HttpResponse response = performHttp(request, abort);
  if (!response.answered() || response.status != 429 || response.retryAfterSeconds < 0)
    return response;
  if (!waitToRetry(response.retryAfterSeconds, abort)) {
    response.failure = HttpResponse::Failure::Aborted;
    return response;
  }
  ++*requests;
  return performHttp(request, abort);
}

} // namespace

ModelOutcome MachineTranslator::translateItems(const QList<ModelItem> &items,
                                               const std::atomic<bool> *abort) const {
  ModelOutcome outcome;
  outcome.translations.resize(items.size());
  outcome.masked.resize(items.size());
  const auto *model = dynamic_cast<const OpenAiProvider *>(m_provider.get());
  if (!model || !languagesKnown()) {
    outcome.error = QCoreApplication::translate("MachineTranslation",
                                                "%1 does not translate between these languages.")
                        .arg(providerName(m_provider->kind()));
    return outcome;
  }
  std::vector<MaskedText> masked;
  masked.reserve(size_t(items.size()));
  QList<int> pending;
  for (qsizetype i = 0; i < items.size(); ++i) {
    masked.push_back(maskText(items[i].text));
    if (masked.back().sent.isEmpty())
      outcome.translations[i] = unmaskText(masked.back(), QString());
    else
      pending.append(int(i));
  }
  int timeOuts = 0; // in a row
  for (qsizetype start = 0; start < pending.size(); start += batchLimit()) {
    if (abort && abort->load()) {
      outcome.aborted = true;
      break;
    }
    QList<ModelItem> batch;
    QStringList sent;
    for (int index : pending.mid(start, batchLimit())) {
      batch.append(items[index]);
      batch.back().text = masked[size_t(index)].sent;
      sent.append(batch.back().text);
    }
    const HttpResponse response =
        sendOnce(model->chatRequest(batch, m_source, m_target), abort, &outcome.requests);
    if (response.failure == HttpResponse::Failure::Aborted) {
      outcome.aborted = true;
      break;
    }
    const ModelReply reply = model->reply(response, sent);
    outcome.promptTokens += reply.promptTokens;
    outcome.completionTokens += reply.completionTokens;
    if (outcome.error.isEmpty() && !reply.problem.isEmpty())
      outcome.error = reply.problem;
    // A slow answer can be one long generation; two in a row mean a dead server.
    timeOuts = response.failure == HttpResponse::Failure::TimedOut ? timeOuts + 1 : 0;
    outcome.timeOutStreak = timeOuts;
    if (timeOuts >= 2) {
      outcome.timedOut = true;
      break;
    }
    for (qsizetype i = 0; i < sent.size(); ++i) {
      const int index = pending[start + i];
      if (!reply.texts[i])
        continue;
      const MaskedText &text = masked[size_t(index)];
      const QString refusal = answerRefusal(text, *reply.texts[i]);
      if (!refusal.isEmpty()) {
        if (outcome.error.isEmpty())
          outcome.error = model->answerProblem(refusal);
        continue;
      }
      outcome.masked[index] = *reply.texts[i];
      outcome.translations[index] = unmaskText(text, *reply.texts[i]);
    }
  }
  return outcome;
}

} // namespace tarvelo

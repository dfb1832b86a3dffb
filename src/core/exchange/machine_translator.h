// Translates texts between the session's languages through the configured provider.
#pragma once

#include "exchange/model_request.h"
#include "exchange/translation_provider.h"

#include <QList>
#include <atomic>
#include <memory>
#include <optional>

namespace tarvelo {

// What one call brought back: a translation for each text, or none where the service
// failed, with the service's reason.
struct TranslationOutcome {
  QList<std::optional<QString>> translations;
  QString error;
  bool aborted = false;
  // The service did not answer in time: the texts after that request were not sent,
  // since a dead server would cost every further request the whole time-out.
  bool timedOut = false;
};

// What a language model brought back for items: a whole translation per item or none,
// the masked answers (for sending an item back), and what the exchange cost.
struct ModelOutcome {
  QList<std::optional<QString>> translations;
  QStringList masked;
  QString error;
  bool aborted = false;
  bool timedOut = false; // two requests in a row did not answer in time: nothing more sent
  int requests = 0;
  int timeOutStreak = 0; // the requests at the end that did not answer in time
  int promptTokens = 0, completionTokens = 0;
};

// How long a language model's "Retry-After" is waited for, at most, once per request.
inline constexpr int kMostRetryWaitSeconds = 30;

// Translates texts between the session's languages through the configured provider,
// keeping what a translation must keep (text_masking.h). Thread-safe: the batch runs
// it off the user-interface thread.
class MachineTranslator {
public:
  MachineTranslator(const MtConfig &config, int sourceLanguage, int targetLanguage);
  ~MachineTranslator();

  // Whether the provider knows both languages.
  bool languagesKnown() const { return !m_source.isEmpty() && !m_target.isEmpty(); }
  // The most texts one request carries.
  int batchLimit() const;
  const TranslationProvider &provider() const { return *m_provider; }

  // Blocks for at most one request per batchLimit texts; abort ends it early, and so
  // does a request that times out.
  TranslationOutcome translate(const QStringList &sources,
                               const std::atomic<bool> *abort = nullptr) const;

  // Whether the provider is a language model, which takes items with their context.
  bool usesModel() const { return m_provider->kind() == MtProviderKind::OpenAiCompatible; }
  // A language model's translations of items whose text is the source as written (it is
  // masked here; previous is masked already), one request per batchLimit items. An item
  // failing the checks stays without translation.
  ModelOutcome translateItems(const QList<ModelItem> &items,
                              const std::atomic<bool> *abort = nullptr) const;

private:
  std::unique_ptr<TranslationProvider> m_provider;
  QString m_source, m_target;
};

// The probe after every open: "Test" translated (for a language model, its list of models,
// which costs the server no generation), waiting no longer than the connect time-out.
// False when the provider lacks a language or does not answer.
bool probeMachineTranslation(MtConfig config, int sourceLanguage, int targetLanguage);

} // namespace tarvelo

// Translating texts in batches through the provider, masking what must stay verbatim.
#include "exchange/machine_translator.h"

#include "exchange/openai_provider.h"
#include "exchange/text_masking.h"

#include <QCoreApplication>

namespace tarvelo {

MachineTranslator::MachineTranslator(const MtConfig &config, int sourceLanguage, int targetLanguage)
    : m_provider(makeProvider(config)),
      m_source(providerLanguageCode(config.provider, sourceLanguage, false)),
      m_target(providerLanguageCode(config.provider, targetLanguage, true)) {}

MachineTranslator::~MachineTranslator() = default;

int MachineTranslator::batchLimit() const {
  return std::max(1, m_provider->batchLimit());
}

TranslationOutcome MachineTranslator::translate(const QStringList &sources,
                                                const std::atomic<bool> *abort) const {
  TranslationOutcome outcome;
  if (usesModel()) {
    QList<ModelItem> items;
    for (const QString &source : sources) {
      items.append(ModelItem());
      items.back().text = source;
    }
    ModelOutcome model = translateItems(items, abort);
    outcome.translations = std::move(model.translations);
    outcome.error = model.error;
    outcome.aborted = model.aborted;
    outcome.timedOut = model.timedOut;
    return outcome;
  }
  outcome.translations.resize(sources.size());
  if (!languagesKnown()) {
    outcome.error = QCoreApplication::translate("MachineTranslation",
                                                "%1 does not translate between these languages.")
                        .arg(providerName(m_provider->kind()));
    return outcome;
  }
  std::vector<MaskedText> masked;
  masked.reserve(size_t(sources.size()));
  QList<int> pending; // indexes of the texts the service must see
  for (qsizetype i = 0; i < sources.size(); ++i) {
    masked.push_back(maskText(sources[i]));
    if (masked.back().sent.isEmpty())
      outcome.translations[i] = unmaskText(masked.back(), QString());
    else
      pending.append(int(i));
  }
  const int limit = batchLimit();
  for (qsizetype start = 0; start < pending.size(); start += limit) {
    if (abort && abort->load()) {
      outcome.aborted = true;
      break;
    }
    const QList<int> batch = pending.mid(start, limit);
    QStringList texts;
    for (int index : batch)
      texts.append(masked[size_t(index)].sent);
    const HttpResponse response =
        performHttp(m_provider->request(texts, m_source, m_target), abort);
    if (response.failure == HttpResponse::Failure::Aborted) {
      outcome.aborted = true;
      break;
    }
    const ProviderAnswer answer = m_provider->parse(response, int(texts.size()));
    if (!answer.ok()) {
      if (outcome.error.isEmpty())
        outcome.error = answer.error;
      if (response.failure == HttpResponse::Failure::TimedOut) {
        outcome.timedOut = true;
        break;
      }
      continue;
    }
    for (qsizetype i = 0; i < batch.size(); ++i) {
      const MaskedText &sent = masked[size_t(batch[i])];
      const QString refusal = answerRefusal(sent, answer.translations[i]);
      if (!refusal.isEmpty()) {
        if (outcome.error.isEmpty())
          outcome.error =
              QCoreApplication::translate("MachineTranslation",
                                          "The answer of %1 to '%2' is not used: %3.")
                  .arg(providerName(m_provider->kind()), sources[batch[i]].left(40), refusal);
        continue;
      }
      const QString whole = unmaskText(sent, answer.translations[i]);
      if (!whole.isEmpty())
        outcome.translations[batch[i]] = whole;
    }
  }
  return outcome;
}

bool probeMachineTranslation(MtConfig config, int sourceLanguage, int targetLanguage) {
  if (!config.enabled)
    return false;
  config.totalTimeoutMs = config.connectTimeoutMs;
  const MachineTranslator translator(config, sourceLanguage, targetLanguage);
  if (!translator.languagesKnown())
    return false;
  if (config.provider == MtProviderKind::OpenAiCompatible)
    return performHttp(OpenAiProvider(config).modelsRequest()).ok();
  const TranslationOutcome outcome = translator.translate({QStringLiteral("Test")});
  return outcome.translations.value(0).has_value();
}

} // namespace tarvelo

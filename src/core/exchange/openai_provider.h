// Machine translation by a language model behind the OpenAI-compatible chat interface.
#pragma once

#include "exchange/model_request.h"
#include "exchange/translation_provider.h"

namespace tarvelo {

// The chat-completions protocol that llama.cpp's server, Ollama, vLLM and hosted
// services speak: POST {base}/v1/chat/completions, the key (if any) as a bearer token.
class OpenAiProvider final : public TranslationProvider {
public:
  explicit OpenAiProvider(MtConfig config) : TranslationProvider(std::move(config)) {}

  int batchLimit() const override;
  // There is no public address: without one, llama.cpp's server on this machine.
  QString endpoint() const override;
  HttpRequest request(const QStringList &texts, const QString &sourceCode,
                      const QString &targetCode) const override;
  ProviderAnswer parse(const HttpResponse &response, int count) const override;

  // The list of the server's models: what the availability check asks, since a first
  // translation may wait for the server to load its model.
  HttpRequest modelsRequest() const;
  // A request for items with their context.
  HttpRequest chatRequest(const QList<ModelItem> &items, const QString &sourceTag,
                          const QString &targetTag) const;
  // The answer to the masked texts sent, item by item; an unanswered exchange or an
  // error status fails every item, with the reason.
  ModelReply reply(const HttpResponse &response, const QStringList &sent) const;
  // A sentence naming this server for a problem found in one of its answers.
  QString answerProblem(const QString &problem) const;

private:
  // A request to a path of the interface ("/models"), with the key when there is one.
  HttpRequest apiRequest(const QString &path) const;
};

} // namespace tarvelo

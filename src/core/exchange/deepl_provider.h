// Machine translation through DeepL's v2 REST interface.
#pragma once

#include "exchange/translation_provider.h"

namespace tarvelo {

// DeepL's v2 REST interface: POST /v2/translate with the key in the Authorization
// header; free keys (ending in ":fx") go to the free endpoint.
class DeepLProvider final : public TranslationProvider {
public:
  explicit DeepLProvider(MtConfig config) : TranslationProvider(std::move(config)) {}

  int batchLimit() const override;
  QString endpoint() const override;
  HttpRequest request(const QStringList &texts, const QString &sourceCode,
                      const QString &targetCode) const override;
  ProviderAnswer parse(const HttpResponse &response, int count) const override;
};

} // namespace tarvelo

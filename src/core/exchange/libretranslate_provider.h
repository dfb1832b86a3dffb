// Machine translation through a LibreTranslate server.
#pragma once

#include "exchange/translation_provider.h"

namespace tarvelo {

// LibreTranslate, the open-source server that teams host themselves: POST /translate with JSON,
// an optional API key, several texts in one request.
class LibreTranslateProvider final : public TranslationProvider {
public:
  explicit LibreTranslateProvider(MtConfig config) : TranslationProvider(std::move(config)) {}

  int batchLimit() const override;
  QString endpoint() const override;
  HttpRequest request(const QStringList &texts, const QString &sourceCode,
                      const QString &targetCode) const override;
  ProviderAnswer parse(const HttpResponse &response, int count) const override;
};

} // namespace tarvelo

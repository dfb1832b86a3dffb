// Machine translation through MyMemory, one text a request.
#pragma once

#include "exchange/translation_provider.h"

namespace tarvelo {

// MyMemory: GET /get with q and langpair, one text a request.
class MyMemoryProvider final : public TranslationProvider {
public:
  explicit MyMemoryProvider(MtConfig config) : TranslationProvider(std::move(config)) {}

  int batchLimit() const override;
  QString endpoint() const override;
  HttpRequest request(const QStringList &texts, const QString &sourceCode,
                      const QString &targetCode) const override;
  ProviderAnswer parse(const HttpResponse &response, int count) const override;
};

} // namespace tarvelo

// The machine-translation settings and the interface of a translation provider.
#pragma once

#include "exchange/http_client.h"
#include "exchange/language_codes.h"

#include <QStringList>
#include <memory>

namespace tarvelo {

class Settings;

// The machine-translation settings: the provider, its address and key, and the
// time-outs of every online request.
// The longest wait for a language model's answer, in seconds: an hour.
constexpr int kMostModelTimeoutSeconds = 3600;

struct MtConfig {
  // Off until the user chooses a service: no text leaves the machine unasked.
  bool enabled = true;
  MtProviderKind provider = MtProviderKind::MyMemory;
  QString url; // empty: the provider's public address
  QString key;
  // A language model's name, sampling temperature and the most items of one request.
  QString model;
  double temperature = 0.2;
  int modelBatch = 20;
  int connectTimeoutMs = 10000;
  int totalTimeoutMs = 30000;
  // A model answers a whole request at once, which on a CPU takes minutes.
  int modelTimeoutMs = 300000;

  static MtConfig read(const Settings &settings);
  void write(Settings &settings) const;
};

// "LibreTranslate", "DeepL", "MyMemory", "OpenAI-compatible": the names the settings keep.
QString providerName(MtProviderKind provider);
bool providerFromName(const QString &name, MtProviderKind *provider);
// The name the windows show: the services' own names, "OpenAI-compatible" translated.
QString shownProviderName(MtProviderKind provider);

// What a service answered: one translation per text sent, or the reason it gave none.
struct ProviderAnswer {
  QStringList translations;                   // an empty one: that text failed
  int promptTokens = 0, completionTokens = 0; // as a language model counted them
  QString error;                              // shown to the user once per run

  bool ok() const { return error.isEmpty(); }
};

// One web translation interface: how texts go out and how the answer comes back.
class TranslationProvider {
public:
  virtual ~TranslationProvider() = default;

  MtProviderKind kind() const { return m_config.provider; }
  const MtConfig &config() const { return m_config; }
  // The most texts one request may carry.
  virtual int batchLimit() const = 0;
  // The address requests go to, with the public one when none is set.
  virtual QString endpoint() const = 0;
  virtual HttpRequest request(const QStringList &texts, const QString &sourceCode,
                              const QString &targetCode) const = 0;
  virtual ProviderAnswer parse(const HttpResponse &response, int count) const = 0;

protected:
  explicit TranslationProvider(MtConfig config) : m_config(std::move(config)) {}
  HttpRequest baseRequest() const;
  // The configured address, or the public one when none is set, without trailing "/".
  QString addressOr(const QString &publicAddress) const;
  // The reason for a failed exchange that parse cannot read (no answer, HTML, ...).
  QString transportError(const HttpResponse &response) const;
  QString notUnderstood() const;

  MtConfig m_config;
};

std::unique_ptr<TranslationProvider> makeProvider(const MtConfig &config);

} // namespace tarvelo

// The machine-translation settings, provider names and requests common to providers.
#include "exchange/translation_provider.h"

#include "exchange/deepl_provider.h"
#include "exchange/libretranslate_provider.h"
#include "exchange/mymemory_provider.h"
#include "exchange/openai_provider.h"
#include "seam/settings.h"
#include "text/printable_text.h"

#include <QCoreApplication>
#include <algorithm>

namespace tarvelo {

MtConfig MtConfig::read(const Settings &settings) {
  MtConfig config;
  config.enabled = providerFromName(settings.text(QStringLiteral("MTProvider")), &config.provider);
  config.url = settings.text(QStringLiteral("MTURL")).trimmed();
  config.key = settings.text(QStringLiteral("MTKey")).trimmed();
  config.model = settings.text(QStringLiteral("MTModel")).trimmed();
  bool read = false;
  const double temperature = settings.text(QStringLiteral("MTTemperature")).toDouble(&read);
  config.temperature = read ? std::clamp(temperature, 0.0, 2.0) : 0.2;
  config.modelBatch = std::clamp(settings.integer(QStringLiteral("MTBatch")), 1, 200);
  // At least a second, at most ten minutes.
  config.connectTimeoutMs =
      std::clamp(settings.integer(QStringLiteral("ConnectTimeout")), 1, 600) * 1000;
  config.totalTimeoutMs =
      std::clamp(settings.integer(QStringLiteral("TransferTimeout")), 1, 600) * 1000;
  config.modelTimeoutMs =
      std::clamp(settings.integer(QStringLiteral("MTModelTimeout")), 1, kMostModelTimeoutSeconds) *
      1000;
  return config;
}

void MtConfig::write(Settings &settings) const {
  settings.setText(QStringLiteral("MTProvider"), enabled ? providerName(provider) : QString());
  settings.setText(QStringLiteral("MTURL"), url);
  settings.setText(QStringLiteral("MTKey"), key);
  settings.setText(QStringLiteral("MTModel"), model);
  settings.setText(QStringLiteral("MTTemperature"), QString::number(temperature));
  settings.setInteger(QStringLiteral("MTBatch"), modelBatch);
  settings.setInteger(QStringLiteral("ConnectTimeout"), connectTimeoutMs / 1000);
  settings.setInteger(QStringLiteral("TransferTimeout"), totalTimeoutMs / 1000);
  settings.setInteger(QStringLiteral("MTModelTimeout"), modelTimeoutMs / 1000);
}

QString providerName(MtProviderKind provider) {
  switch (provider) {
  case MtProviderKind::LibreTranslate:
    return QStringLiteral("LibreTranslate");
  case MtProviderKind::DeepL:
    return QStringLiteral("DeepL");
  case MtProviderKind::MyMemory:
    return QStringLiteral("MyMemory");
  case MtProviderKind::OpenAiCompatible:
    return QStringLiteral("OpenAI-compatible");
  }
  return QString();
}

bool providerFromName(const QString &name, MtProviderKind *provider) {
  for (MtProviderKind kind : {MtProviderKind::LibreTranslate, MtProviderKind::DeepL,
                              MtProviderKind::MyMemory, MtProviderKind::OpenAiCompatible})
    if (name.compare(providerName(kind), Qt::CaseInsensitive) == 0) {
      *provider = kind;
      return true;
    }
  return false;
}

QString shownProviderName(MtProviderKind provider) {
  return provider == MtProviderKind::OpenAiCompatible
             ? QCoreApplication::translate("MachineTranslation", "OpenAI-compatible")
             : providerName(provider);
}

QString TranslationProvider::addressOr(const QString &publicAddress) const {
  QString url = m_config.url.isEmpty() ? publicAddress : m_config.url;
  while (url.endsWith(u'/'))
    url.chop(1);
  return url;
}

HttpRequest TranslationProvider::baseRequest() const {
  HttpRequest request;
  request.connectTimeoutMs = m_config.connectTimeoutMs;
  request.totalTimeoutMs = m_config.totalTimeoutMs;
  // Each provider sends the key somewhere in the request.
  request.carriesSecret = !m_config.key.isEmpty();
  return request;
}

QString TranslationProvider::transportError(const HttpResponse &response) const {
  const QString name = providerName(kind());
  switch (response.failure) {
  case HttpResponse::Failure::TimedOut:
    return QCoreApplication::translate("MachineTranslation", "%1 did not answer in time (%2).")
        .arg(name, endpoint());
  case HttpResponse::Failure::Aborted:
    return QString();
  case HttpResponse::Failure::None:
    return QCoreApplication::translate("MachineTranslation", "%1 answered with the HTTP status %2.")
        .arg(name, QString::number(response.status));
  default:
    return QCoreApplication::translate("MachineTranslation", "%1 cannot be reached at %2: %3")
        .arg(name, endpoint(), serverText(response.error));
  }
}

QString TranslationProvider::notUnderstood() const {
  return QCoreApplication::translate("MachineTranslation",
                                     "The answer of %1 at %2 is not a translation.")
      .arg(providerName(kind()), endpoint());
}

std::unique_ptr<TranslationProvider> makeProvider(const MtConfig &config) {
  switch (config.provider) {
  case MtProviderKind::LibreTranslate:
    return std::make_unique<LibreTranslateProvider>(config);
  case MtProviderKind::DeepL:
    return std::make_unique<DeepLProvider>(config);
  case MtProviderKind::MyMemory:
    return std::make_unique<MyMemoryProvider>(config);
  case MtProviderKind::OpenAiCompatible:
    return std::make_unique<OpenAiProvider>(config);
  }
  return nullptr;
}

} // namespace tarvelo

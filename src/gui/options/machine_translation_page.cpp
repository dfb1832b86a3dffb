// The "Machine Translation" page of the options: the service, its address, key, model and
// time-outs.
#include "options/machine_translation_page.h"

#include "exchange/translation_provider.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

constexpr MtProviderKind kProviders[] = {MtProviderKind::LibreTranslate, MtProviderKind::DeepL,
                                         MtProviderKind::MyMemory,
                                         MtProviderKind::OpenAiCompatible};

} // namespace

MachineTranslationPage::MachineTranslationPage(Settings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings) {
  const MtConfig config = MtConfig::read(settings);
  m_provider = new QComboBox(this);
  m_provider->setObjectName(QStringLiteral("provider"));
  m_provider->addItem(tr("None"), -1);
  for (MtProviderKind kind : kProviders) {
    m_provider->addItem(shownProviderName(kind), int(kind));
    if (config.enabled && kind == config.provider)
      m_provider->setCurrentIndex(m_provider->count() - 1);
  }
  m_url = new QLineEdit(config.url, this);
  m_url->setObjectName(QStringLiteral("address"));
  m_url->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  m_key = new QLineEdit(config.key, this);
  m_key->setObjectName(QStringLiteral("key"));
  m_key->setEchoMode(QLineEdit::Password);
  m_model = new QLineEdit(config.model, this);
  m_model->setObjectName(QStringLiteral("model"));
  m_temperature = new QDoubleSpinBox(this);
  m_temperature->setObjectName(QStringLiteral("temperature"));
  m_temperature->setRange(0.0, 2.0);
  m_temperature->setSingleStep(0.1);
  m_temperature->setValue(config.temperature);
  m_batch = new QSpinBox(this);
  m_batch->setObjectName(QStringLiteral("batch"));
  m_batch->setRange(1, 200);
  m_batch->setValue(config.modelBatch);
  m_connect = new QSpinBox(this);
  m_connect->setRange(1, 600);
  m_connect->setValue(config.connectTimeoutMs / 1000);
  m_connect->setSuffix(tr(" s"));
  m_total = new QSpinBox(this);
  m_total->setRange(1, 600);
  m_total->setValue(config.totalTimeoutMs / 1000);
  m_total->setSuffix(tr(" s"));
  m_modelTotal = new QSpinBox(this);
  m_modelTotal->setObjectName(QStringLiteral("modelTimeout"));
  m_modelTotal->setRange(1, kMostModelTimeoutSeconds);
  m_modelTotal->setValue(config.modelTimeoutMs / 1000);
  m_modelTotal->setSuffix(tr(" s"));

  auto *form = new QFormLayout;
  form->addRow(tr("&Service:"), m_provider);
  form->addRow(tr("&Address:"), m_url);
  form->addRow(tr("&Key:"), m_key);
  form->addRow(tr("&Model:"), m_model);
  form->addRow(tr("T&emperature:"), m_temperature);
  form->addRow(tr("Items per &request:"), m_batch);
  form->addRow(tr("&Connection time-out:"), m_connect);
  form->addRow(tr("&Time-out of a request:"), m_total);
  form->addRow(tr("Time-out of a model's a&nswer:"), m_modelTotal);
  auto *hint = new QLabel(
      tr("Texts are sent to the chosen service only. Leave the address empty for the "
         "service's public address. A LibreTranslate server "
         "of your own is reached at its address, such as http://localhost:5000. DeepL needs a "
         "key; MyMemory works without one. The key is kept in a settings file that only you "
         "can read.\n\nOpenAI-compatible: a language model served by llama.cpp's llama-server "
         "(such as http://localhost:8080) or Ollama (http://localhost:11434), or a hosted "
         "service. For each item it is sent the source text, the resource kind and identifier, "
         "a dialog control's dialog caption and the texts of its other controls, a menu item's "
         "popups, the item's comment, terms from the translation memory, the target language "
         "and a dialog control's room in pixels. An answer too long for its control is sent "
         "back once for a shorter wording. A model answers a whole request at once: on a "
         "computer without a graphics card that may take minutes."),
      this);
  hint->setWordWrap(true);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(hint);
  layout->addStretch(1);

  connect(m_provider, &QComboBox::currentIndexChanged, this,
          &MachineTranslationPage::showPublicAddress);
  connect(m_key, &QLineEdit::textChanged, this, &MachineTranslationPage::showPublicAddress);
  showPublicAddress();
}

// The empty address shows where requests go then.
void MachineTranslationPage::showPublicAddress() {
  const int kind = m_provider->currentData().toInt();
  m_url->setEnabled(kind >= 0);
  m_key->setEnabled(kind >= 0);
  const bool model = kind == int(MtProviderKind::OpenAiCompatible);
  m_model->setEnabled(model);
  m_temperature->setEnabled(model);
  m_batch->setEnabled(model);
  m_modelTotal->setEnabled(model);
  m_total->setEnabled(!model);
  if (kind < 0) {
    m_url->setPlaceholderText(QString());
    return;
  }
  MtConfig config;
  config.provider = MtProviderKind(kind);
  config.key = m_key->text().trimmed();
  m_url->setPlaceholderText(makeProvider(config)->endpoint());
}

void MachineTranslationPage::apply() {
  MtConfig config = MtConfig::read(m_settings);
  const int kind = m_provider->currentData().toInt();
  config.enabled = kind >= 0;
  if (config.enabled)
    config.provider = MtProviderKind(kind);
  config.url = m_url->text().trimmed();
  config.key = m_key->text().trimmed();
  config.model = m_model->text().trimmed();
  config.temperature = m_temperature->value();
  config.modelBatch = m_batch->value();
  config.connectTimeoutMs = m_connect->value() * 1000;
  config.totalTimeoutMs = m_total->value() * 1000;
  config.modelTimeoutMs = m_modelTotal->value() * 1000;
  config.write(m_settings);
}

} // namespace tarvelo::gui

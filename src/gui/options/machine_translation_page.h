// The "Machine Translation" page of the options: the service, its address, key, model and
// time-outs.
#pragma once

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace tarvelo {
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

// The "Machine Translation" page of the options: the service, its address and key,
// and the time-outs of every online request.
class MachineTranslationPage : public QWidget {
  Q_OBJECT
public:
  MachineTranslationPage(Settings &settings, QWidget *parent = nullptr);

  QComboBox *provider() const { return m_provider; }
  QLineEdit *address() const { return m_url; }
  QLineEdit *key() const { return m_key; }
  QLineEdit *model() const { return m_model; }
  QDoubleSpinBox *temperature() const { return m_temperature; }
  QSpinBox *batch() const { return m_batch; }
  QSpinBox *connectTimeout() const { return m_connect; }
  QSpinBox *totalTimeout() const { return m_total; }
  QSpinBox *modelTimeout() const { return m_modelTotal; }

  // OK: the settings are written.
  void apply();

private:
  void showPublicAddress();

  Settings &m_settings;
  QComboBox *m_provider;
  QLineEdit *m_url, *m_key, *m_model;
  QDoubleSpinBox *m_temperature;
  QSpinBox *m_batch, *m_connect, *m_total, *m_modelTotal;
};

} // namespace tarvelo::gui

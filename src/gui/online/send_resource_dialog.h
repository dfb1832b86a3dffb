// "Send resource": the name the target is sent under and what goes with it.
#pragma once

#include "exchange/send_resource.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace tarvelo {
class Prompter;
} // namespace tarvelo

namespace tarvelo::gui {

// "Send resource" (dialog 151): the name the target is sent under and what goes with
// it. OK refuses an empty name and names with characters a file name cannot hold.
class SendResourceDialog : public QDialog {
  Q_OBJECT
public:
  SendResourceDialog(Prompter &prompter, bool targetAttachable, bool supportAddressKnown,
                     QWidget *parent = nullptr);

  QLineEdit *name() const { return m_name; }
  QCheckBox *attachSource() const { return m_source; }
  QCheckBox *attachTarget() const { return m_target; }
  QCheckBox *toSupport() const { return m_support; }
  // The choice, the name completed to a script name.
  SendRequest request() const;

  void accept() override;

private:
  Prompter &m_prompter;
  QLineEdit *m_name;
  QCheckBox *m_source, *m_target, *m_support;
};

} // namespace tarvelo::gui

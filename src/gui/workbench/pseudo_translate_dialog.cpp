// "Pseudo-Translation": how much the texts grow, and its run over the task.
#include "workbench/pseudo_translate_dialog.h"

#include "script/language.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "workbench/pseudo_translation.h"
#include "workbench/session.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvelo::gui {

PseudoTranslateDialog::PseudoTranslateDialog(Settings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings) {
  setWindowTitle(tr("Pseudo-Translation"));
  const PseudoOptions options = storedOptions(settings);
  auto *layout = new QVBoxLayout(this);
  auto *note = new QLabel(tr("Every translated text is replaced by its source with accented "
                             "letters, lengthened and put in brackets, so that clipped and "
                             "untranslatable texts show in the dialogs."),
                          this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto *form = new QFormLayout;
  m_expansion = new QSpinBox(this);
  m_expansion->setRange(0, 300);
  m_expansion->setSuffix(QStringLiteral(" %"));
  m_expansion->setValue(options.expansion);
  form->addRow(tr("Lengthen texts by:"), m_expansion);
  layout->addLayout(form);
  m_rightToLeft = new QCheckBox(tr("Right-to-left pseudo-language"), this);
  m_rightToLeft->setChecked(options.rightToLeft);
  layout->addWidget(m_rightToLeft);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

PseudoOptions PseudoTranslateDialog::storedOptions(const Settings &settings) {
  PseudoOptions options;
  options.expansion = std::clamp(settings.integer(QStringLiteral("PseudoExpansion")), 0, 300);
  options.rightToLeft = settings.integer(QStringLiteral("PseudoRightToLeft")) != 0;
  return options;
}

void PseudoTranslateDialog::accept() {
  m_settings.setInteger(QStringLiteral("PseudoExpansion"), m_expansion->value());
  m_settings.setInteger(QStringLiteral("PseudoRightToLeft"), m_rightToLeft->isChecked() ? 1 : 0);
  QDialog::accept();
}

bool runPseudoTranslation(Session &session, QWidget *parent) {
  if (!session.isOpen())
    return false;
  PseudoTranslateDialog dialog(session.settings(), parent);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  PseudoOptions options = PseudoTranslateDialog::storedOptions(session.settings());
  const ScriptFile::Encoding encoding = session.targetEncoding();
  options.codePage = encoding == ScriptFile::Ansi ? defaultCodePage(session.writeLanguage()) : 0;
  if (options.rightToLeft && !holdsRightToLeftMarks(options.codePage)) {
    session.prompter().error(
        PseudoTranslateDialog::tr("The target's code page %1 cannot hold right-to-left marks: "
                                  "the right-to-left pseudo-language needs a Unicode target.")
            .arg(options.codePage));
    return false;
  }
  const QList<TextEntry *> changed = pseudoTranslate(
      session.entries(), session.undoStack(),
      [&session](TextEntry *entry) { session.inspectEntry(entry); }, options);
  session.textsImported(changed);
  return !changed.isEmpty();
}

} // namespace tarvelo::gui

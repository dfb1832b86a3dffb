// Checking the "Send as" name, and handing a mail to the desktop's composer.
#include "exchange/mail_message.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace tarvelo {

QString sendNameProblem(const QString &name) {
  if (name.isEmpty())
    return QCoreApplication::translate("Prompter", "You must type a name.");
  // "=" is refused too, though the message does not list it.
  static const QString forbidden = QStringLiteral("\\/:*?=\"<>|");
  for (QChar c : name)
    if (forbidden.contains(c))
      return QCoreApplication::translate(
          "Prompter", "A name cannot contain any of the following characters:\n\t \\ / :  * ? \" "
                      "< > | ");
  return QString();
}

QString sendFileName(const QString &name) {
  if (name.endsWith(QLatin1String(".rc"), Qt::CaseInsensitive) ||
      name.endsWith(QLatin1String(".rc2"), Qt::CaseInsensitive))
    return name;
  return name.endsWith(u'.') ? name + QStringLiteral("rc") : name + QStringLiteral(".rc");
}

QStringList composerArguments(const MailMessage &message) {
  QStringList arguments{QStringLiteral("--subject"), message.subject, QStringLiteral("--body"),
                        message.body};
  for (const MailAttachment &attachment : message.attachments)
    arguments << QStringLiteral("--attach") << attachment.path;
  if (!message.recipient.isEmpty())
    arguments << message.recipient;
  return arguments;
}

bool MailComposer::available() const {
  return !QStandardPaths::findExecutable(m_program).isEmpty();
}

MailComposer::Result MailComposer::send(const MailMessage &message, int timeoutMs) const {
  const QString program = QStandardPaths::findExecutable(m_program);
  if (program.isEmpty())
    return Result::NoComposer;
  QProcess process;
  process.start(program, composerArguments(message));
  if (!process.waitForStarted())
    return Result::NoComposer;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return Result::Failed;
  }
  if (process.exitStatus() != QProcess::NormalExit)
    return Result::Failed;
  // xdg-email: 3 means no mail program could be found.
  switch (process.exitCode()) {
  case 0:
    return Result::Handed;
  case 3:
    return Result::NoComposer;
  default:
    return Result::Failed;
  }
}

} // namespace tarvelo

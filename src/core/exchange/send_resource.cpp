// Sending a task's source and target by mail through the desktop's composer.
#include "exchange/send_resource.h"
#include "compiled/compiled_source.h"

#include "exchange/mail_message.h"
#include "files/file_messages.h"
#include "files/file_transaction.h"
#include "script/companion_file.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "workbench/session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tarvelo {

namespace {

// Writes the task's target script to the path as Save would, without touching the task;
// false after the reason was said.
bool writeTargetCopy(Session &session, Task *task, const QString &path) {
  ScriptFile source;
  openSourceScript(source, task->sourcePath, nullptr, nullptr, task->sourceHeader);
  ScriptFile target;
  if (!task->targetPath.isEmpty() && QFileInfo::exists(task->targetPath) &&
      target.open(task->targetPath)) {
    if (target.isEmpty())
      target.create(source.encoding());
  } else {
    target.create(source.encoding());
  }
  const WriteContext context = writeContextOf(session.settings());
  ResourceScript writer({&session.entries(), &session.tasks(), &session.prompter(),
                         &session.progress(), &session.settings()});
  if (writer.write(task, session.writeLanguage(), target, context, false, &source) !=
      ScriptResult::Ok)
    return false;
  QString failure;
  if (writeFileSafely(path, target.data(), &failure))
    return true;
  session.prompter().error(failure);
  return false;
}

} // namespace

bool canAttachTarget(const QString &sourcePath, const QString &targetPath) {
  return !targetPath.isEmpty() && QFileInfo::exists(targetPath) &&
         QString::compare(QFileInfo(sourcePath).absoluteFilePath(),
                          QFileInfo(targetPath).absoluteFilePath(), Qt::CaseInsensitive) != 0;
}

QString sendResource(Session &session, const SendRequest &request, const MailComposer &composer,
                     const QString &supportAddress, bool *sent) {
  if (sent)
    *sent = false;
  Task *task = session.currentTask();
  if (!task || request.name.isEmpty())
    return QString();
  QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("tarvelo-mail-XXXXXX")));
  if (!folder.isValid()) {
    session.prompter().error(
        cannotOpenMessage(QDir::temp().filePath(request.name), folder.errorString()));
    return QString();
  }
  folder.setAutoRemove(false);
  const QString path = folder.filePath(request.name);
  if (!writeTargetCopy(session, task, path)) {
    removeMailFolder(folder.path());
    return QString();
  }
  MailMessage message;
  message.subject = request.name;
  message.body = QStringLiteral(" ");
  message.attachments.append({path});
  const int language = session.writeLanguage();
  if (writeCompanion(session.entries(), task, path, language, false))
    message.attachments.append({companionPath(path, language)});
  if (request.attachSource) {
    message.attachments.append({task->sourcePath});
    // Written beside the source even when the mail then fails, as Save would.
    if (writeCompanion(session.entries(), task, task->sourcePath, task->sourceLanguage, true))
      message.attachments.append({companionPath(task->sourcePath, task->sourceLanguage)});
  }
  if (request.attachTarget && canAttachTarget(task->sourcePath, task->targetPath))
    message.attachments.append({task->targetPath});
  if (request.toSupport)
    message.recipient = supportAddress;
  switch (composer.send(message)) {
  case MailComposer::Result::Handed:
    if (sent)
      *sent = true;
    break;
  case MailComposer::Result::NoComposer:
    session.prompter().error(
        QCoreApplication::translate("Prompter", "Could not log on to an email system."));
    break;
  case MailComposer::Result::Failed:
    session.prompter().error(QCoreApplication::translate("Prompter", "Failed to send the file."));
    break;
  }
  return folder.path();
}

void removeMailFolder(const QString &folder) {
  if (!folder.isEmpty() && QFileInfo(folder).fileName().startsWith(QLatin1String("tarvelo-mail-")))
    QDir(folder).removeRecursively();
}

} // namespace tarvelo

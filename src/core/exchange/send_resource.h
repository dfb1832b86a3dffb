// The "Send resource" command: a task's scripts attached to a mail.
#pragma once

#include <QString>

namespace tarvelo {

class MailComposer;
class Session;

// What the "Send resource" dialog yields.
struct SendRequest {
  QString name; // "Send as:", already checked and completed (sendFileName)
  bool attachSource = false;
  bool attachTarget = false;
  bool toSupport = false;
};

// Whether "Attach target file" is offered: the target exists and is not the source.
bool canAttachTarget(const QString &sourcePath, const QString &targetPath);

// Send To after the dialog: the target is written under the name into a folder of its
// own in the temporary folder, with its companion file; the source (with its companion
// file, written beside it) and the target file are attached when asked; the mail goes
// to the composer, addressed to the support address when asked. Messages go through
// the session's prompter. Returns the temporary folder (empty when none was made): the
// caller removes it once the composer no longer needs the files.
QString sendResource(Session &session, const SendRequest &request, const MailComposer &composer,
                     const QString &supportAddress, bool *sent = nullptr);

// Removes a folder sendResource made.
void removeMailFolder(const QString &folder);

} // namespace tarvelo

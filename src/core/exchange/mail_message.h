// A mail with attachments for the desktop's composer (xdg-email), and its file names.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelo {

// The "Send as:" name of the send dialog: empty when it may be used, else the message
// that refuses it ("You must type a name.", or the list of forbidden characters).
QString sendNameProblem(const QString &name);
// The name as it is sent: ".rc" is added unless it ends in ".rc" or ".rc2" (any case);
// a name ending in "." gets just "rc".
QString sendFileName(const QString &name);

struct MailAttachment {
  QString path;
};

// A mail handed to the desktop's composer.
struct MailMessage {
  QString subject;
  QString body;
  QString recipient; // empty: the user chooses in the composer
  QList<MailAttachment> attachments;
};

// The arguments of xdg-email: --subject, --body, one --attach per file, then the
// recipient when there is one.
QStringList composerArguments(const MailMessage &message);

// Hands a mail to the desktop's composer (xdg-email, or the program given).
class MailComposer {
public:
  enum class Result { Handed, NoComposer, Failed };

  explicit MailComposer(QString program = QStringLiteral("xdg-email"))
      : m_program(std::move(program)) {}

  // Whether the composer program is there.
  bool available() const;
  // Runs the composer and waits until it has taken the mail (at most timeoutMs).
  Result send(const MailMessage &message, int timeoutMs = 60000) const;

private:
  QString m_program;
};

} // namespace tarvelo

// Messages that name a file and the cause of a failure to read it.
#include "files/file_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarvelo {

namespace {

QString translated(const char *text) {
  return QCoreApplication::translate("Prompter", text);
}

QString systemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// The system's reason for refusing to open the file, or an empty text when it opens.
QString openingRefusal(const QString &path) {
#ifdef Q_OS_UNIX
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
  if (descriptor < 0)
    return systemReason(errno);
  ::close(descriptor);
  return QString();
#else
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
#endif
}

// What a statement of the kind its first line names holds, and so what was expected
// where reading stopped: the words of the statement, or, at the end of the file, the
// END that closes it.
QString expectedIn(const StatementStart &statement, bool atEnd) {
  static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
  const QStringList words = statement.text.split(separators, Qt::SkipEmptyParts);
  const QString first = words.value(0).toUpper(), type = words.value(1).toUpper();
  const QString line = QString::number(statement.line);
  if (first == QLatin1String("LANGUAGE"))
    return translated(QT_TRANSLATE_NOOP(
        "Prompter", "the primary language, a comma and the sublanguage of the LANGUAGE "
                    "statement"));
  if (first == QLatin1String("STRINGTABLE"))
    return (atEnd ? translated(QT_TRANSLATE_NOOP(
                        "Prompter", "the END of the STRINGTABLE that begins at line %1"))
                  : translated(QT_TRANSLATE_NOOP("Prompter",
                                                 "an identifier and its quoted text for each "
                                                 "string of the STRINGTABLE that begins at line "
                                                 "%1")))
        .arg(line);
  if (type.isEmpty())
    return translated(QT_TRANSLATE_NOOP("Prompter",
                                        "a resource statement (a name and a type), a LANGUAGE "
                                        "statement or a directive"));
  if (atEnd)
    return translated(QT_TRANSLATE_NOOP("Prompter",
                                        "the END of the %1 resource %2 that begins at line %3"))
        .arg(type, words[0], line);
  if (type == QLatin1String("MENU") || type == QLatin1String("MENUEX"))
    return translated(QT_TRANSLATE_NOOP("Prompter",
                                        "MENUITEM or POPUP with a quoted text for each item of the "
                                        "menu %1 that begins at line %2"))
        .arg(words[0], line);
  if (type == QLatin1String("DIALOG") || type == QLatin1String("DIALOGEX"))
    return translated(QT_TRANSLATE_NOOP("Prompter",
                                        "the statements and controls of the dialog %1 that begins "
                                        "at line %2, each with its commas and values"))
        .arg(words[0], line);
  if (type == QLatin1String("DLGINIT"))
    return translated(QT_TRANSLATE_NOOP(
                          "Prompter",
                          "numbers and quoted strings in the DLGINIT %1 that begins at line %2"))
        .arg(words[0], line);
  return translated(QT_TRANSLATE_NOOP("Prompter",
                                      "BEGIN and a matching END for the %1 resource %2 that begins "
                                      "at line %3"))
      .arg(type, words[0], line);
}

} // namespace

QString readFailureReason(const QString &path) {
  if (path.isEmpty())
    return translated(QT_TRANSLATE_NOOP("Prompter", "no file is named"));
  const QFileInfo info(path);
  const QString folder = info.absolutePath();
  if (!QFileInfo(folder).isDir())
    return translated(QT_TRANSLATE_NOOP("Prompter", "the folder '%1' does not exist"))
        .arg(QDir::toNativeSeparators(folder));
  if (info.isDir())
    return translated(QT_TRANSLATE_NOOP("Prompter", "it is a folder"));
  if (!info.exists())
    return systemReason(ENOENT);
  if (!info.isFile())
    return translated(QT_TRANSLATE_NOOP("Prompter", "it is not a regular file"));
  const QString refusal = openingRefusal(path);
  return refusal.isEmpty() ? translated(QT_TRANSLATE_NOOP("Prompter", "it could not be read"))
                           : refusal;
}

QString cannotOpenMessage(const QString &path) {
  return cannotOpenMessage(path, readFailureReason(path));
}

QString cannotOpenMessage(const QString &path, const QString &reason) {
  return translated(QT_TRANSLATE_NOOP("Prompter", "It is not possible open file '%1': %2."))
      .arg(QDir::toNativeSeparators(path), reason);
}

StatementStart statementStartAt(const QByteArray &data, qsizetype start, bool utf16) {
  StatementStart statement;
  statement.line = 1;
  const qsizetype step = utf16 ? 2 : 1;
  start = std::clamp<qsizetype>(start, 0, data.size());
  for (qsizetype i = 0; i + step <= start; i += step)
    if (data[i] == '\n' && (!utf16 || data[i + 1] == 0))
      ++statement.line;
  for (qsizetype i = start; i + step <= data.size(); i += step) {
    const char c = data[i];
    if (c == '\n' && (!utf16 || data[i + 1] == 0))
      break;
    if (uchar(c) < 0x80 && (!utf16 || data[i + 1] == 0))
      statement.text += QLatin1Char(c);
  }
  statement.text = statement.text.trimmed();
  return statement;
}

QString syntaxErrorMessage(const QString &path, int line, const QString &found,
                           const StatementStart &statement) {
  const bool atEnd = found == QLatin1String("the end of the file");
  const QString what = atEnd ? translated(QT_TRANSLATE_NOOP("Prompter", "the end of the file"))
                             : QStringLiteral("'%1'").arg(found);
  const QString expected = expectedIn(statement, atEnd);
  if (path.isEmpty())
    return translated(QT_TRANSLATE_NOOP("Prompter",
                                        "Unexpected string at line: %1: found %2; expected %3."))
        .arg(QString::number(line), what, expected);
  return translated(QT_TRANSLATE_NOOP(
                        "Prompter",
                        "Unexpected string at line: %1 of the file '%2': found %3; expected %4."))
      .arg(QString::number(line), QDir::toNativeSeparators(path), what, expected);
}

} // namespace tarvelo

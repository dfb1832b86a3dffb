// Messages name the file and the cause: why a file cannot be read, and where a script
// stops being a script and what it should have held there.
#include "files/file_messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo {
namespace {

TEST(FileMessages, TheReasonAFileCannotBeRead) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.rc")));
  struct Case {
    QString path;
    QString reason;
  };
  QList<Case> cases = {
      {QString(), QStringLiteral("no file is named")},
      {dir.filePath(QStringLiteral("gone/deeper/app.rc")),
       QStringLiteral("the folder '%1' does not exist")
           .arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("gone/deeper"))))},
      {dir.filePath(QStringLiteral("missing.rc")), QStringLiteral("No such file or directory")},
      {dir.filePath(QStringLiteral("folder.rc")), QStringLiteral("it is a folder")},
  };
#ifdef Q_OS_UNIX
  const QString fifo = dir.filePath(QStringLiteral("pipe.rc"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  cases.append({fifo, QStringLiteral("it is not a regular file")});
  // The superuser reads whatever the permissions say.
  if (::geteuid() != 0) {
    const QString locked = dir.filePath(QStringLiteral("locked.rc"));
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    cases.append({locked, QStringLiteral("Permission denied")});
  }
#endif
  for (const Case &c : cases) {
    EXPECT_EQ(readFailureReason(c.path), c.reason) << c.path.toStdString();
    EXPECT_EQ(cannotOpenMessage(c.path), QStringLiteral("It is not possible open file '%1': %2.")
                                             .arg(QDir::toNativeSeparators(c.path), c.reason));
  }
}

TEST(FileMessages, TheStatementStartIsFoundInEveryEncoding) {
  const QString script =
      QStringLiteral("// a comment\r\nIDD_X DIALOGEX 0, 0, 10, 10 // \u00fcber\r\n"
                     "BEGIN\r\n");
  const qsizetype lineStart = script.indexOf(u'I');
  QByteArray utf16("\xff\xfe", 2);
  utf16.append(reinterpret_cast<const char *>(script.utf16()), script.size() * 2);
  const struct {
    const char *name;
    QByteArray data;
    qsizetype start;
    bool utf16;
  } cases[] = {
      {"ansi", script.toLatin1(), lineStart, false},
      {"utf-8", script.toUtf8(), script.left(lineStart).toUtf8().size(), false},
      {"utf-16", utf16, 2 + lineStart * 2, true},
  };
  for (const auto &c : cases) {
    const StatementStart start = statementStartAt(c.data, c.start, c.utf16);
    EXPECT_EQ(start.line, 2) << c.name;
    // Characters beyond ASCII are left out: they name no keyword.
    EXPECT_EQ(start.text, QStringLiteral("IDD_X DIALOGEX 0, 0, 10, 10 // ber")) << c.name;
  }
}

TEST(FileMessages, ASyntaxErrorSaysWhatWasFoundAndWhatWasExpected) {
  const struct {
    const char *statement;
    const char *found;
    const char *expected;
  } cases[] = {
      {"LANGUAGE 9 1", "1",
       "the primary language, a comma and the sublanguage of the LANGUAGE statement"},
      {"LANGUAGE 9", "the end of the file",
       "the primary language, a comma and the sublanguage of the LANGUAGE statement"},
      {"STRINGTABLE", "END",
       "an identifier and its quoted text for each string of the STRINGTABLE that begins at "
       "line 7"},
      {"STRINGTABLE DISCARDABLE", "the end of the file",
       "the END of the STRINGTABLE that begins at line 7"},
      {"IDR_M MENU DISCARDABLE", ", ID_OPEN",
       "MENUITEM or POPUP with a quoted text for each item of the menu IDR_M that begins at line "
       "7"},
      {"IDR_M MENU", "the end of the file",
       "the END of the MENU resource IDR_M that begins at "
       "line 7"},
      {"IDD_A DIALOGEX 0, 0, 10, 10", "x",
       "the statements and controls of the dialog IDD_A that "
       "begins at line 7, each with its commas and values"},
      {"IDD_A DLGINIT", "x",
       "numbers and quoted strings in the DLGINIT IDD_A that begins at line 7"},
      {"1 VERSIONINFO", "x",
       "BEGIN and a matching END for the VERSIONINFO resource 1 that begins "
       "at line 7"},
      {"+", "+", "a resource statement (a name and a type), a LANGUAGE statement or a directive"},
  };
  for (const auto &c : cases) {
    const StatementStart statement{7, QString::fromLatin1(c.statement)};
    const QString found = QString::fromLatin1(c.found);
    const QString what =
        found == QLatin1String("the end of the file") ? found : QStringLiteral("'%1'").arg(found);
    EXPECT_EQ(syntaxErrorMessage(QStringLiteral("/src/app.rc"), 9, found, statement),
              QStringLiteral("Unexpected string at line: 9 of the file '%1': found %2; expected "
                             "%3.")
                  .arg(QDir::toNativeSeparators(QStringLiteral("/src/app.rc")), what,
                       QLatin1String(c.expected)))
        << c.statement;
    EXPECT_EQ(syntaxErrorMessage(QString(), 9, found, statement),
              QStringLiteral("Unexpected string at line: 9: found %1; expected %2.")
                  .arg(what, QLatin1String(c.expected)))
        << c.statement;
  }
}

} // namespace
} // namespace tarvelo

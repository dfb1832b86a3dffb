// Tests: the strings of a catalog's lines are read as msgfmt reads them: strings side by
// side on one line joined, continuation lines appended, escaped quotes kept inside.
#include "exchange/catalog_file.h"
#include "support/qt_printers.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

const QByteArray kHeader = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";

// The msgstr of the one record of a catalog, as our reader gives it and as msgunfmt
// prints what msgfmt compiled of it.
TEST(CatalogLines, StringsAreJoinedAsMsgfmtJoinsThem) {
  const struct {
    const char *record;
    const char *msgstr;
  } cases[] = {
      {"msgid \"Open\"\nmsgstr \"\xc3\x96\" \"ffnen\"\n", "\xc3\x96"
                                                          "ffnen"},
      {"msgid \"Open\"\nmsgstr \"\xc3\x96\"\t\"ff\"  \"nen\"\n", "\xc3\x96"
                                                                 "ffnen"},
      {"msgid \"Open\"\nmsgstr \"\"\n\"\xc3\x96\" \"ff\"\n\"nen\"\n", "\xc3\x96"
                                                                      "ffnen"},
      // Escaped quotes are undone; other escapes stay as a script writes them.
      {"msgid \"Say\"\nmsgstr \"\\\"Hallo\\\"\" \"!\"\n", "\"Hallo\"!"},
      {"msgid \"Path\"\nmsgstr \"C:\\\\\" \"Temp\"\n", "C:\\\\Temp"},
  };
  const QString msgfmt = QStandardPaths::findExecutable("msgfmt");
  ASSERT_FALSE(msgfmt.isEmpty()) << "gettext is installed by the set-up";
  QTemporaryDir dir;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.record);
    const QByteArray catalog = kHeader + c.record;
    QString read;
    CatalogReader().read(catalog, [&](const CatalogRecord &record) {
      read = record.msgstr;
      return true;
    });
    EXPECT_EQ(read, QString::fromUtf8(c.msgstr));
    // msgfmt takes the line as the same string.
    QProcess check;
    check.start(msgfmt, {"-o", dir.filePath("out.mo"), "-"});
    check.write(catalog);
    check.closeWriteChannel();
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
  }
  // A line that is not strings alone is no string.
  QString read = QStringLiteral("untouched");
  const int passed = CatalogReader().read(kHeader + "msgid \"Open\"\nmsgstr \"A\" B\n",
                                          [&](const CatalogRecord &record) {
                                            read = record.msgstr;
                                            return true;
                                          });
  EXPECT_EQ(passed, 0);
  EXPECT_EQ(read, QStringLiteral("untouched"));
}

} // namespace
} // namespace tarvelo

// The tools of the trade accept the files the program writes: gettext's msgfmt -c and
// translate-toolkit's pofilter read our catalogs, xliff2po and xmllint our XLIFF.
#include "exchange/catalog_file.h"
#include "exchange/tmx_file.h"
#include "exchange_fixture.h"
#include "tool_run.h"

#include <gtest/gtest.h>

namespace tarvelo::test {
namespace {

class ClientChecks : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    task.read(true);
    // A translation whose line ends differ from its source's is what gettext checks.
    TextEntry *lines = task.find(QStringLiteral("IDS_LINES"));
    lines->sourceText += QLatin1String("\\n");
  }
  QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
  ExchangeTask task;
};

TEST_F(ClientChecks, MsgfmtAcceptsOurCatalogAndItsImportRestoresEveryTarget) {
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Catalog, path("c.po")));
  const ToolRun run = runTool(QStringLiteral("msgfmt"), {QStringLiteral("-c"), QStringLiteral("-o"),
                                                         path("c.mo"), path("c.po")});
  EXPECT_EQ(run.status, 0) << run.output.toStdString();
  EXPECT_TRUE(fileBytes(path("c.po")).contains(kKeptComment));

  ExchangeTask fresh;
  fresh.read(false);
  fresh.find(QStringLiteral("IDS_LINES"))->sourceText += QLatin1String("\\n");
  fresh.importFrom(ExchangeFormat::Catalog, path("c.po"));
  EXPECT_EQ(fresh.targets(), task.targets());
}

TEST_F(ClientChecks, PofilterReadsOurCatalog) {
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Catalog, path("c.po")));
  const ToolRun run = runTool(QStringLiteral("pofilter"),
                              {QStringLiteral("--progress=none"), path("c.po"), path("out.po")});
  EXPECT_EQ(run.status, 0) << run.output.toStdString();
  EXPECT_FALSE(run.output.contains(QLatin1String("rror"))) << run.output.toStdString();
  EXPECT_FALSE(run.output.contains(QLatin1String("Traceback"))) << run.output.toStdString();
}

TEST_F(ClientChecks, Xliff2poAndXmllintReadOurXliff) {
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Xliff, path("x.xlf")));
  const ToolRun lint =
      runTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path("x.xlf")});
  EXPECT_EQ(lint.status, 0) << lint.output.toStdString();
  EXPECT_EQ(lint.output, QString());
  const ToolRun convert = runTool(QStringLiteral("xliff2po"),
                                  {QStringLiteral("--progress=none"), path("x.xlf"), path("x.po")});
  EXPECT_EQ(convert.status, 0) << convert.output.toStdString();
  const QString po = QString::fromUtf8(fileBytes(path("x.po")));
  EXPECT_TRUE(
      po.contains(QString::fromUtf8("msgstr \"\xe4\xb8\xad\xe6\x96\x87\xe6\x96\x87\xe6\x9c\xac\"")))
      << po.toStdString();
  EXPECT_TRUE(po.contains(QStringLiteral("msgstr \"Sag \\\"hallo\\\" jetzt\"")))
      << po.toStdString();
  // The catalog the toolkit made from it passes gettext's checks too.
  const ToolRun check =
      runTool(QStringLiteral("msgfmt"),
              {QStringLiteral("-c"), QStringLiteral("-o"), path("x.mo"), path("x.po")});
  EXPECT_EQ(check.status, 0) << check.output.toStdString();
}

TEST_F(ClientChecks, XmllintReadsOurTmx) {
  TmxWriter writer(kEnglish, kGerman);
  writer.add(
      {QStringLiteral("Say <\"hi\"> & go"), QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87"), 3});
  writer.add({QStringLiteral("Tab\there"), QStringLiteral("Tab\tda"), 1});
  writeFile(path("m.tmx"), writer.finish());
  const ToolRun lint =
      runTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path("m.tmx")});
  EXPECT_EQ(lint.status, 0) << lint.output.toStdString();
  EXPECT_EQ(lint.output, QString());
}

} // namespace
} // namespace tarvelo::test

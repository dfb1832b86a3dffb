// The writers of findings on awkward texts: every control character, markup and
// GitHub's own escapes survive as their readers read them.
#include "findings/finding_writers.h"

#include <QJsonDocument>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

std::vector<FindingsRun> awkwardRuns() {
  QString awkward = QStringLiteral("a<b>&\"c\" ]]> %25 d:e,f\r\n");
  for (char16_t c = 1; c < 0x20; ++c)
    awkward += QChar(c);
  awkward += QChar(0xFFFE);
  Finding finding;
  finding.rule = QStringLiteral("access-key");
  finding.message = awkward;
  finding.file = QStringLiteral("/repo/l10n/app de.rc");
  finding.position = {3, 5, 3, 9, false};
  finding.resourceKind = QStringLiteral("STRINGTABLE");
  finding.resource = QStringLiteral("STRINGTABLE");
  finding.identifier = awkward;
  finding.text = awkward;
  FindingsRun run;
  run.command = QStringLiteral("check");
  run.file = finding.file;
  run.findings = {finding};
  FindingsRun unread = run;
  unread.findings.clear();
  unread.readFailed = true;
  unread.failure = awkward;
  return {run, unread};
}

TEST(FindingWriters, JUnitOfAwkwardTextsIsWellFormedXml) {
  QXmlStreamReader xml(junitDocument(awkwardRuns(), QStringLiteral("/repo")));
  int cases = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("testcase"))
      ++cases;
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(cases, 2);
}

TEST(FindingWriters, SarifOfAwkwardTextsKeepsTheMessageWhole) {
  const QJsonDocument sarif = QJsonDocument::fromJson(
      sarifDocument(awkwardRuns(), QStringLiteral("1.0"), QStringLiteral("/repo")));
  const QJsonValue result = sarif["runs"][0]["results"][0];
  EXPECT_EQ(result["message"]["text"].toString(), awkwardRuns().front().findings[0].message);
  EXPECT_EQ(result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"].toString(),
            QStringLiteral("l10n/app%20de.rc"));
  EXPECT_FALSE(sarif["runs"][1]["invocations"][0]["executionSuccessful"].toBool(true));
}

TEST(FindingWriters, GitHubLinesHoldNoLineBreakOfTheirOwn) {
  const QStringList lines =
      QString::fromUtf8(githubAnnotations(awkwardRuns(), QStringLiteral("/repo")))
          .split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("::warning file=l10n/app de.rc,line=3,col=5,")));
  // Properties escape : and , as well; the message only %, CR and LF.
  EXPECT_TRUE(lines[0].contains(QStringLiteral(" d%3Ae%2Cf%0D%0A"))) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(QStringLiteral("::a<b>&\"c\" ]]> %2525 d:e,f%0D%0A")))
      << lines[0].toStdString();
  EXPECT_TRUE(
      lines[1].startsWith(QStringLiteral("::error file=l10n/app de.rc,title=tarvelo check::")));
}

} // namespace
} // namespace tarvelo

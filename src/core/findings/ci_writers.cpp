// JUnit XML for GitLab and Jenkins, and GitHub's workflow commands, from findings.
#include "findings/finding_writers.h"
#include "text/printable_text.h"

#include <QMap>
#include <QXmlStreamWriter>

namespace tarvelo {

namespace {

// The item's name in a report: file, resource and item; a popup menu, which has no
// identifier of its own, by its source text.
QString itemName(const Finding &finding, const QString &uri) {
  QString item = finding.identifier;
  if (item == QLatin1String("POPUP") && !finding.sourceText.isEmpty())
    item += QStringLiteral(" \"%1\"").arg(finding.sourceText);
  return uri + u':' + finding.resource + u':' + item;
}

// GitHub reads %, CR and LF as escapes in a message, and : and , too in a property.
QString githubEscaped(const QString &text, bool property) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (c == u'%')
      out += QLatin1String("%25");
    else if (c == u'\r')
      out += QLatin1String("%0D");
    else if (c == u'\n')
      out += QLatin1String("%0A");
    else if (property && c == u':')
      out += QLatin1String("%3A");
    else if (property && c == u',')
      out += QLatin1String("%2C");
    else
      out += c;
  }
  return out;
}

// The tasks that could not be read, as errors of their own suite.
void writeUnreadTasks(QXmlStreamWriter &xml, const std::vector<FindingsRun> &runs,
                      const QString &root) {
  int unread = 0;
  for (const FindingsRun &run : runs)
    unread += run.readFailed ? 1 : 0;
  if (unread == 0)
    return;
  xml.writeStartElement("testsuite");
  xml.writeAttribute("name", "task-read");
  xml.writeAttribute("tests", QString::number(unread));
  xml.writeAttribute("failures", "0");
  xml.writeAttribute("errors", QString::number(unread));
  xml.writeAttribute("time", "0");
  for (const FindingsRun &run : runs) {
    if (!run.readFailed)
      continue;
    const QString path = findingPath(run.file, root);
    xml.writeStartElement("testcase");
    xml.writeAttribute("classname", "task-read");
    xml.writeAttribute("name", xmlSafeText(path));
    xml.writeAttribute("file", xmlSafeText(path));
    xml.writeAttribute("time", "0");
    xml.writeStartElement("error");
    xml.writeAttribute("message", xmlSafeText(run.failure.section(u'\n', 0, 0)));
    xml.writeCharacters(xmlSafeText(run.failure));
    xml.writeEndElement();
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

} // namespace

QByteArray junitDocument(const std::vector<FindingsRun> &runs, const QString &root) {
  // Items by rule, in the rules' order.
  QMap<int, std::vector<const Finding *>> byRule;
  for (const FindingsRun &run : runs)
    for (const Finding &finding : run.findings)
      byRule[findingRuleIndex(finding.rule)].push_back(&finding);
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement("testsuites");
  for (auto it = byRule.cbegin(); it != byRule.cend(); ++it) {
    const QString rule = it.value().front()->rule;
    int failures = 0;
    for (const Finding *finding : it.value())
      failures += finding->failed ? 1 : 0;
    xml.writeStartElement("testsuite");
    xml.writeAttribute("name", rule);
    xml.writeAttribute("tests", QString::number(it.value().size()));
    xml.writeAttribute("failures", QString::number(failures));
    xml.writeAttribute("time", "0");
    for (const Finding *finding : it.value()) {
      const QString uri = findingPath(finding->file, root);
      xml.writeStartElement("testcase");
      xml.writeAttribute("classname", rule);
      xml.writeAttribute("name", xmlSafeText(itemName(*finding, uri)));
      xml.writeAttribute("file", xmlSafeText(uri));
      if (finding->position.hasFileLine())
        xml.writeAttribute("line", QString::number(finding->position.line));
      xml.writeAttribute("time", "0");
      if (finding->failed) {
        xml.writeStartElement("failure");
        xml.writeAttribute("message", xmlSafeText(finding->message.section(u'\n', 0, 0)));
        xml.writeAttribute("type", rule);
        xml.writeCharacters(xmlSafeText(finding->message + u'\n' + finding->text));
        xml.writeEndElement();
      }
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  writeUnreadTasks(xml, runs, root);
  xml.writeEndElement();
  xml.writeEndDocument();
  return out;
}

QByteArray githubAnnotations(const std::vector<FindingsRun> &runs, const QString &root) {
  QString out;
  for (const FindingsRun &run : runs) {
    if (run.readFailed)
      out += QLatin1String("::error file=") + githubEscaped(findingPath(run.file, root), true) +
             QLatin1String(",title=") +
             githubEscaped(QStringLiteral("tarvelo ") + run.command, true) + QLatin1String("::") +
             githubEscaped(run.failure, false) + u'\n';
    for (const Finding &finding : run.findings) {
      if (!finding.failed)
        continue;
      // GitHub shows notes as notices.
      out += finding.level == FindingLevel::Error     ? QLatin1String("::error file=")
             : finding.level == FindingLevel::Warning ? QLatin1String("::warning file=")
                                                      : QLatin1String("::notice file=");
      out += githubEscaped(findingPath(finding.file, root), true);
      const TextPosition &at = finding.position;
      if (at.hasFileLine()) {
        out += QStringLiteral(",line=%1,col=%2").arg(at.line).arg(at.startColumn);
        if (at.endLine > at.line)
          out += QStringLiteral(",endLine=%1").arg(at.endLine);
        if (at.endColumn > 0)
          out += QStringLiteral(",endColumn=%1").arg(at.endColumn);
      }
      out +=
          QLatin1String(",title=") +
          githubEscaped(finding.rule + u' ' + finding.resource + u' ' + finding.identifier, true) +
          QLatin1String("::") + githubEscaped(finding.message, false) + u'\n';
    }
  }
  return out.toUtf8();
}

} // namespace tarvelo

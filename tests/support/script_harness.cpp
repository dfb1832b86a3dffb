// Encoding script texts, and reading sources and targets into a workspace.
#include "support/script_harness.h"

#include "text/code_page.h"

namespace tarvelo::test {

QByteArray encode(const QString &text, Encoding encoding, int codePage) {
  QString crlf = text;
  switch (encoding) {
  case Encoding::Utf16: {
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QByteArray data("\xFF\xFE", 2);
    data.append(reinterpret_cast<const char *>(crlf.constData()), crlf.size() * 2);
    return data;
  }
  case Encoding::Utf8Bom:
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
  case Encoding::Ansi:
    break;
  }
  return CodePage::fromUtf16(text, codePage);
}

const char *encodingName(Encoding encoding) {
  switch (encoding) {
  case Encoding::Ansi:
    return "Ansi";
  case Encoding::Utf16:
    return "Utf16";
  case Encoding::Utf8Bom:
    return "Utf8Bom";
  }
  return "";
}

ScriptResult Workspace::readSource(const QByteArray &data, int language, const QString &path) {
  Task *task = tasks.head() ? tasks.head() : tasks.append();
  task->sourceLanguage = language;
  task->sourcePath = path;
  ResourceScript script(context());
  if (path.isEmpty() || !script.open(path))
    script.openData(data);
  const ScriptResult result = script.read(true, language, task);
  task->header = script.header();
  task->languageFound = script.languageFound();
  return result;
}

ScriptResult Workspace::readTarget(const QByteArray &data, int language, const QString &path) {
  Task *task = tasks.head();
  task->targetLanguage = language;
  task->targetPath = path;
  ResourceScript script(context());
  if (path.isEmpty() || !script.open(path))
    script.openData(data);
  return script.read(false, language, task);
}

QString Workspace::dump(bool withTargets) const {
  QString out;
  for (const auto &entry : entries) {
    out += entry->kind + u'|' + entry->identifier + u'|' + entry->sourceText;
    if (withTargets)
      out += u'|' + entry->targetText + u'|' + QString::number(entry->matchState);
    out += u'\n';
  }
  return out;
}

} // namespace tarvelo::test

// Reading and writing project files (.tvx): their text, keys and task blocks.
#include "project/project_file.h"

#include "files/file_transaction.h"

#include "exchange/exchange_file.h"
#include "project/project_paths.h"
#include "text/code_page.h"
#include "text/language_tags.h"

#include <QFile>
#include <QFileInfo>

namespace tarvelo {

namespace {

// The number as the C library's atoi reads it: blanks, a sign, digits; or a language
// tag ("de-DE") that a project written by hand may give instead.
int languageValue(const QString &text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
    ++i;
  if (i < text.size() && text[i].isLetter()) {
    const int tagged = languageForTag(text.trimmed());
    if (tagged >= 0)
      return tagged;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
    negative = text[i++] == u'-';
  quint32 value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    value = value * 10 + quint32(text[i].unicode() - u'0');
  return int(negative ? 0u - value : value);
}

} // namespace

QString projectKeyValue(const QString &line, QLatin1String key) {
  const qsizetype at = line.indexOf(key);
  if (at < 0 || line.indexOf(key, at + 1) >= 0)
    return {};
  QString value = line;
  value.remove(at, key.size());
  if (value.isNull())
    value = QLatin1String("");
  return value;
}

QString projectFileText(const QByteArray &content) {
  if (content.size() >= 2 && uchar(content[0]) == 0xFF && uchar(content[1]) == 0xFE) {
    // An odd last byte is no character.
    const qsizetype units = (content.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    const uchar *bytes = reinterpret_cast<const uchar *>(content.constData()) + 2;
    for (qsizetype i = 0; i < units; ++i)
      text[i] = QChar(char16_t(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return text;
  }
  return CodePage::toUtf16(content, 0);
}

QList<Task> parseProjectFile(const QByteArray &content, const QString &projectFolder) {
  const QString text = projectFileText(content);
  ProjectPathResolver paths(projectFolder);
  QList<Task> tasks;
  Task pending;
  int state = 0;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
      ++end;
    const QString line = text.mid(start, end - start);
    start = end;
    if (start < text.size() && text[start] == u'\r')
      ++start;
    if (start < text.size() && text[start] == u'\n')
      ++start;

    QString value;
    switch (state) {
    case 0:
      // A compiled source's header follows its task's block, where readers that do not
      // know it pass over it.
      value = projectKeyValue(line, QLatin1String("SOURCEHEADER="));
      if (!value.isNull() && !tasks.isEmpty()) {
        tasks.last().sourceHeader = paths.resolve(value);
        continue;
      }
      value = projectKeyValue(line, QLatin1String("TASK="));
      if (!value.isNull()) {
        pending = Task();
        pending.name = value;
        state = 1;
      }
      continue;
    case 1:
      state = line == QLatin1String("{") ? 2 : 0;
      continue;
    case 2:
      value = projectKeyValue(line, QLatin1String("SOURCEFILE="));
      if (!value.isNull())
        pending.sourcePath = paths.resolve(value);
      break;
    case 3:
      value = projectKeyValue(line, QLatin1String("SOURCELANGUAGE="));
      if (!value.isNull())
        pending.sourceLanguage = languageValue(value);
      break;
    case 4:
      value = projectKeyValue(line, QLatin1String("TARGETFILE="));
      if (!value.isNull())
        pending.targetPath = paths.resolve(value);
      break;
    case 5:
      value = projectKeyValue(line, QLatin1String("TARGETLANGUAGE="));
      if (!value.isNull())
        pending.targetLanguage = languageValue(value);
      break;
    case 6:
      if (line == QLatin1String("}"))
        tasks.append(pending);
      state = 0;
      continue;
    }
    // A broken block is dropped; the line that broke it is not looked at again.
    state = value.isNull() ? 0 : state + 1;
  }
  return tasks;
}

QByteArray formatProjectFile(const QList<Task> &tasks, const QString &projectFolder,
                             bool relativePaths) {
  const auto written = [&](const QString &path) {
    return relativePaths ? relativeToProject(projectFolder, path) : path;
  };
  QString text;
  for (const Task &task : tasks) {
    text += QLatin1String("TASK=") + task.name + QLatin1String("\r\n{\r\nSOURCEFILE=") +
            written(task.sourcePath) + QLatin1String("\r\nSOURCELANGUAGE=") +
            QString::number(quint32(task.sourceLanguage)) + QLatin1String("\r\nTARGETFILE=") +
            written(task.targetPath) + QLatin1String("\r\nTARGETLANGUAGE=") +
            QString::number(quint32(task.targetLanguage)) + QLatin1String("\r\n}\r\n");
    if (!task.sourceHeader.isEmpty())
      text += QLatin1String("SOURCEHEADER=") + written(task.sourceHeader) + QLatin1String("\r\n");
  }
  QByteArray bytes;
  bytes.reserve(2 + text.size() * 2);
  bytes.append(char(0xFF)).append(char(0xFE));
  for (const QChar c : std::as_const(text)) {
    bytes.append(char(c.unicode() & 0xFF));
    bytes.append(char(c.unicode() >> 8));
  }
  return bytes;
}

bool readProject(const QString &path, Project &project) {
  QByteArray content;
  if (readExchangeFile(path, content) != FileRead::Read)
    return false;
  const QString full = QFileInfo(path).absoluteFilePath();
  project.tasks = parseProjectFile(content, projectFolderOf(full));
  project.path = full;
  project.modified = false;
  return true;
}

bool writeProject(Project &project, bool relativePaths) {
  if (project.path.isEmpty())
    return false;
  const QByteArray content =
      formatProjectFile(project.tasks, projectFolderOf(project.path), relativePaths);
  if (!writeFileSafely(project.path, content))
    return false;
  project.modified = false;
  return true;
}

} // namespace tarvelo

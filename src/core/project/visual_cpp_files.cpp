#include "project/visual_cpp_files.h"

#include "script/script_path.h"
#include "text/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringConverter>
#include <QStringList>
#include <QXmlStreamReader>

namespace tarvelo {

namespace {

bool isScriptName(const QString &name) {
  return name.endsWith(QLatin1String(".rc"), Qt::CaseInsensitive) ||
         name.endsWith(QLatin1String(".rc2"), Qt::CaseInsensitive);
}

// The text of a file written by Visual Studio: UTF-16 or UTF-8 by their marks, UTF-8
// when the bytes are valid UTF-8, else the ANSI code page.
QString fileText(const QByteArray &bytes) {
  if (bytes.startsWith("\xFF\xFE"))
    return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
  if (bytes.startsWith("\xEF\xBB\xBF"))
    return QString::fromUtf8(bytes.mid(3));
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (!utf8.hasError())
    return text;
  return CodePage::toUtf16(bytes, 0);
}

// The one value after key, or null when key occurs not exactly once.
QString onceRemoved(const QString &line, QLatin1String key) {
  const qsizetype at = line.indexOf(key);
  if (at < 0 || line.indexOf(key, at + 1) >= 0)
    return {};
  return QString(line).remove(at, key.size());
}

// The text between the first and the last double quote; null without two quotes.
QString quoted(const QString &line) {
  const qsizetype first = line.indexOf(u'"');
  const qsizetype last = line.lastIndexOf(u'"');
  if (first < 0 || last <= first)
    return {};
  return line.mid(first + 1, last - first - 1);
}

QString unquoted(QString text) {
  text = text.trimmed();
  if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
    text = text.mid(1, text.size() - 2);
  return text;
}

class VisualCppReader {
public:
  VisualCppReader(const std::function<void(const QString &)> &candidate,
                  const std::atomic_bool &stop)
      : m_candidate(candidate), m_stop(stop) {}

  void read(const QString &path, const QString &solutionFolder = QString());

private:
  bool stopped() const { return m_stop.load(std::memory_order_relaxed); }
  QStringList lines(const QString &path);
  void readDsw(const QString &path, const QString &folder);
  void readDsp(const QString &path, const QString &folder);
  void readSln(const QString &path, const QString &folder);
  void readVcproj(const QString &path, const QString &folder);
  void readVcxproj(const QString &path, const QString &folder, const QString &solutionFolder);
  void script(const QString &folder, const QString &name);

  const std::function<void(const QString &)> &m_candidate;
  const std::atomic_bool &m_stop;
  QSet<QString> m_read; // a file that names itself, or is named twice, is read once
};

QStringList VisualCppReader::lines(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  QString text = fileText(file.readAll());
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text.split(u'\n');
}

void VisualCppReader::script(const QString &folder, const QString &name) {
  if (!stopped() && isScriptName(name))
    m_candidate(resolveWindowsPath(folder, name));
}

void VisualCppReader::read(const QString &path, const QString &solutionFolder) {
  const QFileInfo info(path);
  const QString full = info.absoluteFilePath();
  if (stopped() || !info.isFile() || m_read.contains(full))
    return;
  m_read.insert(full);
  const QString folder = info.absolutePath();
  const QString extension = info.suffix().toLower();
  if (extension == QLatin1String("dsw"))
    readDsw(full, folder);
  else if (extension == QLatin1String("dsp"))
    readDsp(full, folder);
  else if (extension == QLatin1String("sln"))
    readSln(full, folder);
  else if (extension == QLatin1String("vcproj"))
    readVcproj(full, folder);
  else if (extension == QLatin1String("vcxproj"))
    readVcxproj(full, folder, solutionFolder);
}

void VisualCppReader::readDsw(const QString &path, const QString &folder) {
  for (const QString &original : lines(path)) {
    const QString line = original.toLower();
    const qsizetype dsp = line.indexOf(QLatin1String(".dsp"));
    if (!line.startsWith(QLatin1String("project:")) || dsp < 0)
      continue;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || equals > dsp)
      continue;
    const QString name = unquoted(line.mid(equals + 1, dsp + 4 - equals - 1));
    read(resolveWindowsPath(folder, name));
  }
}

void VisualCppReader::readDsp(const QString &path, const QString &folder) {
  for (const QString &line : lines(path)) {
    const QString value = onceRemoved(line, QLatin1String("SOURCE="));
    if (!value.isNull())
      script(folder, unquoted(value));
  }
}

void VisualCppReader::readSln(const QString &path, const QString &folder) {
  for (const QString &original : lines(path)) {
    const QString line = original.toLower();
    if (!line.startsWith(QLatin1String("project(")))
      continue;
    // Visual Studio 2010 and later name .vcxproj projects, earlier ones .vcproj.
    for (const QLatin1String extension : {QLatin1String(".vcproj"), QLatin1String(".vcxproj")}) {
      const qsizetype at = line.indexOf(extension);
      if (at < 0)
        continue;
      const qsizetype quote = line.lastIndexOf(u'"', at);
      const QString name = line.mid(quote + 1, at + extension.size() - quote - 1);
      read(resolveWindowsPath(folder, name), folder);
    }
  }
}

void VisualCppReader::readVcproj(const QString &path, const QString &folder) {
  for (const QString &line : lines(path)) {
    const QString relative = onceRemoved(line, QLatin1String("RelativePath="));
    if (!relative.isNull()) {
      script(folder, quoted(relative));
      continue;
    }
    const QString full = onceRemoved(line, QLatin1String("FullPath="));
    if (!full.isNull() && isScriptName(quoted(full)))
      m_candidate(resolveWindowsPath(QString(), quoted(full)));
  }
}

void VisualCppReader::readVcxproj(const QString &path, const QString &folder,
                                  const QString &solutionFolder) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return;
  const QString projectName = QFileInfo(path).completeBaseName();
  const QString projectFolder = folder + u'/';
  const auto expand = [&](QString item) -> QString {
    static const QRegularExpression macro(QStringLiteral("\\$\\(([A-Za-z0-9_]+)\\)"));
    for (;;) {
      const QRegularExpressionMatch match = macro.match(item);
      if (!match.hasMatch())
        return item;
      const QString name = match.captured(1).toLower();
      QString value;
      if (name == QLatin1String("projectdir") || name == QLatin1String("msbuildthisfiledirectory"))
        value = projectFolder;
      else if (name == QLatin1String("msbuildprojectdirectory"))
        value = folder;
      else if (name == QLatin1String("projectname") || name == QLatin1String("targetname"))
        value = projectName;
      else if (name == QLatin1String("solutiondir") && !solutionFolder.isEmpty())
        value = solutionFolder + u'/';
      else
        return {}; // a property only a build knows
      item.replace(match.capturedStart(), match.capturedLength(), value);
    }
  };
  QXmlStreamReader xml(&file);
  while (!xml.atEnd() && !stopped()) {
    if (xml.readNext() != QXmlStreamReader::StartElement ||
        xml.name() != QLatin1String("ResourceCompile"))
      continue;
    const QString include = xml.attributes().value(QLatin1String("Include")).toString();
    for (const QString &item : include.split(u';', Qt::SkipEmptyParts)) {
      const QString name = expand(item.trimmed());
      // Item metadata and wildcards stand for files only a build would list.
      if (name.isEmpty() || name.contains(QLatin1String("%(")) || name.contains(u'*') ||
          name.contains(u'?'))
        continue;
      script(folder, name);
    }
  }
}

} // namespace

void searchVisualCppFile(const QString &path, const std::function<void(const QString &)> &candidate,
                         const std::atomic_bool &stop) {
  VisualCppReader reader(candidate, stop);
  reader.read(path);
}

} // namespace tarvelo

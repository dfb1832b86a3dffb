// Reading .dsw, .dsp, .sln, .vcproj and .vcxproj files for the scripts they name.
#include "project/visual_cpp_files.h"

#include "exchange/exchange_file.h"
#include "exchange/xml_guard.h"
#include "script/script_path.h"
#include "text/code_page.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringConverter>
#include <QStringList>

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

// What the macros of a .vcxproj stand for.
struct ProjectMacros {
  QString folder; // the project's folder, without a trailing separator
  QString projectName;
  QString solutionFolder; // empty when no solution named the project
};

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
  static QString expandMacros(const QString &item, const ProjectMacros &macros);
  void script(const QString &folder, const QString &name);

  const std::function<void(const QString &)> &m_candidate;
  const std::atomic_bool &m_stop;
  QSet<QString> m_read; // a file that names itself, or is named twice, is read once
};

QStringList VisualCppReader::lines(const QString &path) {
  QByteArray bytes;
  if (readExchangeFile(path, bytes) != FileRead::Read)
    return {};
  QString text = fileText(bytes);
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

// The item with the macros a project file may use in it replaced, left to right (a
// value is never looked at again, so a folder named "$(ProjectDir)" cannot loop);
// empty when it uses a macro only a build knows.
QString VisualCppReader::expandMacros(const QString &item, const ProjectMacros &macros) {
  static const QRegularExpression macro(QStringLiteral("\\$\\(([A-Za-z0-9_]+)\\)"));
  QString out;
  qsizetype last = 0;
  for (QRegularExpressionMatchIterator it = macro.globalMatch(item); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString name = match.captured(1).toLower();
    QString value;
    if (name == QLatin1String("projectdir") || name == QLatin1String("msbuildthisfiledirectory"))
      value = macros.folder + u'/';
    else if (name == QLatin1String("msbuildprojectdirectory"))
      value = macros.folder;
    else if (name == QLatin1String("projectname") || name == QLatin1String("targetname"))
      value = macros.projectName;
    else if (name == QLatin1String("solutiondir") && !macros.solutionFolder.isEmpty())
      value = macros.solutionFolder + u'/';
    else
      return {};
    out += QStringView(item).mid(last, match.capturedStart() - last);
    out += value;
    last = match.capturedEnd();
  }
  out += QStringView(item).mid(last);
  return out;
}

void VisualCppReader::readVcxproj(const QString &path, const QString &folder,
                                  const QString &solutionFolder) {
  QByteArray bytes;
  if (readExchangeFile(path, bytes) != FileRead::Read)
    return;
  const ProjectMacros macros{folder, QFileInfo(path).completeBaseName(), solutionFolder};
  // Through the guard every XML file we accept passes: no entities, no attribute flood.
  GuardedXmlReader xml(bytes);
  while (!stopped() && xml.nextStart()) {
    if (xml.name() != QLatin1String("ResourceCompile"))
      continue;
    const QString include = xml.attribute("Include").toString();
    for (const QString &item : include.split(u';', Qt::SkipEmptyParts)) {
      const QString name = expandMacros(item.trimmed(), macros);
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

// The user's way from the probe program to its German language DLL.
#include "cli/translated_probe.h"

#include "cli/cli_run.h"
#include "cli/wine_probe_program.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace tarvelo::test {
namespace {

// Runs one step in FOLDER; false with its command line and what it said.
bool step(const QString &folder, const QString &program, const QStringList &arguments,
          QString &error) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  const bool ended = process.waitForFinished(180000);
  if (ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
    return true;
  error = QStringLiteral("%1 %2 failed (%3): %4%5")
              .arg(program, arguments.join(u' '),
                   ended ? QString::number(process.exitCode()) : QStringLiteral("no end"),
                   QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError()));
  return false;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString poQuoted(QString text) {
  text.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
  return u'"' + text.replace(u'\t', QLatin1String("\\t")) + u'"';
}

// Gives each English text of the catalog its German translation, as a translator's
// editor does; false when the catalog lacks an English text.
bool translateCatalog(const QString &path, QString &error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = "cannot read " + path;
    return false;
  }
  QString catalog = QString::fromUtf8(file.readAll());
  file.close();
  for (const auto &[english, german] : probeTranslations()) {
    const QString entry = "msgid " + poQuoted(english) + "\nmsgstr \"\"\n";
    if (!catalog.contains(entry)) {
      error = path + " has no entry for " + english + ":\n" + catalog;
      return false;
    }
    catalog.replace(entry, "msgid " + poQuoted(english) + "\nmsgstr " + poQuoted(german) + "\n");
  }
  if (!writeFile(path, catalog.toUtf8())) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

bool buildProbe(const QString &folder, const QString &machine, QString &error) {
  if (!writeFile(folder + "/probe.c", kProbeSource) ||
      !writeFile(folder + "/probe.rc", kProbeScript)) {
    error = "cannot write the probe's sources in " + folder;
    return false;
  }
  const QString gcc = mingwTool(machine, "gcc"), windres = mingwTool(machine, "windres");
  if (gcc.isEmpty() || windres.isEmpty()) {
    error = "mingw-w64 for " + machine + " is installed by tools/setup.sh";
    return false;
  }
  return step(folder, windres, {"-i", "probe.rc", "-o", "probe_rc.o"}, error) &&
         step(folder, gcc, {"-Wall", "-o", "probe.exe", "probe.c", "probe_rc.o", "-lgdi32"}, error);
}

} // namespace

QList<std::pair<QString, QString>> probeTranslations() {
  return {{"Open file", QStringLiteral("Datei \u00f6ffnen")},
          {"Save changes?", QStringLiteral("\u00c4nderungen speichern?")},
          // A capital sharp s: in neither Latin-1 nor Windows' code page 1252.
          {"SIZE", QStringLiteral("GR\u00d6\u1e9eE")},
          {"&File", "&Datei"},
          {"&Open...\tCtrl+O", QStringLiteral("\u00d6&ffnen...\tStrg+O")},
          {"E&xit", "&Beenden"},
          {"Settings", "Einstellungen"},
          {"Options", "Optionen"},
          {"User name:", "Benutzername:"},
          {"Remember", "Merken"},
          {"OK", "OK"},
          {"Cancel", "Abbrechen"}};
}

QString mingwTool(const QString &machine, const QString &tool) {
  return QStandardPaths::findExecutable(machine + "-w64-mingw32-" + tool);
}

bool translateProbe(const QString &folder, const QString &machine, TranslatedProbe &probe,
                    QString &error) {
  const QDir dir(folder);
  probe = {dir.filePath("probe.exe"), dir.filePath("en.rc"),  dir.filePath("de.rc"),
           dir.filePath("de.dll"),    dir.filePath("de.res"), dir.filePath("oracle.dll")};
  const QString cli = cliProgram();
  const QStringList task{"--source", "probe.exe",         "--source-language",
                         "1033",     "--target-language", "1031"};
  return buildProbe(folder, machine, error) &&
         step(folder, cli, {"decompile", "probe.exe", "--out", "en.rc"}, error) &&
         step(folder, cli,
              QStringList{"export", "--new-target", "de.rc", "--format", "po", "--out", "de.po"} +
                  task,
              error) &&
         translateCatalog(dir.filePath("de.po"), error) &&
         step(folder, cli, QStringList{"import", "--new-target", "de.rc", "--in", "de.po"} + task,
              error) &&
         step(folder, cli, QStringList{"translate", "--target", "de.rc", "--out", "de.dll"} + task,
              error) &&
         step(folder, cli, QStringList{"translate", "--target", "de.rc", "--out", "de.res"} + task,
              error) &&
         step(folder, cli,
              QStringList{"translate", "--target", "de.rc", "--out", "probe_de.exe", "--in-place"} +
                  task,
              error) &&
         step(folder, mingwTool(machine, "windres"),
              {"-c", "65001", "-i", "de.rc", "-o", "oracle_rc.o"}, error) &&
         step(folder, mingwTool(machine, "gcc"),
              {"-shared", "-nostdlib", "-o", "oracle.dll", "oracle_rc.o"}, error);
}

} // namespace tarvelo::test

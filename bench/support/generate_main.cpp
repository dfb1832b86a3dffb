// Writes the generated scripts of the benchmarks to a folder, with the headers a
// resource compiler needs to compile them: source.rc (English), target.rc (German),
// resource.h and afxres.h.
#include "support/script_generator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A definition for every identifier the script uses; string identifiers of one table
// stay within one block of 16, as the compiler wants them.
QByteArray resourceHeader(const QByteArray &script) {
  static const QRegularExpression identifier(
      QStringLiteral("\\b(ID[A-Z]?_[A-Z]+(?:_\\d+)+|IDC_STATIC)\\b"));
  QSet<QString> seen;
  QByteArray out;
  int next = 100;
  for (auto it = identifier.globalMatch(QString::fromLatin1(script)); it.hasNext();) {
    const QString name = it.next().captured(1);
    if (seen.contains(name))
      continue;
    seen.insert(name);
    int value = next++;
    if (name == QLatin1String("IDC_STATIC")) {
      value = -1;
      --next;
    }
    out += QStringLiteral("#define %1 %2\n").arg(name).arg(value).toLatin1();
  }
  return out;
}

const char kAfxres[] = "#define DS_SETFONT 0x40L\n#define DS_MODALFRAME 0x80L\n"
                       "#define DS_FIXEDSYS 0x0008L\n#define WS_POPUP 0x80000000L\n"
                       "#define WS_CAPTION 0x00C00000L\n#define WS_SYSMENU 0x00080000L\n"
                       "#define WS_TABSTOP 0x00010000L\n#define ES_AUTOHSCROLL 0x0080L\n"
                       "#define BS_AUTOCHECKBOX 0x00000003L\n#define LANG_ENGLISH 0x09\n"
                       "#define SUBLANG_ENGLISH_US 0x01\n#define LANG_GERMAN 0x07\n"
                       "#define SUBLANG_GERMAN 0x01\n";

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: generate_scripts FOLDER [SCALE]\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int scale = argc > 2 ? std::atoi(argv[2]) : 1;
  if (scale < 1 || !QDir().mkpath(folder)) {
    std::fprintf(stderr, "error: bad scale or folder\n");
    return 2;
  }
  const QByteArray source = tarvelo::bench::generateScript(scale);
  const QByteArray target = tarvelo::bench::generateScript(scale, true);
  const QDir dir(folder);
  if (!writeFile(dir.filePath("source.rc"), source) ||
      !writeFile(dir.filePath("target.rc"), target) ||
      !writeFile(dir.filePath("resource.h"), resourceHeader(source)) ||
      !writeFile(dir.filePath("afxres.h"), kAfxres)) {
    std::fprintf(stderr, "error: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}

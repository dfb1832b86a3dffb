#include "measure/dialog_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace tarvelo {

namespace {

// Where the metric-compatible faces live; TARVELO_DIALOG_FONTS overrides it.
QStringList fontFolders() {
  QStringList folders;
  const QString overridden = qEnvironmentVariable("TARVELO_DIALOG_FONTS");
  if (!overridden.isEmpty())
    folders.append(overridden);
  folders.append(QStringLiteral("/usr/share/wine/fonts"));
  folders.append(QStringLiteral("/usr/share/fonts/truetype/wine"));
  return folders;
}

// The family a font file holds, loading it once; empty when the file is missing.
QString loadFamily(const QString &fileName) {
  for (const QString &folder : fontFolders()) {
    const QString path = QDir(folder).filePath(fileName);
    if (!QFile::exists(path))
      continue;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
      continue;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
      return families.first();
  }
  return QString();
}

struct MappedFaces {
  QString sansSerif; // MS Sans Serif
  QString tahoma;
  QString courier;
};

const MappedFaces &mappedFaces() {
  static const MappedFaces faces = [] {
    MappedFaces loaded;
    loaded.sansSerif = loadFamily(QStringLiteral("ms_sans_serif.ttf"));
    loaded.tahoma = loadFamily(QStringLiteral("tahoma.ttf"));
    loadFamily(QStringLiteral("tahomabd.ttf"));
    loaded.courier = loadFamily(QStringLiteral("courier.ttf"));
    return loaded;
  }();
  return faces;
}

// MS Sans Serif is a bitmap face of one size, the 8 points of 96 dpi; the system's
// scalable dialog face at other sizes is close to Tahoma.
constexpr int kSansSerifPixels = 11;

QString sansSerifFamily(const MappedFaces &faces, int pixelHeight) {
  return pixelHeight == kSansSerifPixels && !faces.sansSerif.isEmpty() ? faces.sansSerif
                                                                       : faces.tahoma;
}

} // namespace

QString fallbackDialogFamily(int pixelHeight) {
  const QString family = sansSerifFamily(mappedFaces(), pixelHeight);
  return family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : family;
}

QString dialogFontFamily(const QString &face, int pixelHeight) {
  const QString key = face.trimmed().toLower();
  const MappedFaces &faces = mappedFaces();
  if (key == u"ms shell dlg" || key == u"ms sans serif" || key == u"microsoft sans serif")
    return sansSerifFamily(faces, pixelHeight);
  static QMutex mutex;
  static QHash<QString, QString> known;
  QMutexLocker lock(&mutex);
  if (const auto it = known.constFind(key); it != known.constEnd())
    return it.value();
  QString family;
  if (key == u"ms shell dlg 2" || key == u"tahoma")
    family = faces.tahoma;
  else if (key == u"courier" || key == u"courier new")
    family = faces.courier;
  if (family.isEmpty() && !key.isEmpty()) {
    for (const QString &available : QFontDatabase::families())
      if (available.compare(face.trimmed(), Qt::CaseInsensitive) == 0) {
        family = available;
        break;
      }
  }
  known.insert(key, family);
  return family;
}

} // namespace tarvelo

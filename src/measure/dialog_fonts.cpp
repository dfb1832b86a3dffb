// Finding the installed families that stand in for Windows' dialog faces.
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
  QString system;
};

const MappedFaces &mappedFaces() {
  static const MappedFaces faces = [] {
    MappedFaces loaded;
    loaded.sansSerif = loadFamily(QStringLiteral("ms_sans_serif.ttf"));
    loaded.tahoma = loadFamily(QStringLiteral("tahoma.ttf"));
    loadFamily(QStringLiteral("tahomabd.ttf"));
    loaded.courier = loadFamily(QStringLiteral("courier.ttf"));
    loaded.system = loadFamily(QStringLiteral("system.ttf"));
    return loaded;
  }();
  return faces;
}

QString sansSerifFamily(const MappedFaces &faces, int pixelHeight) {
  return isSansSerifBitmapSize(pixelHeight) && !faces.sansSerif.isEmpty() ? faces.sansSerif
                                                                          : faces.tahoma;
}

// The dialog faces of East Asian Windows, by the script they are made for, and the
// families that stand in for them here (the first one installed).
struct EastAsianFaces {
  std::initializer_list<const char16_t *> faces;
  std::initializer_list<const char16_t *> families;
};
const EastAsianFaces kEastAsian[] = {
    {{u"ms ui gothic", u"ms gothic", u"ms pgothic", u"\uff2d\uff33 \u30b4\u30b7\u30c3\u30af",
      u"\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af", u"ms mincho", u"ms pmincho",
      u"\uff2d\uff33 \u660e\u671d", u"meiryo", u"meiryo ui", u"\u30e1\u30a4\u30ea\u30aa",
      u"yu gothic", u"yu gothic ui"},
     {u"Noto Sans CJK JP", u"IPAPGothic", u"IPAGothic"}},
    {{u"simsun", u"nsimsun", u"\u5b8b\u4f53", u"\u65b0\u5b8b\u4f53", u"simhei", u"\u9ed1\u4f53",
      u"microsoft yahei", u"microsoft yahei ui", u"\u5fae\u8f6f\u96c5\u9ed1"},
     {u"Noto Sans CJK SC", u"Noto Sans CJK JP"}},
    {{u"pmingliu", u"mingliu", u"\u65b0\u7d30\u660e\u9ad4", u"\u7d30\u660e\u9ad4",
      u"microsoft jhenghei", u"microsoft jhenghei ui"},
     {u"Noto Sans CJK TC", u"Noto Sans CJK JP"}},
    {{u"gulim", u"gulimche", u"dotum", u"batang", u"\uad74\ub9bc", u"\ub3cb\uc6c0",
      u"malgun gothic"},
     {u"Noto Sans CJK KR", u"Noto Sans CJK JP"}},
};

// The installed family standing in for an East Asian face; empty for other faces.
QString eastAsianFamily(const QString &key) {
  for (const EastAsianFaces &row : kEastAsian) {
    bool known = false;
    for (const char16_t *face : row.faces)
      known = known || key == QString::fromUtf16(face).toLower();
    if (!known)
      continue;
    const QStringList installed = QFontDatabase::families();
    for (const char16_t *family : row.families)
      if (installed.contains(QString::fromUtf16(family), Qt::CaseInsensitive))
        return QString::fromUtf16(family);
  }
  return QString();
}

} // namespace

bool isSansSerifBitmapSize(int pixelHeight) {
  return pixelHeight >= kSansSerifPixels && pixelHeight <= kSansSerifPixels + 1;
}

bool isSystemFace(const QString &face) {
  return face.trimmed().compare(QLatin1String("System"), Qt::CaseInsensitive) == 0;
}

bool isStandInFace(const QString &face) {
  return !eastAsianFamily(face.trimmed().toLower()).isEmpty();
}

QString fallbackDialogFamily(int pixelHeight) {
  // The system's dialog font at 8 points, Tahoma's scalable outlines at other sizes.
  const MappedFaces &faces = mappedFaces();
  const QString family = pixelHeight == kSansSerifPixels && !faces.sansSerif.isEmpty()
                             ? faces.sansSerif
                             : faces.tahoma;
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
  else if (key == u"system")
    family = faces.system;
  if (family.isEmpty())
    family = eastAsianFamily(key);
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

// The German translation carries every text of the windows, those the core composes
// for them included: lupdate over src/core and src/gui finds no text that the
// committed translation lacks or leaves unfinished.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kRoot = QStringLiteral(TARVELO_TEST_DATA "/../..");

QString lupdate() {
  const QString beside =
      QDir(QLibraryInfo::path(QLibraryInfo::BinariesPath)).filePath(QStringLiteral("lupdate"));
  return QFile::exists(beside) ? beside : QStandardPaths::findExecutable(QStringLiteral("lupdate"));
}

struct Catalogue {
  QSet<QString> all;        // "context|source"
  QSet<QString> translated; // finished, with a text
};

Catalogue read(const QString &path) {
  Catalogue catalogue;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement)
      continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("source")) {
      source = context + u'|' + xml.readElementText();
      catalogue.all.insert(source);
    } else if (xml.name() == QLatin1String("translation")) {
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (type.isEmpty() && !text.trimmed().isEmpty())
        catalogue.translated.insert(source);
    }
  }
  return catalogue;
}

TEST(TranslationCatalogue, EveryTextOfTheCoreAndTheWindowsIsTranslated) {
  const QString tool = lupdate();
  ASSERT_FALSE(tool.isEmpty()) << "lupdate (qt6-l10n-tools) is needed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
  QProcess process;
  process.setWorkingDirectory(kRoot);
  process.start(tool, {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("src/core"),
                       QStringLiteral("src/gui"), QStringLiteral("-ts"), fresh});
  ASSERT_TRUE(process.waitForFinished(120000));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

  const Catalogue found = read(fresh);
  const Catalogue committed =
      read(kRoot + QStringLiteral("/resources/translations/tarvelo_1031.ts"));
  // The core's texts are among those found.
  for (const char *text :
       {"tarvelo::ItemListModel| Original Text", "tarvelo::ResourceGroup|String Table",
        "tarvelo::LocaleNames|German", "tarvelo::Verification|"})
    EXPECT_TRUE(std::any_of(found.all.begin(), found.all.end(), [&](const QString &key) {
      return key.startsWith(text);
    })) << text;
  QStringList missing;
  for (const QString &key : found.all)
    if (!committed.translated.contains(key))
      missing.append(key);
  missing.sort();
  EXPECT_TRUE(missing.isEmpty()) << "untranslated:\n" << missing.join(u'\n').toStdString();
}

} // namespace

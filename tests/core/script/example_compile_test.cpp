// The bundled example compiles with llvm-rc as it is shipped, from its own folder and
// with nothing added: its headers and its icon are there, and both languages give the
// same resources.
#include "support/rc_compiler.h"
#include "support/res_file.h"
#include "support/script_harness.h"
#include "text/code_page.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QString exampleDir() {
  return QStringLiteral(TARVELO_SOURCE_DIR "/resources/example");
}

QString wideText(const QByteArray &data) {
  return QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData()), data.size() / 2);
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The script compiled from where it stands, with no folder of includes but its own.
QList<test::CompiledResource> compileShipped(const QString &name, int codePage) {
  QTemporaryDir out;
  QString error;
  const QByteArray res =
      test::compileScript(exampleDir() + u'/' + name, {}, codePage, out.path(), error);
  EXPECT_FALSE(res.isEmpty()) << name.toStdString() << ": " << error.toStdString();
  return test::readResFile(res);
}

QSet<QString> kinds(const QList<test::CompiledResource> &resources) {
  QSet<QString> out;
  for (const test::CompiledResource &resource : resources)
    out.insert(resource.type + u' ' + resource.name);
  return out;
}

QString allTexts(const QList<test::CompiledResource> &resources) {
  QString texts;
  for (const test::CompiledResource &resource : resources)
    texts += wideText(resource.data);
  return texts;
}

TEST(ExampleCompile, BothScriptsCompileAsShippedWithTheSameResources) {
  const QList<test::CompiledResource> english = compileShipped(QStringLiteral("example.rc"), 1252);
  const QList<test::CompiledResource> german =
      compileShipped(QStringLiteral("example_de.rc"), 1252);
  ASSERT_FALSE(english.isEmpty());
  ASSERT_EQ(english.size(), german.size());
  // The icon (its group and its images), the menu, the accelerators, both dialogs,
  // the combo box's strings and the string tables.
  const QSet<QString> found = kinds(english);
  for (const char *expected : {"#14 #128", "#4 #128", "#9 #128", "#5 #100", "#5 #101",
                               "DLGINIT #101", "#6 #9", "#6 #13", "#6 #3601", "#6 #3603"})
    EXPECT_TRUE(found.contains(QLatin1String(expected))) << expected;
  EXPECT_EQ(kinds(german), found);
  for (qsizetype i = 0; i < english.size(); ++i) {
    SCOPED_TRACE(english[i].type.toStdString() + " " + english[i].name.toStdString());
    EXPECT_EQ(english[i].language, 0x0409);
    EXPECT_EQ(german[i].language, 0x0407);
    if (english[i].type == QLatin1String("#5")) {
      EXPECT_EQ(test::dialogGeometry(german[i].data), test::dialogGeometry(english[i].data));
    }
  }
  EXPECT_TRUE(allTexts(english).contains(QStringLiteral("&About Example...")));
  EXPECT_TRUE(allTexts(german).contains(QString::fromUtf8("Ö&ffnen...\tStrg+O")))
      << allTexts(german).toStdString();
}

// The icon compiled is the shipped file's: both its images, whole.
TEST(ExampleCompile, TheIconIsTheShippedOne) {
  const QByteArray icon = fileBytes(exampleDir() + QStringLiteral("/res/Example.ico"));
  ASSERT_GT(icon.size(), 6);
  const int images = quint8(icon[4]) | quint8(icon[5]) << 8;
  QList<QByteArray> shipped;
  for (int i = 0; i < images; ++i) {
    const char *at = icon.constData() + 6 + 16 * i;
    const auto word = [&](int offset) {
      return quint32(quint8(at[offset])) | quint32(quint8(at[offset + 1])) << 8 |
             quint32(quint8(at[offset + 2])) << 16 | quint32(quint8(at[offset + 3])) << 24;
    };
    shipped.append(icon.mid(word(12), word(8)));
  }
  ASSERT_EQ(shipped.size(), 2);
  QList<QByteArray> compiled;
  for (const test::CompiledResource &resource : compileShipped(QStringLiteral("example.rc"), 1252))
    if (resource.type == QLatin1String("#3"))
      compiled.append(resource.data);
  EXPECT_EQ(compiled, shipped);
}

// The phrases the example memory learns from compile too.
TEST(ExampleCompile, TheMemorysPhrasesCompile) {
  for (const char *name : {"memory/phrases_en.rc", "memory/phrases_de.rc"}) {
    const QList<test::CompiledResource> resources = compileShipped(QString::fromLatin1(name), 1252);
    ASSERT_FALSE(resources.isEmpty()) << name;
    EXPECT_EQ(resources.first().type, QStringLiteral("#6")) << name;
  }
}

} // namespace
} // namespace tarvelo

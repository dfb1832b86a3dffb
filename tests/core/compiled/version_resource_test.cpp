// Tests: version resources compiled by llvm-rc read to their values, are written back
// byte for byte, decompile to a VERSIONINFO statement llvm-rc compiles to the same
// bytes, and turn to another language as the script's VERSIONINFO does.
#include "compiled/res_file.h"
#include "compiled/version_resource.h"
#include "script/version_info.h"
#include "support/rc_compiler.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The data of the script's one version resource, compiled by llvm-rc.
QByteArray versionData(const QString &script) {
  QTemporaryDir dir;
  QFile file(dir.filePath("v.rc"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("#pragma code_page(65001)\n" + script.toUtf8());
  file.close();
  QString error;
  const QByteArray res = test::compileScript(file.fileName(), {}, 65001, dir.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString() << script.toStdString();
  for (const CompiledResource &r : readResFile(res).resources)
    if (r.type == ResourceId::fromNumber(16))
      return r.data;
  return {};
}

const char *const kScripts[] = {
    "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nPRODUCTVERSION 5,6,7,65535\nFILEFLAGSMASK 0x3fL\n"
    "FILEFLAGS 0x1L\nFILEOS 0x40004L\nFILETYPE 0x2L\nFILESUBTYPE 0x0L\nBEGIN\n"
    " BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904b0\"\n  BEGIN\n"
    "   VALUE \"CompanyName\", \"Acme \"\"Tools\"\"\"\n   VALUE \"Comments\", \"\"\n"
    "   VALUE \"FileDescription\", \"Größe\\tund 中文\"\n  END\n END\n"
    " BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 0x409, 1200\n END\nEND\n",
    // Two languages, an ANSI code page, upper-case hexadecimal, several pairs.
    "VS_VERSION_INFO VERSIONINFO\nFILEVERSION 0,0,0,1\nBEGIN\n BLOCK \"StringFileInfo\"\n"
    " BEGIN\n  BLOCK \"040904E4\"\n  BEGIN\n   VALUE \"A\", \"a\"\n  END\n"
    "  BLOCK \"040704b0\"\n  BEGIN\n   VALUE \"A\", \"ä\"\n  END\n END\n"
    " BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 0x409, 1252, 0x407, 1200\n "
    "END\nEND\n",
    // Nothing but the fixed part, and a block of its own with binary data.
    "3 VERSIONINFO\nFILEVERSION 9,8,7,6\nFILEOS 4\nBEGIN\nEND\n",
    "4 VERSIONINFO\nBEGIN\n BLOCK \"Mine\"\n BEGIN\n  VALUE \"Bin\", 1, 2, 3\n  VALUE \"Key\", "
    "\"v\"\n"
    " END\nEND\n",
};

TEST(VersionResource, ReadsWritesAndDecompilesWhatLlvmRcCompiles) {
  for (const char *script : kScripts) {
    const QByteArray data = versionData(QString::fromUtf8(script));
    ASSERT_FALSE(data.isEmpty()) << script;
    VersionNode root;
    QString error;
    qsizetype offset = -1;
    ASSERT_TRUE(readVersionResource(data, root, error, offset)) << error.toStdString();
    EXPECT_EQ(root.key, QStringLiteral("VS_VERSION_INFO"));
    EXPECT_EQ(writeVersionResource(root).toHex(), data.toHex()) << script;
    const QString statement = versionInfoStatement(data, QStringLiteral("1"));
    ASSERT_FALSE(statement.isEmpty()) << script;
    // The statement compiles to the same bytes, so to the same values.
    EXPECT_EQ(versionData(statement).toHex(), data.toHex()) << statement.toStdString();
  }
}

TEST(VersionResource, TheValuesAreTheScripts) {
  const QByteArray data = versionData(QString::fromUtf8(kScripts[0]));
  VersionNode root;
  QString error;
  qsizetype offset = -1;
  ASSERT_TRUE(readVersionResource(data, root, error, offset));
  FixedFileInfo info;
  ASSERT_TRUE(readFixedFileInfo(root, info));
  EXPECT_EQ(info.fileVersion[0], 0x00010002u);
  EXPECT_EQ(info.fileVersion[1], 0x00030004u);
  EXPECT_EQ(info.productVersion[1], 0x0007FFFFu);
  EXPECT_EQ(info.flagsMask, 0x3Fu);
  EXPECT_EQ(info.flags, 1u);
  EXPECT_EQ(info.os, 0x40004u);
  EXPECT_EQ(info.type, 2u);
  ASSERT_EQ(root.children.size(), 2);
  const VersionNode &table = root.children[0].children.at(0);
  EXPECT_EQ(table.key, QStringLiteral("040904b0"));
  ASSERT_EQ(table.children.size(), 3);
  EXPECT_EQ(table.children[0].type, 1);
  EXPECT_EQ(table.children[0].valueLength, 13); // the characters with the zero
  EXPECT_EQ(root.children[1].children.at(0).value, QByteArray("\x09\x04\xb0\x04", 4));
}

TEST(VersionResource, TurnsToTheTargetLanguageAsTheScriptDoes) {
  const struct {
    int script;
    int from, to;
  } cases[] = {
      {0, 0x409, 0x407}, {1, 0x409, 0x411}, {1, 0x407, 0x40C}, {0, 0x409, 0x409}, {1, 0x409, 0x7F}};
  for (const auto &c : cases) {
    const QString script = QString::fromUtf8(kScripts[c.script]);
    const QByteArray adapted = adaptVersionResource(versionData(script), c.from, c.to);
    EXPECT_EQ(adapted.toHex(), versionData(adaptVersionInfo(script, c.from, c.to)).toHex())
        << c.script << " " << c.to;
  }
}

TEST(VersionResource, DamageIsFoundWithoutReadingPastTheEnd) {
  const QByteArray data = versionData(QString::fromUtf8(kScripts[1]));
  ASSERT_FALSE(data.isEmpty());
  for (qsizetype size = 0; size < data.size(); ++size) {
    const QByteArray cut = data.left(size);
    VersionNode root;
    QString error;
    qsizetype offset = -1;
    // The root's length names bytes that are not there.
    EXPECT_FALSE(readVersionResource(cut, root, error, offset)) << size;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(offset >= 0 && offset <= size) << offset;
    EXPECT_TRUE(versionInfoStatement(cut, "1").isEmpty());
    EXPECT_EQ(adaptVersionResource(cut, 0x409, 0x407), cut);
  }
  // Every byte changed in turn: the reader stops or reads, and a statement is given only
  // for bytes it gives back.
  for (qsizetype at = 0; at < data.size(); at += 3) {
    QByteArray changed = data;
    changed[at] = char(changed[at] ^ 0x5A);
    const QString statement = versionInfoStatement(changed, "1");
    if (!statement.isEmpty()) {
      EXPECT_EQ(versionData(statement).toHex(), changed.toHex()) << at;
    }
  }
}

} // namespace
} // namespace tarvelo

// Tests: the numeric macros of a resource header, the editor's own counters and
// conditional blocks left out, and the name chosen for each kind of identifier.
#include "compiled/header_names.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(HeaderNames, NumbersInEveryFormTheCompilerReads) {
  const struct {
    const char *definition;
    qint64 value; // -99 when the line defines no number
  } cases[] = {
      {"#define A 100", 100},
      {"#define A 0x10", 16},
      {"#define A 0X1f", 31},
      {"#define A 017", 15},
      {"#define A 0", 0},
      {"#define A (1001)", 1001},
      {"#define A ((7))", 7},
      {"#define A -1", -1},
      {"#define A (-1)", -1},
      {"#define A 10U", 10},
      {"#define A 10ul", 10},
      {"#define A 0x10L", 16},
      {"  #  define   A\t42  ", 42},
      {"#define A 5 // five", 5},
      {"#define A /* x */ 6", 6},
      {"#define A 1 + 2", -99},
      {"#define A IDOK", -99},
      {"#define A \"text\"", -99},
      {"#define A(x) 5", -99},
      {"#define A 08", -99},
      {"#define A", -99},
      {"#define A 0x", -99},
      {"#define A 1LLL1", -99},
      {"#define A 99999999999", -99},
      {"#define _APS_NEXT_RESOURCE_VALUE 101", -99},
      {"#undef A 5", -99},
      {"#define A \\\n 12", 12},
      {"/*\n#define A 3\n*/", -99},
  };
  for (const auto &c : cases) {
    const HeaderNames names = parseHeaderNames(c.definition);
    if (c.value == -99) {
      EXPECT_TRUE(names.isEmpty()) << c.definition;
      continue;
    }
    EXPECT_EQ(names.name(c.value, NameKind::Other), QStringLiteral("A")) << c.definition;
  }
}

// What a resource editor writes: a guard, the names, and its own block of counters.
const char kHeader[] = "//{{NO_DEPENDENCIES}}\r\n"
                       "#ifndef RESOURCE_H\r\n#define RESOURCE_H\r\n"
                       "#define IDC_NAME 100\r\n#define IDD_ABOUT 100\r\n#define IDR_MAIN 100\r\n"
                       "#define IDS_HELLO 100\r\n#define ID_FILE_OPEN 100\r\n"
                       "#define IDP_FAILED 101\r\n#define OTHER 101\r\n"
                       "#define IDOK 1\r\n#define IDC_FIRST 1\r\n#define IDM_ONLY 2\r\n"
                       "#ifdef APSTUDIO_INVOKED\r\n#ifndef APSTUDIO_READONLY_SYMBOLS\r\n"
                       "#define _APS_NEXT_CONTROL_VALUE 1000\r\n#define STUDIO_ONLY 7\r\n"
                       "#endif\r\n#define STUDIO_TOO 8\r\n#else\r\n#define NOT_STUDIO 9\r\n"
                       "#endif\r\n#endif\r\n";

TEST(HeaderNames, EachKindTakesItsPrefixElseTheFirstDefined) {
  const HeaderNames names = parseHeaderNames(kHeader);
  const struct {
    qint64 value;
    NameKind kind;
    const char *name;
  } cases[] = {
      {100, NameKind::Dialog, "IDD_ABOUT"},
      {100, NameKind::Menu, "IDR_MAIN"},
      {100, NameKind::String, "IDS_HELLO"},
      {100, NameKind::Control, "IDC_NAME"},
      {100, NameKind::MenuItem, "ID_FILE_OPEN"},
      {100, NameKind::DlgInit, "IDR_MAIN"},
      {100, NameKind::Other, "IDR_MAIN"},
      {101, NameKind::String, "IDP_FAILED"},
      {101, NameKind::Dialog, "IDP_FAILED"},
      {1, NameKind::Control, "IDC_FIRST"},
      {1, NameKind::Dialog, "IDOK"},
      {2, NameKind::Menu, "IDM_ONLY"},
      {2, NameKind::MenuItem, "IDM_ONLY"},
      {9, NameKind::Other, "NOT_STUDIO"},
      {7, NameKind::Other, ""},
      {8, NameKind::Other, ""},
      {1000, NameKind::Other, ""},
      {3, NameKind::Control, ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(names.name(c.value, c.kind), QString::fromLatin1(c.name)) << c.value;
  const HeaderNames version = parseHeaderNames("#define IDOK 1\n#define VS_VERSION_INFO 1\n");
  EXPECT_EQ(version.name(1, NameKind::Version), QStringLiteral("VS_VERSION_INFO"));
  EXPECT_EQ(version.name(1, NameKind::Other), QStringLiteral("IDOK"));
  // A DLGINIT record's control is a word: a name defined as a long is not spelt there.
  const HeaderNames wide = parseHeaderNames("#define IDC_A 5L\n#define IDC_B 6\n");
  EXPECT_EQ(wide.name(5, NameKind::Control), QStringLiteral("IDC_A"));
  EXPECT_EQ(wide.name(5, NameKind::DlgInitControl), QString());
  EXPECT_EQ(wide.name(6, NameKind::DlgInitControl), QStringLiteral("IDC_B"));
  // A standard button's name is a control's when no IDC_ name is there.
  EXPECT_EQ(parseHeaderNames("#define IDX 1\n#define IDOK 1\n").name(1, NameKind::Control),
            QStringLiteral("IDOK"));
}

TEST(HeaderNames, AUtf16HeaderReadsAlike) {
  const QString text = QStringLiteral("#define IDD_X 0x20\r\n");
  QByteArray bytes("\xff\xfe");
  for (const QChar c : text)
    bytes += QByteArray(reinterpret_cast<const char *>(&c), 2);
  EXPECT_EQ(parseHeaderNames(bytes).name(32, NameKind::Dialog), QStringLiteral("IDD_X"));
}

TEST(HeaderNames, AHeaderThatCannotBeReadIsNamedInTheError) {
  QTemporaryDir dir;
  HeaderNames names;
  QString error;
  EXPECT_FALSE(readHeaderNames(dir.filePath("missing.h"), names, error));
  EXPECT_TRUE(error.contains(dir.filePath("missing.h"))) << error.toStdString();
  EXPECT_TRUE(error.contains("no such file")) << error.toStdString();
  EXPECT_FALSE(readHeaderNames(dir.path(), names, error));
  EXPECT_TRUE(error.contains("not a file")) << error.toStdString();
  QFile file(dir.filePath("res.h"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("#define IDS_A 3\n");
  file.close();
  ASSERT_TRUE(readHeaderNames(file.fileName(), names, error));
  EXPECT_EQ(names.fileName, QStringLiteral("res.h"));
  EXPECT_EQ(names.name(3, NameKind::String), QStringLiteral("IDS_A"));
  // A file far larger than any header (a project may name any file) is not read.
  QFile huge(dir.filePath("huge.h"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(17 * 1024 * 1024));
  huge.close();
  EXPECT_FALSE(readHeaderNames(huge.fileName(), names, error));
  EXPECT_TRUE(error.contains("larger than 16 MB")) << error.toStdString();
}

} // namespace
} // namespace tarvelo

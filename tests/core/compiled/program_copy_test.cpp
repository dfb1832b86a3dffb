// Tests: copies of programs mingw-w64 built in every layout (.rsrc last, before .reloc,
// before other sections; with symbols, an overlay or a signature) with German resources
// added, checked by binutils, osslsigncode and our reader against the originals.
#include "compiled/pe_resources.h"
#include "compiled/program_copy.h"
#include "compiled/string_block.h"
#include "mingw_program.h"
#include "support/qt_printers.h"
#include "support/resource_lines.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

namespace tarvelo {
namespace {

struct Layout {
  const char *name;
  const char *prefix;
  QStringList flags;
  int extra;    // bytes of new German data: 20000 outgrow the old section's page
  bool overlay; // bytes appended after the sections, as an installer's payload
  bool sign;
  ResourcePlacement placement;
  QStringList lastSections; // objdump's names of the copy's last sections
  bool symbols;
};

const char kX64[] = "x86_64-w64-mingw32";
const char kX86[] = "i686-w64-mingw32";
const QStringList kStripped = {"-s"};
const QStringList kNoRelocations = {"-s", "-Wl,--disable-reloc-section"};

// A failing case is named by its name, not its bytes.
void PrintTo(const Layout &value, std::ostream *out) {
  *out << value.name;
}

// One layout a line.
// clang-format off
const Layout kLayouts[] = {
    {"LastSectionGrows64", kX64, kNoRelocations, 20000, false, false,
     ResourcePlacement::Grown, {".tls", ".rsrc"}, false},
    {"RewrittenInItsPage64", kX64, kStripped, 0, false, false,
     ResourcePlacement::Rewritten, {".rsrc", ".reloc"}, false},
    {"RewrittenGrowingInItsPage64", kX64, kStripped, 2000, false, false,
     ResourcePlacement::Rewritten, {".rsrc", ".reloc"}, false},
    {"RelocationsMove64", kX64, kStripped, 20000, false, false,
     ResourcePlacement::RelocationsMoved, {".rsrc", ".reloc"}, false},
    {"UnstrippedRelocationsThenDebug64", kX64, {}, 20000, false, false,
     ResourcePlacement::NewSection, {".debug_rnglists", ".rsrc"}, true},
    {"FollowedByDebugSection64", kX64, {"-Wl,--disable-reloc-section"}, 20000, false, false,
     ResourcePlacement::NewSection, {".debug_rnglists", ".rsrc"}, true},
    {"Overlay64", kX64, kStripped, 20000, true, false,
     ResourcePlacement::RelocationsMoved, {".rsrc", ".reloc"}, false},
    {"Signed64", kX64, kStripped, 20000, false, true,
     ResourcePlacement::RelocationsMoved, {".rsrc", ".reloc"}, false},
    {"BuildId64", kX64, {"-s", "-Wl,--build-id"}, 20000, false, false,
     ResourcePlacement::RelocationsMoved, {".rsrc", ".reloc"}, false},
    {"LastSectionGrows32", kX86, kNoRelocations, 20000, false, false,
     ResourcePlacement::Grown, {".tls", ".rsrc"}, false},
    {"RelocationsMove32", kX86, kStripped, 20000, true, false,
     ResourcePlacement::RelocationsMoved, {".rsrc", ".reloc"}, false},
    {"Unstripped32", kX86, {}, 20000, false, false,
     ResourcePlacement::NewSection, {".debug_rnglists", ".rsrc"}, true},
    {"Signed32", kX86, kStripped, 0, false, true,
     ResourcePlacement::Rewritten, {".rsrc", ".reloc"}, false},
};
// clang-format on

CompiledResource resource(ResourceId type, quint16 name, QByteArray data) {
  CompiledResource r;
  r.type = type;
  r.name = ResourceId::fromNumber(name);
  r.language = 0x0407;
  r.data = data;
  return r;
}

// German string 1, the German data replaced, and extra bytes of new data.
QList<CompiledResource> germanResources(int extra) {
  QStringList strings(16);
  strings[1] = QStringLiteral("\u00d6ffnen");
  QList<CompiledResource> resources = {
      resource(ResourceId::fromNumber(6), 1, writeStringBlock(strings))};
  CompiledResource data = resource(ResourceId{0, "MYDATA"}, 0, "neu\0");
  data.name = ResourceId{0, "CONFIG"};
  resources << data;
  if (extra)
    resources << resource(ResourceId::fromNumber(10), 7, QByteArray(extra, 'g'));
  return resources;
}

// What the copy must hold: each original the translation does not hold, and the
// translation.
QStringList expectedLines(const QList<CompiledResource> &originals,
                          const QList<CompiledResource> &translation) {
  QSet<QString> translated;
  const auto key = [](const CompiledResource &r) {
    return QStringLiteral("%1|%2|%3").arg(r.type.text(), r.name.text()).arg(r.language);
  };
  for (const CompiledResource &r : translation)
    translated.insert(key(r));
  QList<CompiledResource> expected = translation;
  for (const CompiledResource &r : originals)
    if (!translated.contains(key(r)))
      expected << r;
  return test::resourceLines(expected);
}

QString tool(const Layout &layout, const char *name) {
  return QString::fromLatin1(layout.prefix) + u'-' + QString::fromLatin1(name);
}

// The section names objdump -h lists, in order.
QStringList sectionNames(const QByteArray &headers) {
  QStringList names;
  const QRegularExpression line(R"(^\s+\d+\s+(\S+)\s+[0-9a-f]{8})",
                                QRegularExpression::MultilineOption);
  for (const QRegularExpressionMatch &match : line.globalMatch(QString::fromLatin1(headers)))
    names << match.captured(1);
  return names;
}

// A section's contents as objdump prints them, without the line naming the file.
QString sectionDump(const QString &folder, const Layout &layout, const QString &file,
                    const QString &section) {
  QByteArray out;
  test::runTool(folder, tool(layout, "objdump"), {"-s", "-j", section, file}, &out);
  return QString::fromLatin1(out).section(u'\n', 2);
}

// The address objdump -p gives a data directory, with the image's base added.
quint64 directoryAddress(const QByteArray &headers, int index) {
  const QString text = QString::fromLatin1(headers);
  const QRegularExpression base(R"(ImageBase\s+([0-9a-f]+))");
  const QRegularExpression entry(QStringLiteral(R"(Entry %1 ([0-9a-f]+) )").arg(index, 0, 16));
  return base.match(text).captured(1).toULongLong(nullptr, 16) +
         entry.match(text).captured(1).toULongLong(nullptr, 16);
}

// The address objdump -h gives a section.
quint64 sectionAddress(const QByteArray &headers, const QString &name) {
  const QRegularExpression line(QStringLiteral(R"(^\s+\d+\s+%1\s+[0-9a-f]+\s+([0-9a-f]+))")
                                    .arg(QRegularExpression::escape(name)),
                                QRegularExpression::MultilineOption);
  return line.match(QString::fromLatin1(headers)).captured(1).toULongLong(nullptr, 16);
}

// The base relocations objdump -p lists: their blocks and places.
QStringList relocations(const QByteArray &headers) {
  QStringList lines;
  for (const QString &line : QString::fromLatin1(headers).split(u'\n'))
    if (line.startsWith(QLatin1String("Virtual Address:")) || line.trimmed().startsWith("reloc "))
      lines << line;
  return lines;
}

class ProgramCopyLayouts : public ::testing::TestWithParam<Layout> {
protected:
  // The program of the layout, padded to an even length: of a last odd byte the
  // checksum counts a word, which osslsigncode does not.
  QByteArray build(const Layout &layout) {
    const QString folder = dir.path();
    if (!test::buildProgram(folder, layout.prefix, "program.exe", layout.flags))
      return {};
    QByteArray program = test::readBytes(dir.filePath("program.exe"));
    if (program.size() % 2)
      program.append('\0');
    if (layout.overlay)
      program.append(overlay);
    test::writeBytes(dir.filePath("program.exe"), program);
    unsigned_ = program;
    if (!layout.sign)
      return program;
    if (!test::runTool(folder, "openssl",
                       {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem",
                        "-out", "cert.pem", "-days", "2", "-subj", "/CN=Tarvelo test"}) ||
        !test::runTool(folder, "osslsigncode",
                       {"sign", "-certs", "cert.pem", "-key", "key.pem", "-in", "program.exe",
                        "-out", "signed.exe"}))
      return {};
    return test::readBytes(dir.filePath("signed.exe"));
  }
  QTemporaryDir dir;
  QByteArray unsigned_; // the program before it was signed
  const QByteArray overlay = QByteArray("PAYLOAD!").repeated(300) + "end of payload";
};

TEST_P(ProgramCopyLayouts, TheCopyHoldsEveryResourceAndTheRestOfTheProgram) {
  const Layout &layout = GetParam();
  const QByteArray program = build(layout);
  ASSERT_FALSE(program.isEmpty());
  const PeResourcesRead originals = readPeResources(program);
  ASSERT_TRUE(originals.ok()) << originals.error.toStdString();
  const QList<CompiledResource> german = germanResources(layout.extra);
  const ProgramCopy copy = writeProgramCopy(program, german);
  ASSERT_TRUE(copy.report.ok()) << copy.report.error.toStdString() << " at "
                                << copy.report.errorOffset;
  EXPECT_EQ(copy.report.placement, layout.placement);
  EXPECT_EQ(copy.report.signatureRemoved, layout.sign);
  EXPECT_EQ(copy.report.replaced, 1);
  EXPECT_EQ(copy.report.added, layout.extra ? 2 : 1);
  const PeResourcesRead read = readPeResources(copy.image);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(test::resourceLines(read.resources), expectedLines(originals.resources, german));
  ASSERT_TRUE(test::writeBytes(dir.filePath("copy.exe"), copy.image));

  // binutils reads the headers, the sections and the resource directory.
  QByteArray headers;
  ASSERT_TRUE(
      test::runTool(dir.path(), tool(layout, "objdump"), {"-p", "-h", "copy.exe"}, &headers));
  const QStringList names = sectionNames(headers);
  EXPECT_EQ(names.mid(names.size() - 2), layout.lastSections) << names.join(' ').toStdString();
  EXPECT_EQ(names.count(".rsrc"), 1);
  EXPECT_EQ(names.contains(".rsrc0"), layout.placement == ResourcePlacement::NewSection);
  EXPECT_TRUE(headers.contains("Resource Directory [.rsrc]"));
  EXPECT_TRUE(headers.contains("Entry: ID: 0x000407")) << headers.toStdString();
  EXPECT_TRUE(QString::fromLatin1(headers).contains(
      QRegularExpression(R"(Entry 4 0+ 00000000 Security Directory)")));
  QByteArray originalHeaders;
  ASSERT_TRUE(test::runTool(dir.path(), tool(layout, "objdump"),
                            {"-p", layout.sign ? "signed.exe" : "program.exe"}, &originalHeaders));
  // The relocations objdump finds through their directory are the original's.
  EXPECT_EQ(relocations(headers), relocations(originalHeaders));
  // The directories of the resources and relocations lead to their sections' starts.
  EXPECT_EQ(directoryAddress(headers, 2), sectionAddress(headers, ".rsrc"));
  if (names.contains(".reloc")) {
    EXPECT_EQ(directoryAddress(headers, 5), sectionAddress(headers, ".reloc"));
  }
  // The debug directory still leads to its data, when there is one.
  const QRegularExpression codeView(R"(\(format RSDS signature \w+ age \d+)");
  EXPECT_EQ(codeView.match(QString::fromLatin1(headers)).captured(),
            codeView.match(QString::fromLatin1(originalHeaders)).captured());
  EXPECT_EQ(layout.flags.contains("-Wl,--build-id"),
            codeView.match(QString::fromLatin1(headers)).hasMatch());
  // The code and data are the original's, at the same addresses.
  for (const QString &section : {QStringLiteral(".text"), QStringLiteral(".data")})
    EXPECT_EQ(sectionDump(dir.path(), layout, "copy.exe", section),
              sectionDump(dir.path(), layout, layout.sign ? "signed.exe" : "program.exe", section))
        << section.toStdString();

  // osslsigncode finds no signature and the checksum right.
  QProcess verify;
  verify.start(QStandardPaths::findExecutable("osslsigncode"),
               {"verify", "-in", dir.filePath("copy.exe")});
  verify.waitForFinished(60000);
  const QString said =
      QString::fromUtf8(verify.readAllStandardOutput() + verify.readAllStandardError());
  EXPECT_TRUE(said.contains("No signature found")) << said.toStdString();
  EXPECT_TRUE(said.contains("PE checksum")) << said.toStdString();
  EXPECT_FALSE(said.contains("invalid PE checksum")) << said.toStdString();

  if (layout.symbols) {
    QByteArray before, after;
    ASSERT_TRUE(test::runTool(dir.path(), tool(layout, "nm"), {"program.exe"}, &before));
    ASSERT_TRUE(test::runTool(dir.path(), tool(layout, "nm"), {"copy.exe"}, &after));
    EXPECT_TRUE(after.contains(" T main\n") || after.contains(" T _main\n"));
    EXPECT_EQ(after, before);
  }
  // Without its signature the program is the one that was signed (osslsigncode pads
  // only a length that is no multiple of eight), so the copies are one.
  if (layout.sign && unsigned_.size() % 8 == 0) {
    EXPECT_EQ(copy.image, writeProgramCopy(unsigned_, german).image);
  }
  if (layout.overlay) {
    EXPECT_TRUE(copy.image.endsWith(overlay));
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramCopyLayouts, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<Layout> &info) {
                           return std::string(info.param.name);
                         });

// Debug data the debug directory finds by its file offset, placed in the .reloc section's
// bytes, moves with them: objdump still reads the CodeView record there.
TEST(ProgramCopyDebugData, DebugDataAfterTheResourcesMovesWithThem) {
  QTemporaryDir dir;
  ASSERT_TRUE(test::buildProgram(dir.path(), kX64, "program.exe", {"-s", "-Wl,--build-id"}));
  QByteArray program = test::readBytes(dir.filePath("program.exe"));
  const auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(program.data() + at); };
  const qsizetype pe = dword(0x3C), optional = pe + 24;
  const qsizetype table = optional + qFromLittleEndian<quint16>(program.data() + pe + 20);
  const int count = qFromLittleEndian<quint16>(program.data() + pe + 6);
  const quint32 debugRva = dword(optional + 112 + 6 * 8);
  qsizetype debug = -1, relocations = -1;
  for (int i = 0; i < count; ++i) {
    const qsizetype header = table + i * 40;
    const quint32 rva = dword(header + 12), raw = dword(header + 20);
    if (debugRva >= rva && debugRva < rva + dword(header + 16))
      debug = raw + (debugRva - rva);
    if (program.mid(header, 8).startsWith(".reloc"))
      relocations = raw + 0x100; // past the relocations, within the section's bytes
  }
  ASSERT_GT(debug, 0);
  ASSERT_GT(relocations, 0);
  const quint32 record = dword(debug + 24);
  program.replace(relocations, 0x19, program.mid(record, 0x19));
  qToLittleEndian<quint32>(quint32(relocations), program.data() + debug + 24);
  ASSERT_TRUE(test::writeBytes(dir.filePath("moved.exe"), program));

  const ProgramCopy copy = writeProgramCopy(program, germanResources(20000));
  ASSERT_TRUE(copy.report.ok()) << copy.report.error.toStdString();
  ASSERT_EQ(copy.report.placement, ResourcePlacement::RelocationsMoved);
  ASSERT_TRUE(test::writeBytes(dir.filePath("copy.exe"), copy.image));
  QByteArray before, after;
  const QString objdump = QString::fromLatin1(kX64) + "-objdump";
  ASSERT_TRUE(test::runTool(dir.path(), objdump, {"-p", "moved.exe"}, &before));
  ASSERT_TRUE(test::runTool(dir.path(), objdump, {"-p", "copy.exe"}, &after));
  const QRegularExpression codeView(R"(\(format RSDS signature \w+ age \d+)");
  const QString signature = codeView.match(QString::fromLatin1(before)).captured();
  EXPECT_FALSE(signature.isEmpty()) << before.toStdString();
  EXPECT_EQ(codeView.match(QString::fromLatin1(after)).captured(), signature);
}

} // namespace
} // namespace tarvelo

// Tests: damaged or unsuitable programs give a program copy's error with its place, never
// a crash or a copy; a program without resources gets a new .rsrc section.
#include "compiled/pe_resources.h"
#include "compiled/program_copy.h"
#include "mingw_program.h"
#include "support/qt_printers.h"
#include "support/resource_lines.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

namespace tarvelo {
namespace {

// The places of a program's header fields, found as the loader finds them.
struct Places {
  explicit Places(const QByteArray &program)
      : pe(qFromLittleEndian<quint32>(program.constData() + 0x3C)), optional(pe + 24),
        table(optional + qFromLittleEndian<quint16>(program.constData() + pe + 20)),
        sections(qFromLittleEndian<quint16>(program.constData() + pe + 6)) {}
  qsizetype directory(int index) const { return optional + 112 + index * 8; }
  qsizetype tableEnd() const { return table + sections * 40; }
  qsizetype pe, optional, table, sections;
};

void put(QByteArray &bytes, qsizetype at, quint32 value) {
  qToLittleEndian<quint32>(value, bytes.data() + at);
}

struct Damage {
  const char *name;
  bool unstripped; // the layout that needs a new section
  std::function<void(QByteArray &, const Places &)> damage;
  const char *error;
  std::function<qsizetype(const Places &)> offset;
};

// A failing case is named by its name, not its bytes.
void PrintTo(const Damage &value, std::ostream *out) {
  *out << value.name;
}

const Damage kDamages[] = {
    {"NoPeHeader", false, [](QByteArray &b, const Places &) { put(b, 0x3C, 0x7FFFFFF0); },
     "no PE header", [](const Places &) { return qsizetype(0x7FFFFFF0); }},
    {"CutInTheOptionalHeader", false,
     [](QByteArray &b, const Places &p) { b.truncate(p.optional + 40); }, "ends inside its headers",
     [](const Places &p) { return p.optional; }},
    {"SectionTableBeyondTheFile", false,
     [](QByteArray &b, const Places &p) { b.truncate(p.table + 3 * 40 + 20); },
     "section table runs beyond", [](const Places &p) { return p.table + 3 * 40; }},
    {"SectionBytesBeyondTheFile", false,
     [](QByteArray &b, const Places &p) { put(b, p.table + 40 + 16, 0xFFFFFE00); },
     "run beyond the end of the file", [](const Places &p) { return p.table + 40; }},
    {"SectionBeyond4GB", false,
     [](QByteArray &b, const Places &p) {
       put(b, p.table + 12, 0xFFFFF000);
       put(b, p.table + 8, 0x2000);
     },
     "beyond 4 GB", [](const Places &p) { return p.table; }},
    {"FileAlignmentNoPowerOfTwo", false,
     [](QByteArray &b, const Places &p) { put(b, p.optional + 36, 0x300); }, "powers of two",
     [](const Places &p) { return p.optional + 32; }},
    {"DotNetAssembly", false,
     [](QByteArray &b, const Places &p) {
       put(b, p.directory(14), 0x2000);
       put(b, p.directory(14) + 4, 0x48);
     },
     ".NET assembly", [](const Places &p) { return p.directory(14); }},
    {"SignatureAmongTheSections", false,
     [](QByteArray &b, const Places &p) {
       put(b, p.directory(4), 0x400);
       put(b, p.directory(4) + 4, 0x10);
     },
     "signature", [](const Places &p) { return p.directory(4); }},
    {"NoRoomForASectionHeader", true,
     [](QByteArray &b, const Places &p) { b.replace(p.tableEnd(), 40, QByteArray(40, '\xCC')); },
     "no room for another section header", [](const Places &p) { return p.tableEnd(); }},
};

QList<CompiledResource> german() {
  CompiledResource r;
  r.type = ResourceId::fromNumber(10);
  r.name = ResourceId::fromNumber(7);
  r.language = 0x0407;
  r.data = QByteArray(20000, 'g');
  return {r};
}

class ProgramCopyDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(ProgramCopyDamage, IsRefusedWithItsPlace) {
  const Damage &damage = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(test::buildProgram(dir.path(), "x86_64-w64-mingw32", "program.exe",
                                 damage.unstripped ? QStringList() : QStringList{"-s"}));
  QByteArray program = test::readBytes(dir.filePath("program.exe"));
  ASSERT_TRUE(writeProgramCopy(program, german()).report.ok());
  const Places places(program);
  damage.damage(program, places);
  const ProgramCopy copy = writeProgramCopy(program, german());
  EXPECT_TRUE(copy.report.error.contains(QLatin1String(damage.error)))
      << copy.report.error.toStdString();
  EXPECT_EQ(copy.report.errorOffset, damage.offset(places));
  EXPECT_TRUE(copy.image.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramCopyDamage, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage> &info) {
                           return std::string(info.param.name);
                         });

// Each cut of a program gives an error or a copy our reader reads, never a crash.
TEST(ProgramCopyCuts, EveryCutIsRefusedOrCopied) {
  QTemporaryDir dir;
  ASSERT_TRUE(test::buildProgram(dir.path(), "i686-w64-mingw32", "program.exe", {"-s"}));
  const QByteArray program = test::readBytes(dir.filePath("program.exe"));
  for (qsizetype size = 0; size < program.size(); size += 97) {
    const ProgramCopy copy = writeProgramCopy(program.left(size), german());
    if (copy.report.ok())
      EXPECT_TRUE(readPeResources(copy.image).ok()) << size;
    else
      EXPECT_TRUE(copy.image.isEmpty() && copy.report.errorOffset >= 0) << size;
  }
}

// A program without resources, as packers leave them, gets its first .rsrc section.
TEST(ProgramCopyCuts, AProgramWithoutResourcesGetsANewSection) {
  QTemporaryDir dir;
  ASSERT_TRUE(test::buildProgram(dir.path(), "x86_64-w64-mingw32", "program.exe", {"-s"}, false));
  const QByteArray program = test::readBytes(dir.filePath("program.exe"));
  ASSERT_FALSE(readPeResources(program).ok());
  const ProgramCopy copy = writeProgramCopy(program, german());
  ASSERT_TRUE(copy.report.ok()) << copy.report.error.toStdString();
  EXPECT_EQ(copy.report.placement, ResourcePlacement::NewSection);
  EXPECT_EQ(copy.report.added, 1);
  const PeResourcesRead read = readPeResources(copy.image);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(test::resourceLines(read.resources), test::resourceLines(german()));
  ASSERT_TRUE(test::writeBytes(dir.filePath("copy.exe"), copy.image));
  QByteArray headers;
  ASSERT_TRUE(
      test::runTool(dir.path(), "x86_64-w64-mingw32-objdump", {"-p", "-h", "copy.exe"}, &headers));
  EXPECT_TRUE(headers.contains("Resource Directory [.rsrc]")) << headers.toStdString();
  EXPECT_FALSE(headers.contains(".rsrc0"));
}

} // namespace
} // namespace tarvelo

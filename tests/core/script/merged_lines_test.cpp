// Writing merged lines: the old file's lines as its own bytes, new lines in the file's
// line end, code pages followed, the insertion and the deferred pieces at their places.
#include "script/merged_lines.h"
#include "script/script_file.h"
#include "text/code_page.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Every line of an old file added as it was read.
void addAllOld(MergedLines &merged, const QByteArray &bytes, int codePage) {
  for (const MergedLines::Origin &origin : lineOrigins(bytes, 0, bytes.size(), false, codePage)) {
    QString line = CodePage::toUtf16(bytes.mid(origin.start, origin.end - origin.start), codePage);
    line.remove(u'\r');
    if (!line.endsWith(u'\n'))
      line += u'\n';
    merged.addOldLine(line, origin);
  }
}

QByteArray written(const MergedLines &merged, const QByteArray &old, int codePage,
                   MergedLines::Assembly assembly = {}) {
  ScriptFile out;
  out.create(ScriptFile::Ansi);
  out.setCrLf(true);
  assembly.oldBytes = &old;
  assembly.keepOldBytes = true;
  assembly.codePage = codePage;
  merged.writeTo(out, assembly);
  return out.data();
}

TEST(MergedLines, OldLinesKeepTheirBytesAndNewLinesTakeTheFilesLineEnd) {
  // Mixed line ends, a byte no code page reads back the same, no last line end.
  const QByteArray old = "a\r\nb\n\x81 c\r\nlast";
  MergedLines merged;
  addAllOld(merged, old, 1252);
  EXPECT_EQ(written(merged, old, 1252), old);
  merged.addNew(u"new\n");
  EXPECT_EQ(written(merged, old, 1252), old + "\r\nnew\r\n");
}

TEST(MergedLines, FollowingTextKeepsTheLinesItShares) {
  const QByteArray old = "A\nB\r\nC\n";
  const std::vector<MergedLines::Origin> lines = lineOrigins(old, 0, old.size(), false, 1252);
  MergedLines merged;
  merged.addFollowing(u"A\nX\nC\nD\n", u"A\nB\nC\n", lines);
  EXPECT_EQ(written(merged, old, 1252), QByteArray("A\nX\r\nC\nD\r\n"));
}

TEST(MergedLines, ALineReadInAnotherCodePageIsWrittenAgain) {
  // The old line "Да" was read in 1251; what comes before it now names 1252, which has
  // no such letters.
  const QByteArray old = "\xc4\xe0\n";
  MergedLines merged;
  merged.addNew(u"#pragma code_page(1252)\n");
  addAllOld(merged, old, 1251);
  EXPECT_EQ(written(merged, old, 1251), QByteArray("#pragma code_page(1252)\r\n??\r\n"));
  // Read in the code page in effect, it stays as it is.
  MergedLines same;
  same.addNew(u"#pragma code_page(1251)\n");
  addAllOld(same, old, 1251);
  EXPECT_EQ(written(same, old, 1252), QByteArray("#pragma code_page(1251)\r\n\xc4\xe0\n"));
}

TEST(MergedLines, TheInsertionAndDeferredPiecesGoWhereTheyWereMarked) {
  const QByteArray old = "one\ntwo\nthree\n";
  const std::vector<MergedLines::Origin> lines = lineOrigins(old, 0, old.size(), false, 1252);
  MergedLines merged;
  merged.addOldLine(u"one\n", lines[0]);
  const MergedLines::Mark beforeTwo = merged.mark();
  merged.addDeferred(7);
  merged.addOldLine(u"two\n", lines[1]);
  merged.addDeferred(8);
  merged.addOldLine(u"three\n", lines[2]);
  MergedLines::Assembly assembly;
  assembly.insertion = beforeTwo;
  assembly.insert = [](ScriptFile &out, int &codePage) { out.writeText(u"inserted\n", codePage); };
  assembly.deferred = [&](int id, QString &oldText, std::vector<MergedLines::Origin> &oldLines) {
    if (id == 8)
      return QString(); // left out
    oldText = QStringLiteral("two\n");
    oldLines = {lines[1]};
    return QStringLiteral("kept\n");
  };
  EXPECT_EQ(written(merged, old, 1252, assembly),
            QByteArray("one\ninserted\r\nkept\r\ntwo\nthree\n"));
}

} // namespace
} // namespace tarvelo

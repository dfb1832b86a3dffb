// Saving real scripts of the corpus: a script translated into itself comes back byte
// for byte, the real pairs saved without an edit keep the target's line ends and
// comments, and one edit changes exactly the lines it is about.
#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/sequence_match.h"
#include "script/task.h"
#include "support/corpus.h"
#include "support/script_harness.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::corpusDir;

QList<QStringList> table(const QString &name) {
  return test::corpusTable(name);
}

QByteArray readBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The one script of the corpus the resource compiler itself rejects (a string table
// that never ends).
const QString kBrokenUpstream = QStringLiteral("SomeSupport__eMule/lang__emule.rc");

// One task read and written as the command line does, with an edit between.
struct Saved {
  bool read = false;
  QByteArray bytes;
};
Saved save(const QString &sourcePath, int sourceLanguage, const QString &targetPath,
           int targetLanguage, const std::function<void(EntryList &)> &edit = {}) {
  test::Workspace ws;
  ws.prompter.keepEverything = true;
  Saved saved;
  if (ws.readSource({}, sourceLanguage, sourcePath) != ScriptResult::Ok)
    return saved;
  // Scripts the source pulls in are tasks of their own, not read here.
  Task *task = ws.tasks.head();
  while (ws.tasks.size() > 1)
    ws.tasks.remove(ws.tasks.at(1));
  if (ws.readTarget({}, targetLanguage, targetPath) != ScriptResult::Ok)
    return saved;
  bool clearFuzzy = false;
  AfterReadContext afterRead{&ws.entries, &ws.prompter, QString(), &clearFuzzy};
  afterTargetRead(task, afterRead);
  if (edit)
    edit(ws.entries);
  ScriptFile source, target;
  if (!source.open(sourcePath) || !target.open(targetPath))
    return saved;
  ResourceScript writer(ws.context());
  saved.read = writer.write(task, targetLanguage, target, WriteContext(), false, &source) ==
               ScriptResult::Ok;
  saved.bytes = target.data();
  return saved;
}

// The lines of a file's bytes, each with its line end, UTF-16 or not.
QList<QByteArray> byteLines(const QByteArray &data) {
  const bool utf16 = data.startsWith("\xFF\xFE");
  QList<QByteArray> lines;
  qsizetype from = 0;
  for (qsizetype i = utf16 ? 2 : 0; i < data.size(); i += utf16 ? 2 : 1)
    if (data[i] == '\n' && (!utf16 || (i + 1 < data.size() && data[i + 1] == 0))) {
      lines.append(data.mid(from, i + (utf16 ? 2 : 1) - from));
      from = i + (utf16 ? 2 : 1);
    }
  if (from < data.size())
    lines.append(data.mid(from));
  return lines;
}

struct LineEnds {
  int crLf = 0, lineFeed = 0;
  bool finalEnd = true;
};
LineEnds lineEnds(const QByteArray &data) {
  const bool utf16 = data.startsWith("\xFF\xFE");
  const int unit = utf16 ? 2 : 1;
  LineEnds ends;
  for (const QByteArray &line : byteLines(data)) {
    if (!line.endsWith(utf16 ? QByteArray("\n\0", 2) : QByteArray("\n"))) {
      ends.finalEnd = false;
      continue;
    }
    const bool crLf = line.size() >= 2 * unit && line[line.size() - 2 * unit] == '\r';
    ++(crLf ? ends.crLf : ends.lineFeed);
  }
  return ends;
}

// How many lines of one text the other does not have, and the other way round.
int changedLines(const QByteArray &before, const QByteArray &after) {
  const QList<QByteArray> a = byteLines(before), b = byteLines(after);
  std::vector<std::uint64_t> x, y;
  for (const QByteArray &line : a)
    x.push_back(qHash(line));
  for (const QByteArray &line : b)
    y.push_back(qHash(line));
  const auto pairs = matchSequences(
      x, y, [&](int i, int j) { return a[i] == b[j]; }, 100000);
  return int(a.size() + b.size() - 2 * pairs.size());
}

class Corpus : public ::testing::Test {
protected:
  void SetUp() override {
    if (corpusDir().isEmpty())
      GTEST_SKIP() << "the corpus of real scripts (shared/corpus beside the checkout, or "
                      "TARVELO_CORPUS) is not here";
  }
  QString path(const QString &file) const { return corpusDir() + u'/' + file; }
  struct Pair {
    QString source, target;
    int sourceLanguage, targetLanguage;
  };
  QList<Pair> pairs() const {
    QList<Pair> out;
    for (const QStringList &row : table(QStringLiteral("PAIRS.tsv"))) {
      if (row.size() < 4)
        continue;
      const QString target = row[1] == QLatin1String("(same file)") ? row[0] : row[1];
      out.append({row[0], target, row[2].toInt(), row[3].toInt()});
    }
    return out;
  }
};

TEST_F(Corpus, EveryScriptTranslatedIntoItselfComesBackByteForByte) {
  int unchanged = 0;
  QStringList changed, unreadable;
  for (const QStringList &row : table(QStringLiteral("MANIFEST.tsv"))) {
    const QString file = path(row[0]);
    ResourceScript probe({});
    ASSERT_TRUE(probe.open(file)) << file.toStdString();
    const int first = probe.firstLanguage();
    const int language = first < 0 ? 1033 : first;
    const Saved saved = save(file, language, file, language);
    if (!saved.read) {
      unreadable << row[0];
      continue;
    }
    if (saved.bytes == readBytes(file))
      ++unchanged;
    else
      changed << QStringLiteral("%1 (%2 lines)")
                     .arg(row[0])
                     .arg(changedLines(readBytes(file), saved.bytes));
  }
  EXPECT_TRUE(changed.isEmpty()) << changed.join(u'\n').toStdString();
  EXPECT_EQ(unreadable, QStringList{kBrokenUpstream});
  std::printf("%d scripts unchanged\n", unchanged);
}

TEST_F(Corpus, AnUneditedSaveKeepsTheTargetsLineEndsAndComments) {
  int saved = 0;
  for (const Pair &pair : pairs()) {
    if (pair.source == kBrokenUpstream)
      continue;
    SCOPED_TRACE(pair.target.toStdString());
    const Saved once =
        save(path(pair.source), pair.sourceLanguage, path(pair.target), pair.targetLanguage);
    ASSERT_TRUE(once.read);
    ++saved;
    const QByteArray old = readBytes(path(pair.target));
    const LineEnds before = lineEnds(old), after = lineEnds(once.bytes);
    // A file of one kind of line end stays of that kind; a mixed one keeps most of its.
    if (before.lineFeed == 0) {
      EXPECT_EQ(after.lineFeed, 0);
    }
    if (before.crLf == 0) {
      EXPECT_EQ(after.crLf, 0);
    }
    EXPECT_EQ(before.finalEnd, after.finalEnd);
    EXPECT_EQ(old.left(3).startsWith("\xEF\xBB\xBF"), once.bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(old.startsWith("\xFF\xFE"), once.bytes.startsWith("\xFF\xFE"));
    // Every comment line of the target stays (where the target is in step with the
    // source, those are the source's comments too).
    QHash<QByteArray, int> comments;
    for (const QByteArray &line : byteLines(old))
      if (line.trimmed().startsWith("//") || line.trimmed().startsWith(QByteArray("/\0/", 3)))
        ++comments[line.trimmed()];
    for (const QByteArray &line : byteLines(once.bytes))
      if (comments.contains(line.trimmed()))
        --comments[line.trimmed()];
    for (auto it = comments.cbegin(); it != comments.cend(); ++it)
      EXPECT_LE(it.value(), 0) << "lost: " << it.key().toStdString();
    std::printf("%s: %d lines changed\n", pair.target.toUtf8().constData(),
                changedLines(old, once.bytes));
    // Saving what was saved changes nothing more.
    QTemporaryDir dir;
    const QString again = dir.filePath(QStringLiteral("again.rc"));
    QFile out(again);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(once.bytes);
    out.close();
    const Saved twice = save(path(pair.source), pair.sourceLanguage, again, pair.targetLanguage);
    EXPECT_TRUE(twice.bytes == once.bytes);
  }
  EXPECT_GE(saved, 20);
}

// The first entry of the kind whose translation stands in the target, changed.
std::function<void(EntryList &)> changeFirst(TextEntry::Class entryClass, QString &changedText) {
  return [entryClass, &changedText](EntryList &entries) {
    for (const auto &entry : entries)
      if (entry->entryClass() == entryClass && entry->matchState == Matched &&
          !entry->targetText.isEmpty() && !entry->targetText.contains(u'"')) {
        entry->targetText += QStringLiteral(" (neu)");
        changedText = entry->targetText;
        return;
      }
  };
}

TEST_F(Corpus, OneChangedTextChangesExactlyTheLinesHoldingIt) {
  int edits = 0;
  for (const Pair &pair : pairs()) {
    if (pair.source == kBrokenUpstream)
      continue;
    SCOPED_TRACE(pair.target.toStdString());
    const Saved unedited =
        save(path(pair.source), pair.sourceLanguage, path(pair.target), pair.targetLanguage);
    ASSERT_TRUE(unedited.read);
    for (const TextEntry::Class entryClass :
         {TextEntry::Class::String, TextEntry::Class::Menu, TextEntry::Class::Control}) {
      QString text;
      const Saved edited = save(path(pair.source), pair.sourceLanguage, path(pair.target),
                                pair.targetLanguage, changeFirst(entryClass, text));
      if (text.isEmpty())
        continue;
      ++edits;
      const QList<QByteArray> a = byteLines(unedited.bytes), b = byteLines(edited.bytes);
      ASSERT_EQ(a.size(), b.size()) << text.toStdString();
      int differing = 0;
      for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) {
          ++differing;
          EXPECT_TRUE(b[i].contains("(neu)") || b[i].contains(QByteArray("(\0n\0e\0u\0)", 10)))
              << "line " << i + 1 << " changed: " << b[i].toStdString();
        }
      EXPECT_EQ(differing, 1) << text.toStdString();
    }
  }
  EXPECT_GE(edits, 40);
}

TEST_F(Corpus, AControlMovedInTheLayoutChangesOnlyItsStatement) {
  int moves = 0;
  for (const Pair &pair : pairs()) {
    if (pair.source == kBrokenUpstream)
      continue;
    SCOPED_TRACE(pair.target.toStdString());
    const Saved unedited =
        save(path(pair.source), pair.sourceLanguage, path(pair.target), pair.targetLanguage);
    QString moved;
    const Saved edited =
        save(path(pair.source), pair.sourceLanguage, path(pair.target), pair.targetLanguage,
             [&](EntryList &entries) {
               for (const auto &entry : entries) {
                 auto *dialog = dynamic_cast<DialogEntry *>(entry.get());
                 if (!dialog || !dialog->targetBlock)
                   continue;
                 for (ControlPair &control : dialog->pairs)
                   if (control.targetFound && control.target.parsed && control.target.literal) {
                     control.target.x += 1;
                     moved = control.target.identifier;
                     return;
                   }
               }
             });
    if (moved.isEmpty())
      continue;
    ++moves;
    const QList<QByteArray> a = byteLines(unedited.bytes), b = byteLines(edited.bytes);
    ASSERT_EQ(a.size(), b.size());
    QList<qsizetype> differing;
    for (qsizetype i = 0; i < a.size(); ++i)
      if (a[i] != b[i])
        differing << i;
    ASSERT_FALSE(differing.isEmpty());
    // One statement: its first line names the control, the others continue it.
    EXPECT_LE(differing.size(), 3);
    EXPECT_EQ(differing.last() - differing.first() + 1, differing.size());
    const QByteArray first = b[differing.first()];
    EXPECT_TRUE(
        first.contains(moved.toUtf8()) ||
        first.contains(QByteArray(reinterpret_cast<const char *>(moved.utf16()), moved.size() * 2)))
        << first.toStdString();
  }
  EXPECT_GE(moves, 10);
}

} // namespace
} // namespace tarvelo

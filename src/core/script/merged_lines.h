// The merged target of a write, line by line, each line known as the old target's own
// or as new text, so that writing it keeps the bytes of every line nothing changed.
#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace tarvelo {

class ScriptFile;

class MergedLines {
public:
  // A line of the old file: its bytes (line end included) and the code page it was
  // read with.
  struct Origin {
    qsizetype start = -1;
    qsizetype end = -1;
    int codePage = 0;
  };
  // A place among the lines: how many lines and deferred pieces come before it.
  struct Mark {
    int lines = 0;
    int deferred = 0;
  };

  // Room for this many characters of text, so that the text does not grow step by step.
  void reserve(qsizetype characters) { m_text.reserve(characters); }
  // A line of the old file, its text ending with a line feed.
  void addOldLine(QStringView line, const Origin &origin);
  // Old lines as they were: the text of the bytes [start, end) of the old file, which
  // hold that many lines.
  void addOldBlock(QStringView text, qsizetype start, qsizetype end, int codePage, int lines);
  // New text: whole lines, each ending with a line feed.
  void addNew(QStringView text);
  // Text that replaces old lines: each of its lines that equals one of them, in order,
  // is that old line.
  void addFollowing(QStringView text, QStringView oldText, const std::vector<Origin> &oldLines);
  // A piece decided only when the merged lines are written (a resource found only in
  // the target, kept or dropped by the translator's choice); id is the caller's.
  void addDeferred(int id);
  Mark mark() const { return {m_lineCount, int(m_deferred.size())}; }
  int lineCount() const { return m_lineCount; }

  // How the merged lines become the new file.
  struct Assembly {
    const QByteArray *oldBytes = nullptr; // the old file, whose lines may be kept as bytes
    bool keepOldBytes = false;            // same encoding: old lines may go as they are
    bool unicode = false;                 // UTF-8 or UTF-16: no code page decides the bytes
    int codePage = 0;                     // the code page in effect at the start
    bool forceUtf8Pragmas = false;        // code_page pragmas are written as 65001
    Mark insertion;                       // where insert() writes
    std::function<void(ScriptFile &, int &codePage)> insert;
    // The text and the old lines of a deferred piece.
    std::function<QString(int id, QString &oldText, std::vector<Origin> &oldLines)> deferred;
  };
  void writeTo(ScriptFile &out, Assembly &assembly) const;

private:
  struct Run {
    qsizetype textStart = 0;
    int lines = 0;
    qsizetype oldStart = -1; // bytes of a run of old lines
    qsizetype oldEnd = -1;
    int codePage = 0;
  };
  struct Deferred {
    int id = 0;
    int line = 0; // the number of lines before it
  };
  void writeInto(ScriptFile &out, Assembly &assembly, bool &openLine) const;
  void writeRun(ScriptFile &out, Assembly &assembly, int &codePage, const Run &run, int firstLine,
                int lastLine, bool &openLine) const;

  QString m_text;
  std::vector<Run> m_runs;
  std::vector<Deferred> m_deferred;
  int m_lineCount = 0;
};

// How many lines the bytes [begin, end) of a file hold (a last one without its line end
// too), counted without decoding them.
int linesIn(const QByteArray &data, qsizetype begin, qsizetype end, bool utf16);

// The bytes of each line of a range of a file (line ends included), for following it.
std::vector<MergedLines::Origin> lineOrigins(const QByteArray &data, qsizetype begin, qsizetype end,
                                             bool utf16, int codePage);

} // namespace tarvelo

// Merged lines of a target write, and their writing: old lines as their own bytes.
#include "script/merged_lines.h"

#include "script/script_file.h"
#include "script/sequence_match.h"

#include <QHash>
#include <cstring>

namespace tarvelo {

namespace {

// The lines of a text, each with its line feed.
std::vector<QStringView> splitLines(QStringView text) {
  std::vector<QStringView> lines;
  for (qsizetype from = 0; from < text.size();) {
    qsizetype end = text.indexOf(u'\n', from);
    end = end < 0 ? text.size() : end + 1;
    lines.push_back(text.mid(from, end - from));
    from = end;
  }
  return lines;
}

// Whether the line is a "#pragma code_page(N)" directive; its number and where it stands.
bool codePagePragma(QStringView line, int &number, qsizetype &at, qsizetype &length) {
  qsizetype i = 0;
  const auto blanks = [&] {
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t'))
      ++i;
  };
  const auto word = [&](QLatin1String w) {
    if (!line.mid(i).startsWith(w))
      return false;
    i += w.size();
    return true;
  };
  blanks();
  if (!word(QLatin1String("#pragma")))
    return false;
  blanks();
  if (!word(QLatin1String("code_page")))
    return false;
  blanks();
  if (!word(QLatin1String("(")))
    return false;
  blanks();
  at = i;
  while (i < line.size() && line[i] >= u'0' && line[i] <= u'9')
    ++i;
  length = i - at;
  blanks();
  if (length == 0 || length > 9 || !word(QLatin1String(")")))
    return false;
  number = line.mid(at, length).toInt();
  return true;
}

// Writes new text, following the code pages its pragmas name.
void writeNew(ScriptFile &out, QStringView text, int &codePage, bool forceUtf8Pragmas) {
  qsizetype position = 0;
  while (position < text.size()) {
    const qsizetype found = text.indexOf(QLatin1String("code_page"), position);
    if (found < 0)
      break;
    const qsizetype lineStart = text.lastIndexOf(u'\n', found) + 1;
    qsizetype lineEnd = text.indexOf(u'\n', found);
    lineEnd = lineEnd < 0 ? text.size() : lineEnd + 1;
    QStringView line = text.mid(lineStart, lineEnd - lineStart);
    int number = 0;
    qsizetype at = 0, length = 0;
    if (codePagePragma(line, number, at, length)) {
      out.writeText(text.mid(position, lineStart - position), codePage);
      QString changed;
      if (forceUtf8Pragmas) {
        changed = line.toString().replace(at, length, QStringLiteral("65001"));
        line = changed;
      }
      out.writeText(line, codePage);
      codePage = number;
      position = lineEnd;
    } else {
      out.writeText(text.mid(position, lineEnd - position), codePage);
      position = lineEnd;
    }
  }
  out.writeText(text.mid(position), codePage);
}

// The code page after the lines, which old bytes were written for.
void followPragmas(QStringView text, int &codePage) {
  for (qsizetype found = text.indexOf(QLatin1String("code_page")); found >= 0;
       found = text.indexOf(QLatin1String("code_page"), found + 1)) {
    const qsizetype lineStart = text.lastIndexOf(u'\n', found) + 1;
    qsizetype lineEnd = text.indexOf(u'\n', found);
    lineEnd = lineEnd < 0 ? text.size() : lineEnd;
    int number = 0;
    qsizetype at = 0, length = 0;
    if (codePagePragma(text.mid(lineStart, lineEnd - lineStart), number, at, length))
      codePage = number;
  }
}

// Where the given line of a run's old bytes starts.
qsizetype oldLineStart(const QByteArray &bytes, qsizetype from, int lines, bool utf16) {
  const char *base = bytes.constData();
  qsizetype at = from;
  for (int i = 0; i < lines && at < bytes.size(); ++i) {
    if (utf16) {
      while (at + 1 < bytes.size() && !(base[at] == '\n' && base[at + 1] == 0))
        at += 2;
      at = std::min(bytes.size(), at + 2);
    } else {
      const void *found = std::memchr(base + at, '\n', size_t(bytes.size() - at));
      at = found ? static_cast<const char *>(found) - base + 1 : bytes.size();
    }
  }
  return at;
}

qsizetype textLineStart(QStringView text, qsizetype from, int lines) {
  for (int i = 0; i < lines; ++i) {
    const qsizetype end = text.indexOf(u'\n', from);
    from = end < 0 ? text.size() : end + 1;
  }
  return from;
}

} // namespace

void MergedLines::addOldLine(QStringView line, const Origin &origin) {
  Run *last = m_runs.empty() ? nullptr : &m_runs.back();
  const bool extends = last && last->oldEnd >= 0 && last->oldEnd == origin.start &&
                       last->codePage == origin.codePage;
  if (!extends) {
    Run run;
    run.textStart = m_text.size();
    run.oldStart = origin.start;
    run.codePage = origin.codePage;
    m_runs.push_back(run);
    last = &m_runs.back();
  }
  last->oldEnd = origin.end;
  ++last->lines;
  ++m_lineCount;
  m_text += line;
}

void MergedLines::addOldBlock(QStringView text, qsizetype start, qsizetype end, int codePage,
                              int lines) {
  if (text.isEmpty())
    return;
  Run *last = m_runs.empty() ? nullptr : &m_runs.back();
  if (!last || last->oldEnd < 0 || last->oldEnd != start || last->codePage != codePage) {
    Run run;
    run.textStart = m_text.size();
    run.oldStart = start;
    run.codePage = codePage;
    m_runs.push_back(run);
    last = &m_runs.back();
  }
  last->oldEnd = end;
  last->lines += lines;
  m_lineCount += lines;
  m_text += text;
}

void MergedLines::addNew(QStringView text) {
  if (text.isEmpty())
    return;
  Run *last = m_runs.empty() ? nullptr : &m_runs.back();
  if (!last || last->oldStart >= 0) {
    Run run;
    run.textStart = m_text.size();
    m_runs.push_back(run);
    last = &m_runs.back();
  }
  const int lines = int(text.count(u'\n')) + (text.endsWith(u'\n') ? 0 : 1);
  last->lines += lines;
  m_lineCount += lines;
  m_text += text;
  if (!text.endsWith(u'\n'))
    m_text += u'\n';
}

void MergedLines::addFollowing(QStringView text, QStringView oldText,
                               const std::vector<Origin> &oldLines) {
  const std::vector<QStringView> newLines = splitLines(text);
  const std::vector<QStringView> old = splitLines(oldText);
  if (old.size() != oldLines.size()) {
    addNew(text);
    return;
  }
  // Lines the two share at their start and end are paired at once; only the lines
  // between are hashed and matched.
  const int n = int(newLines.size()), m = int(old.size());
  int head = 0, tail = 0;
  while (head < n && head < m && newLines[size_t(head)] == old[size_t(head)])
    ++head;
  while (tail < n - head && tail < m - head &&
         newLines[size_t(n - 1 - tail)] == old[size_t(m - 1 - tail)])
    ++tail;
  std::vector<std::pair<int, int>> pairs;
  for (int i = 0; i < head; ++i)
    pairs.emplace_back(i, i);
  if (head < n - tail && head < m - tail) {
    std::vector<std::uint64_t> a, b;
    for (int i = head; i < n - tail; ++i)
      a.push_back(qHash(newLines[size_t(i)]));
    for (int j = head; j < m - tail; ++j)
      b.push_back(qHash(old[size_t(j)]));
    for (const auto &[i, j] : matchSequences(a, b, [&](int i, int j) {
           return newLines[size_t(head + i)] == old[size_t(head + j)];
         }))
      pairs.emplace_back(head + i, head + j);
  }
  for (int t = tail; t > 0; --t)
    pairs.emplace_back(n - t, m - t);
  size_t next = 0;
  for (int i = 0; i < int(newLines.size()); ++i) {
    if (next < pairs.size() && pairs[next].first == i) {
      addOldLine(newLines[size_t(i)], oldLines[size_t(pairs[next].second)]);
      ++next;
    } else {
      addNew(newLines[size_t(i)]);
    }
  }
}

void MergedLines::addDeferred(int id) {
  m_deferred.push_back({id, m_lineCount});
}

void MergedLines::writeRun(ScriptFile &out, Assembly &assembly, int &codePage, const Run &run,
                           int firstLine, int lastLine, bool &openLine) const {
  const QStringView all(m_text);
  const qsizetype textFrom = textLineStart(all, run.textStart, firstLine);
  const qsizetype textTo = textLineStart(all, textFrom, lastLine - firstLine);
  const QStringView text = all.mid(textFrom, textTo - textFrom);
  if (openLine) {
    out.writeText(u"\n", codePage);
    openLine = false;
  }
  const bool raw = run.oldStart >= 0 && assembly.keepOldBytes && assembly.oldBytes &&
                   (assembly.unicode || run.codePage == codePage);
  if (!raw) {
    writeNew(out, text, codePage, assembly.forceUtf8Pragmas);
    return;
  }
  const QByteArray &bytes = *assembly.oldBytes;
  const bool utf16 = out.encoding() == ScriptFile::Utf16;
  const qsizetype from = oldLineStart(bytes, run.oldStart, firstLine, utf16);
  const qsizetype to = std::min(run.oldEnd, oldLineStart(bytes, from, lastLine - firstLine, utf16));
  out.appendRaw(bytes.constData() + from, to - from);
  // The file's last line may have no line end; one is added if more follows.
  const char *end = bytes.constData() + to;
  openLine =
      to > from && !(utf16 ? to - from >= 2 && end[-2] == '\n' && end[-1] == 0 : end[-1] == '\n');
  followPragmas(text, codePage);
}

void MergedLines::writeTo(ScriptFile &out, Assembly &assembly) const {
  bool openLine = false;
  writeInto(out, assembly, openLine);
}

void MergedLines::writeInto(ScriptFile &out, Assembly &assembly, bool &openLine) const {
  int codePage = assembly.codePage;
  bool inserted = !assembly.insert;
  size_t deferred = 0;
  const auto eventsAt = [&](int line) {
    for (;;) {
      if (!inserted && assembly.insertion.lines == line &&
          assembly.insertion.deferred == int(deferred)) {
        if (openLine)
          out.writeText(u"\n", codePage);
        openLine = false;
        assembly.insert(out, codePage);
        inserted = true;
        continue;
      }
      if (deferred < m_deferred.size() && m_deferred[deferred].line == line) {
        QString oldText;
        std::vector<Origin> oldLines;
        const QString text = assembly.deferred
                                 ? assembly.deferred(m_deferred[deferred].id, oldText, oldLines)
                                 : QString();
        if (!text.isEmpty()) {
          MergedLines piece;
          piece.addFollowing(text, oldText, oldLines);
          Assembly inner = assembly;
          inner.insert = nullptr;
          inner.codePage = codePage;
          piece.writeInto(out, inner, openLine);
          codePage = inner.codePage;
        }
        ++deferred;
        continue;
      }
      return;
    }
  };
  int line = 0;
  for (const Run &run : m_runs) {
    const int first = line, last = line + run.lines;
    for (int from = first; from < last;) {
      eventsAt(from);
      int next = last;
      if (!inserted && assembly.insertion.lines > from && assembly.insertion.lines < next)
        next = assembly.insertion.lines;
      if (deferred < m_deferred.size() && m_deferred[deferred].line > from &&
          m_deferred[deferred].line < next)
        next = m_deferred[deferred].line;
      writeRun(out, assembly, codePage, run, from - first, next - first, openLine);
      from = next;
    }
    line = last;
  }
  eventsAt(line);
  if (!inserted) {
    if (openLine)
      out.writeText(u"\n", codePage);
    assembly.insert(out, codePage);
  }
  assembly.codePage = codePage;
}

int linesIn(const QByteArray &data, qsizetype begin, qsizetype end, bool utf16) {
  const char *base = data.constData();
  end = std::min(end, data.size());
  if (end <= begin)
    return 0;
  const bool lastEnded = utf16 ? end - begin >= 2 && base[end - 2] == '\n' && base[end - 1] == 0
                               : base[end - 1] == '\n';
  int count = lastEnded ? 0 : 1;
  for (const char *at = base + begin;
       at < base + end &&
       (at = static_cast<const char *>(std::memchr(at, '\n', size_t(base + end - at))));
       ++at)
    // In UTF-16 a line feed is the low byte of a whole unit whose high byte is zero.
    count += !utf16 || ((at - base) % 2 == 0 && at + 1 < base + end && at[1] == 0);
  return count;
}

std::vector<MergedLines::Origin> lineOrigins(const QByteArray &data, qsizetype begin, qsizetype end,
                                             bool utf16, int codePage) {
  std::vector<MergedLines::Origin> lines;
  end = std::min(end, data.size());
  for (qsizetype at = begin; at < end;) {
    const qsizetype next = std::min(end, oldLineStart(data, at, 1, utf16));
    lines.push_back({at, next, codePage});
    at = next;
  }
  return lines;
}

} // namespace tarvelo

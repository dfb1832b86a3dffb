// LineCursor and the script reader's scanners against plain reference scanners, swept over line
// lengths and marks.
#include "script/keywords.h"
#include "script/line_cursor.h"
#include "script/script_reader.h"
#include "support/script_harness.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The reference scanners: one character at a time, the rules written out plainly.

std::string show(const QString &text) {
  return text.toStdString();
}

bool refBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == QChar(0xFEFF);
}

bool refEndsWord(QChar c, bool block) {
  return refBlank(c) || c == QChar(0) || c == u',' || c == u'|' ||
         (!block && (c == u'(' || c == u')'));
}

bool refOpensComment(const QString &s, qsizetype i) {
  return i + 1 < s.size() && s[i] == u'/' && (s[i + 1] == u'/' || s[i + 1] == u'*');
}

// The closing quote of the string whose text starts at from; -1 when there is none.
qsizetype refStringEnd(const QString &s, qsizetype from) {
  for (qsizetype i = from; i < s.size(); ++i) {
    if (s[i] != u'"')
      continue;
    if (i + 1 < s.size() && s[i + 1] == u'"')
      ++i; // a doubled quote is a quote of the text
    else
      return i;
  }
  return -1;
}

// Past the comment that opens at i; -1 when a block comment is not closed.
qsizetype refCommentEnd(const QString &s, qsizetype i) {
  if (s[i + 1] == u'/') {
    while (i < s.size() && s[i] != u'\n')
      ++i;
    return i;
  }
  for (qsizetype j = i + 2; j + 1 < s.size(); ++j)
    if (s[j] == u'*' && s[j + 1] == u'/')
      return j + 2;
  return -1;
}

qsizetype refWordEnd(const QString &s, qsizetype i, bool block, bool anySlash) {
  while (i < s.size() && !refEndsWord(s[i], block) &&
         !(s[i] == u'/' && (anySlash || refOpensComment(s, i))))
    ++i;
  return i;
}

QString refWordKind(const QString &word) {
  const auto digits = [&](qsizetype from) {
    for (qsizetype i = from; i < word.size(); ++i)
      if (word[i] < u'0' || word[i] > u'9')
        return false;
    return true;
  };
  if (word[0] < u'0' || word[0] > u'9') {
    QString upper = word;
    normalizeKeyword(upper);
    return QStringLiteral("W:") + upper;
  }
  if (digits(1))
    return QStringLiteral("N:") + word;
  if (word.size() >= 2 && word[0] == u'0' && word[1] == u'x' && digits(2))
    return QStringLiteral("H:") + word;
  return QStringLiteral("W:") + word;
}

// Past blanks and comments; -1 inside a block comment that is not closed.
qsizetype refSkipBlanks(const QString &s, qsizetype i) {
  while (i >= 0 && i < s.size() && (refBlank(s[i]) || refOpensComment(s, i)))
    i = refBlank(s[i]) ? i + 1 : refCommentEnd(s, i);
  return i;
}

// The tokens of one line as "kind:text", the way statements are read.
QStringList refTokens(const QString &s) {
  QStringList out;
  qsizetype i = 0;
  for (;;) {
    i = refSkipBlanks(s, i);
    if (i < 0 || i >= s.size())
      return out;
    const QChar c = s[i];
    if (c == u',' || c == u'|' || c == u'(' || c == u')') {
      out << QString(c) + u':' + c;
      ++i;
    } else if (c == u'{' || c == u'}') {
      out << (c == u'{' ? u"W:BEGIN"_qs : u"W:END"_qs);
      ++i;
    } else if (c == u'"' || ((c == u'L' || c == u'l') && i + 1 < s.size() && s[i + 1] == u'"')) {
      const qsizetype open = c == u'"' ? i : i + 1;
      const qsizetype close = refStringEnd(s, open + 1);
      if (close < 0)
        return out;
      out << QStringLiteral("S:") + s.mid(open + 1, close - open - 1);
      i = close + 1;
    } else {
      const qsizetype end = refWordEnd(s, i, false, false);
      QString token = refWordKind(s.mid(i, end - i));
      i = end;
      if (token == u"W:NOT") {
        // The NOT pair: the next word goes with it.
        token += u' ';
        i = refSkipBlanks(s, i);
        if (i >= 0 && i < s.size() && !refEndsWord(s[i], false)) {
          const qsizetype wordEnd = refWordEnd(s, i, false, false);
          token += s.mid(i, wordEnd - i);
          i = wordEnd;
        }
      }
      out << token;
      if (i < 0)
        return out;
    }
  }
}

// Whether the rest of a line, comments aside, starts with a quote before any brace.
bool refStartsString(const QString &s) {
  for (qsizetype i = 0; i >= 0 && i < s.size(); ++i) {
    if (s[i] == u'"')
      return true;
    if (s[i] == u'{' || (refOpensComment(s, i) && s[i + 1] == u'/'))
      return false;
    if (refOpensComment(s, i))
      i = refCommentEnd(s, i) - 1;
  }
  return false;
}

// Whether every string and block comment on the line ends on it.
bool refSelfContained(const QString &s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == u'"' && (i = refStringEnd(s, i + 1)) < 0)
      return false;
    if (refOpensComment(s, i) && (i = refCommentEnd(s, i) - 1) < 0)
      return false;
  }
  return true;
}

const char *kindName(TokenKind kind) {
  static const char *const names[] = {"S", "W", "N", "H", ",", "|", "(", ")", "EOF"};
  return names[int(kind)];
}

QStringList readerTokens(const QString &line) {
  ScriptReader reader;
  reader.file().openData(test::encode(line + u'\n', test::Encoding::Utf16));
  QStringList out;
  QString text;
  for (TokenKind kind; (kind = reader.nextToken(text, false)) != TokenKind::EndOfFile;)
    out << QString::fromLatin1(kindName(kind)) + u':' + text;
  return out;
}

// Lines for the sweep: a filler of words, blanks and delimiters, `size` long, with
// marks written over it at the given positions.
const QString kMarks[] = {u"\""_qs, u"\"\""_qs, u"\\"_qs,           u"//"_qs,
                          u"/*"_qs, u"*/"_qs,   u"\u00e9\u4e2d"_qs, u"L\""_qs};

QString fillerLine(int size, bool mixed) {
  static const QString words = u"ab c,d(e)f|g\thi 0x12 NOT k 34,L5 \u00e9z\r"_qs;
  QString line;
  for (int i = 0; i < size; ++i)
    line += mixed ? words[i % words.size()] : QChar(u'a' + i % 26);
  return line;
}

QString withMark(QString line, qsizetype at, const QString &mark) {
  for (qsizetype i = 0; i < mark.size() && at + i < line.size(); ++i)
    line[at + i] = mark[i];
  return line;
}

// Every answer of the cursor and of the reader on one line, against the references.
void checkLine(const QString &line) {
  const QStringView view(line);
  for (qsizetype from = 0; from <= line.size(); ++from) {
    ASSERT_EQ(quotedStringEnd(view, from), refStringEnd(line, from)) << show(line) << " " << from;
    for (const bool block : {false, true}) {
      const auto words = block ? LineCursor::Words::Block : LineCursor::Words::Script;
      LineCursor cursor(view, from);
      cursor.skipWord(words);
      ASSERT_EQ(cursor.pos(), refWordEnd(line, from, block, true)) << show(line) << " " << from;
      cursor.setPos(from);
      cursor.skipWordToComment(words);
      ASSERT_EQ(cursor.pos(), refWordEnd(line, from, block, false)) << show(line) << " " << from;
    }
    LineCursor cursor(view, from);
    ASSERT_EQ(cursor.atComment(), refOpensComment(line, from)) << show(line) << " " << from;
    if (cursor.atComment()) {
      const qsizetype end = refCommentEnd(line, from);
      ASSERT_EQ(cursor.skipComment(), end >= 0) << show(line) << " " << from;
      ASSERT_EQ(cursor.pos(), end >= 0 ? end : from) << show(line) << " " << from;
    }
    cursor.setPos(from);
    cursor.skipBlanks();
    qsizetype blankEnd = from;
    while (blankEnd < line.size() && refBlank(line[blankEnd]))
      ++blankEnd;
    ASSERT_EQ(cursor.pos(), blankEnd) << show(line) << " " << from;
  }
  ASSERT_EQ(readerTokens(line), refTokens(line)) << show(line);
}

// The rest of the line after a first word: skipping it and asking whether it starts a
// string, against the references.
void checkRestOfLine(const QString &rest) {
  ScriptReader reader;
  reader.file().openData(test::encode(QStringLiteral("A ") + rest + QStringLiteral("\nNEXT x\n"),
                                      test::Encoding::Utf16));
  QString text;
  ASSERT_EQ(reader.nextToken(text, false), TokenKind::Word);
  ASSERT_EQ(reader.restOfLineStartsString(), refStartsString(rest)) << show(rest);
  const bool contained = refSelfContained(rest);
  ASSERT_EQ(reader.skipLine(), contained) << show(rest);
  if (contained) {
    ASSERT_EQ(reader.nextToken(text, false), TokenKind::Word) << show(rest);
    ASSERT_EQ(text, u"NEXT"_qs) << show(rest);
  }
}

QList<int> sweepSizes() {
  QList<int> sizes;
  for (int size = 0; size <= 40; ++size)
    sizes << size;
  for (int size = 60; size <= 70; ++size)
    sizes << size;
  return sizes;
}

// Every length around the widths scanned at once, each mark at every position.
TEST(LineCursor, OneMarkAnywhereMatchesThePlainScanners) {
  for (const int size : sweepSizes())
    for (const bool mixed : {false, true})
      for (const QString &mark : kMarks)
        for (int at = 0; at < std::max(size, 1); ++at) {
          const QString line = withMark(fillerLine(size, mixed), at, mark);
          checkLine(line);
          checkRestOfLine(line);
          if (::testing::Test::HasFatalFailure())
            return;
        }
}

// Two marks in one line, two characters beyond ASCII among them, on the shorter lengths.
TEST(LineCursor, TwoMarksAnywhereMatchThePlainScanners) {
  for (int size = 0; size <= 20; ++size)
    for (const QString &first : kMarks)
      for (const QString &second : kMarks)
        for (int at = 0; at < size; ++at)
          for (int then = at + 1; then < size; ++then) {
            const QString line =
                withMark(withMark(fillerLine(size, true), at, first), then, second);
            checkLine(line);
            checkRestOfLine(line);
            if (::testing::Test::HasFatalFailure())
              return;
          }
}

TEST(LineCursor, StringRulesOfTheResourceCompiler) {
  struct Case {
    const char16_t *text; // after the opening quote
    qsizetype close;
  };
  const Case cases[] = {
      {u"abc\" x", 3},  {u"a\"\"b\"", 4}, {u"C:\\\" x", 3}, {u"\"\"", -1},  {u"// x \" y", 5},
      {u"/* \" */", 3}, {u"", -1},        {u"\"", 0},       {u"\"\"\"", 2}, {u"ab\"\"", -1},
  };
  for (const Case &c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(quotedStringEnd(text, 0), c.close) << show(text);
    const QString quoted = QLatin1Char('"') + text;
    LineCursor cursor(quoted, 0);
    EXPECT_EQ(cursor.skipString(), c.close >= 0) << show(text);
    EXPECT_EQ(cursor.pos(), c.close >= 0 ? c.close + 2 : 0) << show(text);
  }
}

TEST(LineCursor, BlockCommentsGoOnOverLines) {
  LineCursor open(u"a /* b", 2);
  EXPECT_FALSE(open.skipComment());
  EXPECT_EQ(open.pos(), 2);
  LineCursor rest(u"c */ d");
  EXPECT_TRUE(rest.skipCommentRest());
  EXPECT_EQ(rest.pos(), 4);
  LineCursor starSlash(u"/*/ x */", 0);
  EXPECT_TRUE(starSlash.skipComment());
  EXPECT_EQ(starSlash.pos(), 8);
}

TEST(LineCursor, OwnTokensAreTheDelimitersThatAreNotBlanks) {
  for (char16_t c = 0; c < 0x200; ++c) {
    const bool own = c == u',' || c == u'|' || c == u'(' || c == u')';
    EXPECT_EQ(LineCursor::isOwnToken(c), own) << int(c);
    EXPECT_EQ(LineCursor::endsWord(c), own || c == 0 || refBlank(QChar(c))) << int(c);
    EXPECT_EQ(LineCursor::isBlank(c), refBlank(QChar(c))) << int(c);
  }
  EXPECT_TRUE(LineCursor::isBlank(0xFEFF));
  EXPECT_FALSE(LineCursor::isOwnToken(0xFEFF));
}

} // namespace
} // namespace tarvelo

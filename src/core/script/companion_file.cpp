// Reading and writing the companion files, and writing a task's files all or none.
#include "script/companion_file.h"

#include "compiled/compiled_source.h"
#include "files/file_transaction.h"
#include "script/block_tokenizer.h"
#include "script/entry_list.h"
#include "script/keywords.h"
#include "script/script_file.h"
#include "script/task.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstring>
#include <vector>

namespace tarvelo {

namespace {

// The verification digits: the source language's primary number as the last two
// lower-case hexadecimal digits.
QString verificationDigits(int sourceLanguage) {
  const QString digits = QString::number(sourceLanguage & 0x3FF, 16).rightJustified(2, u'0');
  return digits.right(2);
}

// Reads a companion file line by line: braces around each block, and lines of a
// kind, an identifier (as the script writes it, without blanks) and two or three
// quoted texts, with the string rules of scripts.
class CompanionParser {
public:
  enum class Item { Line, Open, Close, End };

  // The file's own text is read where it stands; only another encoding is decoded.
  explicit CompanionParser(ScriptFile &file)
      : m_decoded(file.isUnicode() ? QString() : wholeText(file)),
        m_text(file.isUnicode() ? file.utf16Text() : QStringView(m_decoded)) {}

  // End also for a malformed line: reading stops there.
  Item next(QString &kind, QString &identifier, QString &first, QString &second, QString &third) {
    skipBlanks();
    if (m_pos >= m_text.size())
      return Item::End;
    if (m_text[m_pos] == u'{') {
      ++m_pos;
      return Item::Open;
    }
    if (m_text[m_pos] == u'}') {
      ++m_pos;
      return Item::Close;
    }
    if (!word(kind))
      return Item::End;
    if (kind == QLatin1String("BEGIN"))
      return Item::Open;
    if (kind == QLatin1String("END"))
      return Item::Close;
    skipBlanks();
    if (!word(identifier) || !quoted(first) || !quoted(second))
      return Item::End;
    third.clear();
    // A third text follows on the same line when a quote is left on it.
    qsizetype at = m_pos;
    while (at < m_text.size() && m_text[at] != u'\n' && m_text[at] != u'"')
      ++at;
    if (at < m_text.size() && m_text[at] == u'"' && !quoted(third))
      return Item::End;
    return Item::Line;
  }

private:
  static QString wholeText(ScriptFile &file) {
    QString text, line;
    while (file.readLine(line, 0))
      text += line + u'\n';
    return text;
  }

  void skipBlanks() {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
      ++m_pos;
  }
  // The text at [from, to), into out's own storage.
  void take(QString &out, qsizetype from, qsizetype to) const {
    out.resize(to - from);
    std::memcpy(static_cast<void *>(out.data()), m_text.data() + from,
                size_t(to - from) * sizeof(QChar));
  }
  bool word(QString &out) {
    const qsizetype start = m_pos;
    const QStringView text(m_text);
    while (m_pos < text.size() && !isBlank(text[m_pos]) && text[m_pos] != u'"')
      ++m_pos;
    take(out, start, m_pos);
    return m_pos > start;
  }
  bool quoted(QString &out) {
    skipBlanks();
    out.clear();
    if (m_pos >= m_text.size() || m_text[m_pos] != u'"')
      return false;
    // Everything between the quotes belongs to the text.
    const qsizetype close = quotedStringEnd(m_text, m_pos + 1);
    if (close < 0)
      return false;
    // Tabs in a companion text stand for quotes.
    if (close > m_pos + 1) {
      out.resize(close - m_pos - 1);
      QChar *to = out.data();
      for (qsizetype i = m_pos + 1; i < close; ++i)
        *to++ = m_text[i] == u'\t' ? QChar(u'"') : m_text[i];
    }
    m_pos = close + 1;
    return true;
  }

  const QString m_decoded;
  const QStringView m_text;
  qsizetype m_pos = 0;
};

} // namespace

QString companionPath(const QString &scriptPath, int language) {
  return scriptPath + u'.' + QString::number(uint(language));
}

namespace {

// The lines of a companion file, measured first and then written into one buffer.
class CompanionText {
public:
  void add(QChar c) {
    if (m_out)
      m_out[m_size] = c;
    ++m_size;
  }
  void add(QStringView text) {
    if (m_out)
      std::memcpy(static_cast<void *>(m_out + m_size), text.data(),
                  size_t(text.size()) * sizeof(QChar));
    m_size += text.size();
  }
  // Quotes cannot stand inside a quoted companion text; tabs stand for them. The text
  // may come in two parts, written as one.
  void addQuoted(QStringView text, QStringView more = {}) {
    add(u'"');
    for (const QStringView part : {text, more}) {
      if (m_out) {
        QChar *out = m_out + m_size;
        for (const QChar c : part)
          *out++ = c == u'"' ? QChar(u'\t') : c;
      }
      m_size += part.size();
    }
    add(u'"');
  }
  qsizetype size() const { return m_size; }
  // From now on the lines are written into out, which holds size() characters.
  void writeInto(QChar *out) {
    m_out = out;
    m_size = 0;
  }

private:
  QChar *m_out = nullptr; // null while the lines are only measured
  qsizetype m_size = 0;
};

void companionLines(CompanionText &out, const EntryList &entries, const Task *task, bool isSource,
                    const QString &digits) {
  for (const auto &owned : entries) {
    const TextEntry *head = owned.get();
    if (head->task != task || !head->isHead() || head->removed)
      continue;
    out.add(u"{\n");
    for (const TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
         entry = entry->next()) {
      out.add(entry->kind);
      out.add(u' ');
      out.add(entry->identifier);
      out.add(u' ');
      out.addQuoted(isSource ? entry->sourceComment() : entry->targetComment());
      out.add(u' ');
      out.addQuoted(isSource ? entry->sourceText : entry->targetText);
      if (!isSource) {
        const QString extra = entry->extraText();
        if (entry->verified || !extra.isEmpty()) {
          out.add(u' ');
          out.addQuoted(extra, entry->verified ? QStringView(digits) : QStringView());
        }
      }
      out.add(u'\n');
    }
    out.add(u"}\n");
  }
}

} // namespace

namespace {

// Whether the file's content is these bytes, read piece by piece rather than whole.
bool fileHolds(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  char piece[1 << 16];
  qsizetype compared = 0;
  for (;;) {
    const qint64 read = file.read(piece, sizeof piece);
    if (read < 0 || read > bytes.size() - compared)
      return false;
    if (read == 0)
      return compared == bytes.size();
    if (std::memcmp(piece, bytes.constData() + compared, size_t(read)) != 0)
      return false;
    compared += read;
  }
}

} // namespace

QByteArray companionBytes(const EntryList &entries, const Task *task, bool isSource) {
  const QString digits = verificationDigits(task->sourceLanguage);
  CompanionText text;
  companionLines(text, entries, task, isSource, digits);
  // UTF-16 with its byte-order mark, written straight into the file's bytes.
  QByteArray bytes(2 + text.size() * qsizetype(sizeof(QChar)), Qt::Uninitialized);
  bytes[0] = '\xFF';
  bytes[1] = '\xFE';
  text.writeInto(reinterpret_cast<QChar *>(bytes.data() + 2));
  companionLines(text, entries, task, isSource, digits);
  return bytes;
}

bool stageCompanion(FileTransaction &files, const EntryList &entries, const Task *task,
                    const QString &scriptPath, int language, bool isSource) {
  const QByteArray bytes = companionBytes(entries, task, isSource);
  // A companion that already says the same is left untouched, as the source's mostly is.
  const QString path = companionPath(scriptPath, language);
  const QFileInfo existing(path);
  if (existing.isFile() && existing.size() == bytes.size() && fileHolds(path, bytes))
    return true;
  return files.stage(path, bytes);
}

bool writeCompanion(const EntryList &entries, const Task *task, const QString &scriptPath,
                    int language, bool isSource) {
  FileTransaction files;
  return stageCompanion(files, entries, task, scriptPath, language, isSource) && files.commit();
}

bool writeTaskFiles(const EntryList &entries, const Task *task, const QString &targetPath,
                    int targetLanguage, QByteArray target, QString *message, bool compiled) {
  // A program or a compiled resource file read as a task's script is never replaced by
  // the script.
  if (compiled ? !isCompiledResources(target) : isCompiledFile(targetPath)) {
    if (message)
      *message = QStringLiteral("'%1' is a compiled file: a script is never written into it")
                     .arg(targetPath);
    return false;
  }
  FileTransaction files;
  bool staged = files.stage(targetPath, target);
  // Its memory serves the companions.
  target = QByteArray();
  const bool done =
      staged &&
      stageCompanion(files, entries, task, task->sourcePath, task->sourceLanguage, true) &&
      stageCompanion(files, entries, task, targetPath, targetLanguage, false) && files.commit();
  if (!done && message)
    *message = files.failureMessage();
  return done;
}

namespace {

// Finds the entry each companion line is for: the first free one of its kind and
// identifier in the whole list for a block's first line, within the block after.
class CompanionMatcher {
public:
  CompanionMatcher(EntryList &entries, const Task *task, int side)
      : m_entries(entries), m_task(task), m_side(side) {}

  void blockOpened() {
    m_firstLine = true;
    m_blockHead = nullptr;
  }
  // The entry, or null; wholeList tells it was looked for in the whole list.
  TextEntry *find(const QString &kind, const QString &identifier, bool &wholeList) {
    wholeList = m_firstLine || !m_blockHead;
    m_firstLine = false;
    if (wholeList) {
      TextEntry *entry = firstFree(m_entries.lookup(m_task, kind, identifier));
      m_blockHead = entry ? entry->head() : nullptr;
      return entry;
    }
    // Lines come in the block's order: the first entry of the block not yet taken
    // is, when it has the line's kind and identifier, the one wanted.
    if (m_untakenHead != m_blockHead) {
      m_untakenHead = m_blockHead;
      m_firstUntaken = m_blockHead;
    }
    while (inBlock(m_firstUntaken) && m_firstUntaken->companionTaken[m_side])
      m_firstUntaken = m_firstUntaken->next();
    if (inBlock(m_firstUntaken) && sameIdentifier(m_firstUntaken->identifier, identifier) &&
        m_firstUntaken->kind == kind)
      return m_firstUntaken;
    return firstFree(m_blockLookup.find(m_blockHead, kind, identifier));
  }

private:
  template <typename List> TextEntry *firstFree(const List &candidates) const {
    for (TextEntry *candidate : candidates)
      if (!candidate->companionTaken[m_side])
        return candidate;
    return nullptr;
  }
  bool inBlock(const TextEntry *entry) const {
    return entry && entry->sourceBlock == m_blockHead->sourceBlock;
  }

  EntryList &m_entries;
  const Task *m_task;
  const int m_side;
  TextEntry *m_blockHead = nullptr;
  bool m_firstLine = false;
  BlockLookup m_blockLookup;
  TextEntry *m_firstUntaken = nullptr; // of the block being read
  const TextEntry *m_untakenHead = nullptr;
};

// A source companion's line: the comment, and whether the source changed since.
void applySourceLine(TextEntry *entry, const QString &comment, const QString &text,
                     bool wholeList) {
  entry->setSourceComment(comment);
  const bool counts = wholeList || entry->matchState == Matched || entry->matchState == Fuzzy;
  if (counts && !entry->sourceText.isEmpty() && !text.isEmpty() && text != entry->sourceText)
    entry->matchState = SourceModified;
}

// A target companion's line: the comment, the verification digits, the extra text.
void applyTargetLine(TextEntry *entry, const QString &comment, const QString &text, QString third,
                     const QString &digits) {
  entry->setTargetComment(comment);
  qsizetype at = -1;
  for (qsizetype i = 0; i + 1 < third.size(); i += 2)
    if (QStringView(third).mid(i, 2) == digits) {
      at = i;
      break;
    }
  // Our own writer puts the digits last, whatever the length of the text before.
  if (at < 0 && third.endsWith(digits))
    at = third.size() - 2;
  if (at >= 0) {
    third.remove(at, 2);
    if (entry->matchState != SourceModified && entry->targetText == text)
      entry->verified = true;
  }
  entry->setExtraText(third);
}

} // namespace

void readCompanion(EntryList &entries, const Task *task, const QString &scriptPath, int language,
                   bool isSource) {
  ScriptFile probe;
  if (!probe.open(companionPath(scriptPath, language)))
    return;
  CompanionParser reader(probe);
  const int side = isSource ? 0 : 1;
  const QString digits = verificationDigits(task->sourceLanguage);
  CompanionMatcher matcher(entries, task, side);
  QString entryKind, identifier, first, second, third;
  for (;;) {
    const CompanionParser::Item item = reader.next(entryKind, identifier, first, second, third);
    if (item == CompanionParser::Item::End)
      return;
    if (item == CompanionParser::Item::Open)
      matcher.blockOpened();
    if (item != CompanionParser::Item::Line)
      continue;
    bool wholeList = false;
    TextEntry *entry = matcher.find(entryKind, identifier, wholeList);
    if (!entry)
      continue;
    entry->companionTaken[side] = true;
    if (isSource)
      applySourceLine(entry, first, second, wholeList);
    else
      applyTargetLine(entry, first, second, third, digits);
  }
}

} // namespace tarvelo

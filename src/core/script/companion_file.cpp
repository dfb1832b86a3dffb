#include "script/companion_file.h"

#include "script/entry_list.h"
#include "script/script_reader.h"
#include "script/task.h"

#include <QFileInfo>

namespace tarvelo {

namespace {

// Quotes cannot stand inside a quoted companion text; tabs stand for them.
QString toFile(QString text) {
  return text.replace(u'"', u'\t');
}
QString fromFile(QString text) {
  return text.replace(u'\t', u'"');
}

// The verification digits: the source language's primary number as the last two
// lower-case hexadecimal digits.
QString verificationDigits(int sourceLanguage) {
  const QString digits = QString::number(sourceLanguage & 0x3FF, 16).rightJustified(2, u'0');
  return digits.right(2);
}

class CompanionReader : public ScriptReader {
public:
  explicit CompanionReader(const QByteArray &data) { m_file.openData(data); }
};

bool isValue(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

} // namespace

QString companionPath(const QString &scriptPath, int language) {
  return scriptPath + u'.' + QString::number(uint(language));
}

bool writeCompanion(const EntryList &entries, const Task *task, const QString &scriptPath,
                    int language, bool isSource) {
  ScriptFile file;
  file.create(ScriptFile::Utf16);
  const QString digits = verificationDigits(task->sourceLanguage);
  QString out;
  for (const auto &owned : entries) {
    const TextEntry *head = owned.get();
    if (head->task != task || !head->isHead() || head->removed)
      continue;
    out += QStringLiteral("{\n");
    for (const TextEntry *entry = head; entry && entry->sourceBlock == head->sourceBlock;
         entry = entry->next()) {
      out += entry->kind + u' ' + entry->identifier + QStringLiteral(" \"");
      if (isSource) {
        out += toFile(entry->sourceComment()) + QStringLiteral("\" \"") +
               toFile(entry->sourceText) + QStringLiteral("\"\n");
        continue;
      }
      out += toFile(entry->targetComment()) + QStringLiteral("\" \"") + toFile(entry->targetText) +
             u'"';
      const QString third = entry->extraText() + (entry->verified ? digits : QString());
      if (!third.isEmpty())
        out += QStringLiteral(" \"") + toFile(third) + u'"';
      out += u'\n';
    }
    out += QStringLiteral("}\n");
  }
  file.writeLine(out, 0);
  return file.saveTo(companionPath(scriptPath, language));
}

QStringList writeTaskCompanions(const EntryList &entries, const Task *task,
                                const QString &targetPath, int targetLanguage) {
  QStringList failed;
  if (!writeCompanion(entries, task, task->sourcePath, task->sourceLanguage, true))
    failed.append(companionPath(task->sourcePath, task->sourceLanguage));
  if (!writeCompanion(entries, task, targetPath, targetLanguage, false))
    failed.append(companionPath(targetPath, targetLanguage));
  return failed;
}

QString companionsNotWrittenMessage(const QString &targetPath, const QStringList &companionPaths) {
  if (companionPaths.size() == 1)
    return QStringLiteral("The target file '%1' was written, but the companion file '%2' could "
                          "not be written.")
        .arg(targetPath, companionPaths[0]);
  return QStringLiteral("The target file '%1' was written, but the companion files '%2' could "
                        "not be written.")
      .arg(targetPath, companionPaths.join(QStringLiteral("' and '")));
}

void readCompanion(EntryList &entries, const Task *task, const QString &scriptPath, int language,
                   bool isSource) {
  ScriptFile probe;
  if (!probe.open(companionPath(scriptPath, language)))
    return;
  CompanionReader reader(probe.data());
  const int side = isSource ? 0 : 1;
  const QString digits = verificationDigits(task->sourceLanguage);
  QString token;
  TextEntry *blockHead = nullptr;
  bool firstLine = false;
  for (;;) {
    TokenKind kind = reader.nextToken(token, false);
    if (kind == TokenKind::EndOfFile)
      return;
    if (kind == TokenKind::Word && token == QLatin1String("BEGIN")) {
      firstLine = true;
      blockHead = nullptr;
      continue;
    }
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      continue;
    // kind identifier "first" "second" ["third"]
    if (!isValue(kind))
      return;
    const QString entryKind = token;
    QString identifier, first, second, third;
    if (!isValue(reader.nextToken(identifier, false)) ||
        reader.nextToken(first, false) != TokenKind::String ||
        reader.nextToken(second, false) != TokenKind::String)
      return;
    // A third text follows on the same line when a quote is left on it.
    if (reader.position() >= 0 && reader.currentLine().indexOf(u'"', reader.position() + 1) >= 0 &&
        reader.nextToken(third, false) != TokenKind::String)
      return;
    first = fromFile(first);
    second = fromFile(second);
    third = fromFile(third);

    TextEntry *entry = nullptr;
    const bool wholeList = firstLine || !blockHead;
    if (wholeList) {
      for (TextEntry *candidate : entries.lookup(task, entryKind, identifier))
        if (!candidate->companionTaken[side]) {
          entry = candidate;
          break;
        }
      blockHead = entry ? entry->head() : nullptr;
    } else {
      for (TextEntry *candidate = blockHead;
           candidate && candidate->sourceBlock == blockHead->sourceBlock;
           candidate = candidate->next())
        if (candidate->kind == entryKind && candidate->identifier == identifier &&
            !candidate->companionTaken[side]) {
          entry = candidate;
          break;
        }
    }
    firstLine = false;
    if (!entry)
      continue;
    entry->companionTaken[side] = true;
    if (isSource) {
      entry->setSourceComment(first);
      const bool counts = wholeList || entry->matchState == Matched || entry->matchState == Fuzzy;
      if (counts && !entry->sourceText.isEmpty() && !second.isEmpty() &&
          second != entry->sourceText)
        entry->matchState = SourceModified;
      continue;
    }
    entry->setTargetComment(first);
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
      if (entry->matchState != SourceModified && entry->targetText == second)
        entry->verified = true;
    }
    entry->setExtraText(third);
  }
}

} // namespace tarvelo

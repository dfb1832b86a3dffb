#include "script/resource_script.h"

#include "files/file_messages.h"
#include "script/entry_list.h"
#include "script/keywords.h"
#include "script/language.h"
#include "script/script_path.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace tarvelo {

namespace {

// How often the progress display follows the line count while reading.
constexpr int kProgressLines = 64;

// The primary language and the sublanguage of a LANGUAGE statement: names or numbers.
bool isLanguagePart(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

} // namespace

ResourceScript::ResourceScript(const ScriptContext &context) : m_context(context) {}

ResourceScript::~ResourceScript() = default;

QString ResourceScript::pragmaCodePage(int language) const {
  return m_utf8Output ? QStringLiteral("65001") : writtenCodePageText(language);
}

int ResourceScript::codePageFor(int language, bool sourceSide) const {
  if (language == -1 && m_context.settings)
    language = m_context.settings->integer(sourceSide ? QStringLiteral("SourceLanguage")
                                                      : QStringLiteral("TargetLanguage"));
  return defaultCodePage(language);
}

void ResourceScript::lineRead() {
  if (!m_showProgress || !m_context.progress)
    return;
  if (lineNumber() % kProgressLines != 1)
    return;
  m_context.progress->setText(QCoreApplication::translate("Progress", "Reading line %1 of %2")
                                  .arg(lineNumber())
                                  .arg(m_totalLines));
  m_context.progress->setPosition(lineNumber());
}

// A block starts with the line of its statement; it ends where reading stands
// when the statement is done.
void ResourceScript::startBlock() {
  m_block = std::make_shared<RawBlock>();
  const RawBlock::Encoding encoding = m_file.isUnicode() ? RawBlock::Encoding::Utf16
                                      : m_file.isUtf8()  ? RawBlock::Encoding::Utf8
                                                         : RawBlock::Encoding::Ansi;
  m_block->setSource(m_file.data(), m_statementStart, m_file.readPosition(), encoding, m_codePage);
}

void ResourceScript::releaseBlock() {
  if (m_block)
    m_block->setEnd(m_file.readPosition());
  m_block.reset();
}

int ResourceScript::read(bool isSource, int wantedLanguage, Task *task) {
  m_mode = Mode::Reading;
  m_isSource = isSource;
  m_wantedLanguage = wantedLanguage;
  m_task = task;
  m_lastPulledTask = task;
  m_codePage = codePageFor(wantedLanguage, isSource);
  if (m_file.isUtf8())
    m_codePage = 65001;
  m_header.clear();
  restart();

  Progress *progress = m_context.progress;
  m_showProgress = !isSource && progress;
  if (m_showProgress) {
    m_totalLines = int(m_file.lineCount());
    const QString title = task && !task->targetPath.isEmpty()
                              ? QCoreApplication::translate("Progress", "Reading File - %1")
                                    .arg(fileNameOf(task->targetPath))
                              : QCoreApplication::translate("Progress", "Reading File");
    progress->begin(title);
    progress->setRange(0, m_totalLines);
  }
  const int result = runPass();
  if (m_showProgress)
    progress->end();
  m_showProgress = false;
  if (result == ScriptCancelled && m_context.entries)
    m_context.entries->removeTask(task);
  else if (m_isSource && m_context.entries)
    m_context.entries->squeeze(); // the list lives as long as the task
  if (result == ScriptSyntaxError) {
    m_errorLine = lineNumber();
    m_errorText = textAtToken();
  }
  if (result == ScriptSyntaxError && m_context.prompter)
    m_context.prompter->message(
        syntaxErrorMessage(m_file.path(), lineNumber(), m_errorText,
                           statementStartAt(m_file.data(), m_statementStart, m_file.isUnicode())),
        Prompter::Buttons::Ok, Prompter::Icon::Error);
  return result;
}

int ResourceScript::runPass() {
  m_languageFound = false;
  m_lastLanguage = -1;
  m_inWantedLanguage = false;
  m_ifDepth = m_designDepth = m_excludedFromDepth = 0;
  Progress *progress = m_context.progress;
  QString token;
  for (;;) {
    if (progress && m_mode == Mode::Reading) {
      progress->serve();
      if (progress->cancelled())
        return ScriptCancelled;
    }
    const TokenKind kind = nextToken(token, false);
    if (kind == TokenKind::EndOfFile)
      return ScriptOk;
    m_statementStart = m_file.lastLineStart();
    int result = ScriptOk;
    if (kind == TokenKind::Word && token.startsWith(u'#')) {
      readDirective(token);
    } else if (kind == TokenKind::Word && token == QLatin1String("LANGUAGE")) {
      result = readLanguage(true);
    } else {
      // A script without LANGUAGE statements is all in the wanted language.
      const bool saved = m_inWantedLanguage;
      if (!m_inWantedLanguage && m_designDepth == 0 && m_lastLanguage == -1)
        m_inWantedLanguage = true;
      const bool inLanguage = m_inWantedLanguage;
      const bool excluded = m_excludedFromDepth != 0;
      // Writing leaves out the old text of the write language's resources, and a
      // new target copies only the resources of the source's language.
      const bool dropOld = (m_mode == Mode::Saving && inLanguage && !excluded) ||
                           (m_mode == Mode::Copying && !inLanguage);
      if (dropOld)
        setEcho(false);
      const MergedLines::Mark before = m_merged.mark();
      m_cursor = nullptr;
      m_blockLookup = BlockLookup(); // never an index of a list read before
      result = readResourceStatement(kind, token);
      if (dropOld && m_mode == Mode::Saving && result == ScriptOk && m_block) {
        // A resource whose own header names another language is not one of the
        // section's: its old text stays.
        if (!m_inWantedLanguage) {
          m_block->setEnd(m_file.readPosition());
          m_pending.assign(1, {QString(), m_block->text()});
        }
        flushStatement();
      }
      if (m_mode == Mode::Saving && result == ScriptOk && inLanguage && !m_insertionFound) {
        m_insertionMark = excluded ? m_lastDirectiveMark : before;
        m_insertionKnown = true;
        m_insertionFound = true;
      }
      if (dropOld)
        setEchoFromNextLine();
      // A LANGUAGE statement inside a resource header applies to that resource only.
      m_inWantedLanguage = saved;
    }
    releaseBlock();
    if (result != ScriptOk)
      return result;
  }
}

void ResourceScript::readDirective(const QString &word) {
  if (startsWith(word, u"#include"))
    readInclude();
  else if (startsWith(word, u"#if"))
    readIf();
  else if (startsWith(word, u"#endif"))
    readEndif();
  else if (startsWith(word, u"#pragma"))
    readPragma(false);
  else if (startsWith(word, u"#error"))
    readPragma(true);
  else // #define, #undef, #else, #elif and any other directive
    skipDirectiveLine();
}

void ResourceScript::readInclude() {
  if (m_ifDepth == 0)
    m_header += currentLine();
  const bool inSection = m_inWantedLanguage || (m_lastLanguage == -1 && m_designDepth == 0);
  if (m_mode == Mode::Copying) {
    if (inSection)
      setCurrentLine(rewriteInclude(currentLine()));
    skipDirectiveLine();
    return;
  }
  if (m_mode == Mode::Reading && inSection && m_context.tasks && m_task) {
    // Only a quoted name on the same line counts.
    QString name;
    const int line = lineNumber();
    const TokenKind kind = nextToken(name, false);
    if (kind == TokenKind::String && lineNumber() == line &&
        name.contains(QLatin1String(".rc"), Qt::CaseInsensitive)) {
      const QString folder = QFileInfo(m_file.path()).absolutePath();
      if (m_isSource) {
        Task *pulled = m_context.tasks->insertAfter(m_lastPulledTask);
        pulled->sourcePath = resolveWindowsPath(folder, name);
        m_lastPulledTask = pulled;
      } else {
        Task *next = m_context.tasks->next(m_lastPulledTask);
        if (!next)
          next = m_context.tasks->append();
        next->targetPath = resolveWindowsPath(folder, name);
        m_lastPulledTask = next;
      }
    }
    if (kind == TokenKind::EndOfFile || lineNumber() != line)
      return;
  }
  skipDirectiveLine();
}

void ResourceScript::readIf() {
  ++m_ifDepth;
  if (m_designDepth > 0)
    ++m_designDepth;
  else if (currentLine().indexOf(QLatin1String("APSTUDIO_INVOKED"), 1) > 0)
    m_designDepth = 1;
  if (m_mode == Mode::Saving) {
    // New resources go before a directive, never inside the block it opens.
    m_lastDirectiveMark = m_merged.mark();
    if (!m_insertionKnown) {
      m_insertionMark = m_lastDirectiveMark;
      m_insertionKnown = true;
    }
    if (m_inWantedLanguage)
      m_excludedFromDepth = m_ifDepth;
  } else if (m_inWantedLanguage && m_excludedFromDepth == 0) {
    m_excludedFromDepth = m_ifDepth;
  }
  if (m_mode == Mode::Copying)
    setCurrentLine(swapTargetGuard(currentLine()));
  skipDirectiveLine();
}

void ResourceScript::readEndif() {
  if (m_ifDepth > 0)
    --m_ifDepth;
  if (m_designDepth > 0)
    --m_designDepth;
  if (m_ifDepth < m_excludedFromDepth)
    m_excludedFromDepth = 0;
  skipDirectiveLine();
}

void ResourceScript::readPragma(bool isError) {
  if (isError && m_mode == Mode::Saving) {
    skipDirectiveLine();
    return;
  }
  QString token;
  const int line = lineNumber();
  if (nextToken(token, false) == TokenKind::Word && token == QLatin1String("code_page") &&
      lineNumber() == line && nextToken(token, false) == TokenKind::OpenParen) {
    QString number;
    if (nextToken(number, false) == TokenKind::Number &&
        nextToken(token, false) == TokenKind::CloseParen && lineNumber() == line) {
      // A UTF-8 file is UTF-8 whatever its pragma says; decoding its bytes in another
      // code page would corrupt every text when it is written back.
      if (!m_file.isUtf8())
        m_codePage = number.toInt();
      if (m_mode == Mode::Copying && m_inWantedLanguage) {
        static const QRegularExpression pragma(QStringLiteral("code_page\\s*\\(\\s*\\d+\\s*\\)"));
        QString changed = currentLine();
        changed.replace(pragma,
                        QStringLiteral("code_page(%1)").arg(pragmaCodePage(m_copyLanguage)));
        setCurrentLine(changed);
      }
    }
  }
  if (lineNumber() == line)
    skipDirectiveLine();
}

int ResourceScript::readLanguage(bool topLevel) {
  QString primary, comma, sub;
  const TokenKind primaryKind = nextToken(primary, true);
  if (primaryKind == TokenKind::EndOfFile)
    return ScriptSyntaxError;
  if (nextToken(comma, true) != TokenKind::Comma)
    return ScriptSyntaxError;
  const TokenKind subKind = nextToken(sub, true);
  if (subKind == TokenKind::EndOfFile)
    return ScriptSyntaxError;
  if (m_mode == Mode::Saving && topLevel)
    m_lastDirectiveMark = m_merged.mark();
  if (isLanguagePart(primaryKind) && isLanguagePart(subKind)) {
    const int language = languageFromNames(primary, sub);
    m_inWantedLanguage = language == m_wantedLanguage;
    if (m_inWantedLanguage)
      m_languageFound = true;
    if (topLevel)
      m_lastLanguage = language;
    // The copy turns the source's section into the target's, and a section of the
    // target's language into the source's, so it never holds two of the same.
    if (m_mode == Mode::Copying && (language == m_wantedLanguage || language == m_copyLanguage)) {
      const int to = language == m_wantedLanguage ? m_copyLanguage : m_wantedLanguage;
      QString line = currentLine();
      const qsizetype keyword = line.indexOf(QLatin1String("LANGUAGE"), 0, Qt::CaseInsensitive);
      qsizetype at = line.indexOf(primary, keyword + 8);
      if (keyword >= 0 && at >= 0) {
        const QString primaryText = QString::number(primaryLanguage(to));
        line.replace(at, primary.size(), primaryText);
        at = line.indexOf(sub, at + primaryText.size());
        if (at >= 0)
          line.replace(at, sub.size(), QString::number(subLanguage(to)));
        setCurrentLine(line);
      }
    }
  }
  skipLine();
  return ScriptOk;
}

int ResourceScript::skipToBegin() {
  QString token;
  for (;;) {
    const TokenKind kind = nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptSyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("BEGIN"))
      return ScriptOk;
    if (token == QLatin1String("LANGUAGE") && readLanguage(false) != ScriptOk)
      return ScriptSyntaxError;
  }
}

int ResourceScript::readResourceStatement(TokenKind firstKind, QString first) {
  if (first == QLatin1String("STRINGTABLE")) {
    startBlock();
    return readStringTable();
  }
  // A resource named by a quoted name, or by an expression.
  if (firstKind != TokenKind::String && !readExpression(firstKind, first))
    return ScriptSyntaxError;
  QString type;
  if (nextToken(type, false) == TokenKind::EndOfFile)
    return ScriptSyntaxError;
  startBlock();
  // A quoted name on the rest of the line makes a one-line file resource.
  if (restOfLineStartsString()) {
    addEntry(asciiUpper(type), first, QString());
    skipLine();
    return ScriptOk;
  }
  if (m_mode == Mode::Copying && m_inWantedLanguage && type == QLatin1String("TEXTINCLUDE"))
    return copyTextInclude();
  if (type == QLatin1String("DLGINIT"))
    return readDlgInit(first);
  if (type == QLatin1String("MENU"))
    return readMenu(first);
  if (type == QLatin1String("DIALOG") || type == QLatin1String("DIALOGEX"))
    return readDialog(first);
  // Resource types are names the compiler reads in any case.
  return readGenericBlock(asciiUpper(type), first);
}

int ResourceScript::readGenericBlock(const QString &kind, const QString &identifier) {
  addEntry(kind, identifier, QString());
  if (skipToBegin() != ScriptOk)
    return ScriptSyntaxError;
  return skipBlockBody();
}

int ResourceScript::skipBlockBody() {
  return skipBlockRest(1) == 1 ? ScriptOk : ScriptSyntaxError;
}

} // namespace tarvelo

namespace tarvelo {

void ResourceScript::addEntry(const QString &kind, const QString &identifier, const QString &text) {
  if (!m_inWantedLanguage || m_excludedFromDepth != 0 || m_mode == Mode::Copying)
    return;
  if (m_mode == Mode::Saving) {
    saveEntry(kind, identifier, text);
    return;
  }
  const QString stored = text.contains(u'"') ? undoubleQuotes(text) : text;
  if (!m_isSource) {
    matchTargetText(kind, identifier, stored);
    return;
  }
  if (!m_context.entries || !m_block)
    return;
  std::unique_ptr<TextEntry> entry = makeEntry(kind, m_block->firstEntry == nullptr);
  entry->kind = kind;
  // Tight copies: the token buffers are reused and larger than their texts.
  entry->identifier = QString(identifier.constData(), identifier.size());
  entry->sourceText =
      stored.isSharedWith(text) ? QString(stored.constData(), stored.size()) : stored;
  entry->task = m_task;
  entry->sourceBlock = m_block;
  if (!m_block->firstEntry)
    m_block->firstEntry = entry.get();
  m_context.entries->append(std::move(entry));
}

} // namespace tarvelo

namespace tarvelo {

bool ResourceScript::containsLanguage(int language) {
  return declaredLanguages().contains(language);
}

int ResourceScript::firstLanguage() {
  const QList<int> languages = declaredLanguages();
  return languages.isEmpty() ? -1 : languages.first();
}

// A pass that follows only the LANGUAGE statements; other lines are skipped whole.
QList<int> ResourceScript::declaredLanguages() {
  restart();
  m_codePage = m_file.isUtf8() ? 65001 : 0;
  QList<int> languages;
  QString token, primary, comma, sub;
  for (;;) {
    const TokenKind kind = nextToken(token, false);
    if (kind == TokenKind::EndOfFile)
      return languages;
    if (kind == TokenKind::Word && token == QLatin1String("LANGUAGE")) {
      const TokenKind primaryKind = nextToken(primary, true);
      if (nextToken(comma, true) != TokenKind::Comma)
        return languages;
      const TokenKind subKind = nextToken(sub, true);
      if (isLanguagePart(primaryKind) && isLanguagePart(subKind)) {
        const int language = languageFromNames(primary, sub);
        if (!languages.contains(language))
          languages.append(language);
      }
    }
    if (skipLine() == 0)
      return languages;
  }
}

} // namespace tarvelo

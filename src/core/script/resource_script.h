#pragma once

#include "script/entry_list.h"
#include "script/merged_lines.h"
#include "script/raw_block.h"
#include "script/script_reader.h"
#include "script/write_context.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <memory>
#include <vector>

namespace tarvelo {

class EntryList;
class Prompter;
class Progress;
class Settings;
class TaskChain;
class TextEntry;
struct Task;

// What a script reads into and talks through.
struct ScriptContext {
  EntryList *entries = nullptr;
  TaskChain *tasks = nullptr;
  Prompter *prompter = nullptr;
  Progress *progress = nullptr;
  Settings *settings = nullptr;
};

// Results of reading and writing.
enum ScriptResult { ScriptOk = 1, ScriptSyntaxError = -1, ScriptCancelled = -2 };

// One resource script read for one side of a task and a wanted language: follows the
// directives and LANGUAGE statements, recognises the resource statements, keeps each
// block verbatim and makes the entries. One object reads one file once.
class ResourceScript : public ScriptReader {
public:
  explicit ResourceScript(const ScriptContext &context);
  ~ResourceScript() override;

  bool open(const QString &path) { return m_file.open(path); }
  void openData(const QByteArray &data) { m_file.openData(data); }

  // 1 on success, -1 after a syntax error (its message has been shown), -2 when the
  // user cancelled. The entries go to the end of the entry list (source) or are
  // matched into the source entries (target).
  int read(bool isSource, int wantedLanguage, Task *task);

  // Whether a LANGUAGE statement of the script names the language.
  bool containsLanguage(int language);
  // The language of the script's first LANGUAGE statement, or -1 when it has none.
  int firstLanguage();
  // Every language its LANGUAGE statements name, in order of appearance.
  QList<int> declaredLanguages();

  const QString &header() const { return m_header; }
  // After a syntax error: the line it was found on, and the text found there.
  int errorLine() const { return m_errorLine; }
  const QString &errorText() const { return m_errorText; }
  bool languageFound() const { return m_languageFound; }

  // Writes the translated target of the reading task into target (which holds the
  // target's current content, possibly nothing, and decides the encoding written):
  // a merge pass over the old target that replaces its resources of the write
  // language by the translated source blocks, inserts those it lacks at one place
  // and keeps or drops those found only in the target. An empty target is first
  // filled with a converted copy of the source (read from source, or from the
  // task's source path when source is null). 1 on success; -1 when the old target
  // does not parse and the user declines to replace it (target is then unchanged).
  int write(Task *task, int writeLanguage, ScriptFile &target, const WriteContext &context,
            bool selective, ScriptFile *source = nullptr);

  // Fills out with a copy of the source (this script's file, the task's source)
  // converted to the target language: its LANGUAGE, code_page, AFX_TARG_ and include lines turned
  // to the target's, resources of other languages dropped. False when the source does not parse.
  bool copySourceAsNewTarget(Task *task, int targetLanguage, ScriptFile &out);

protected:
  enum class Mode { Reading, Saving, Copying };

  // One pass over the statements of the file: 1, -1 or -2.
  int runPass();
  int copyTextInclude();
  void readTextIncludeLine();
  void saveEntry(const QString &kind, const QString &identifier, const QString &text);
  void flushStatement();
  void writeInsertion(ScriptFile &out, int &codePage, bool newTarget);
  QString keptInPlaceText(int id, QString &oldText,
                          std::vector<MergedLines::Origin> &oldLines) const;
  QString keptStrings(const TextEntry *head) const;
  void chooseTargetOnly();
  // The line with the path of a pulled-in script replaced by its target's path.
  QString rewriteInclude(QString line) const;
  QString swapTargetGuard(QString line) const;

  void lineRead() override;

  // The code page of a side for a language; -1 takes the side's default language.
  int codePageFor(int language, bool sourceSide) const;
  // The code page a written code_page pragma names: UTF-8 for a UTF-8 file.
  QString pragmaCodePage(int language) const;

  // Statement readers: 1, or -1 on a syntax error.
  int readLanguage(bool topLevel);
  int readResourceStatement(TokenKind firstKind, QString first);
  // The rest of a text whose first literal has been read: adjacent literals
  // ("abc" "def") make one text.
  void readTextRest(QString &text);
  // An identifier whose first token has been read: a value, or an expression of
  // values, operators and parentheses ("(IDS_BASE + 1)", "IDC_X|0x100"), kept
  // without blanks. False when the tokens form none.
  bool readExpression(TokenKind kind, QString &text);
  // After a text: an optional comma, then an identifier.
  bool readOptionalCommaAndIdentifier(QString &identifier);
  int readStringTable();
  int readMenu(const QString &identifier);
  int readMenuItems(bool &sawEnd);
  int readDialog(const QString &identifier);
  int readDlgInit(const QString &identifier);
  int readGenericBlock(const QString &kind, const QString &identifier);
  // Skips tokens up to BEGIN, following LANGUAGE statements of the resource header.
  int skipToBegin();
  // Skips the rest of a block whose BEGIN has been read, to its END.
  int skipBlockBody();
  // Follows a directive token; false when it is not one this reader handles.
  void readDirective(const QString &word);
  void readInclude();
  void readIf();
  void readEndif();
  void readPragma(bool isError);

  void addEntry(const QString &kind, const QString &identifier, const QString &text);
  void matchTargetText(const QString &kind, const QString &identifier, const QString &text);
  void startBlock();
  void releaseBlock();

  ScriptContext m_context;
  Mode m_mode = Mode::Reading;
  Task *m_task = nullptr;
  Task *m_lastPulledTask = nullptr;
  QString m_header;
  bool m_isSource = true;
  int m_wantedLanguage = -1;
  bool m_languageFound = false;
  bool m_inWantedLanguage = false;
  int m_lastLanguage = -1;
  int m_ifDepth = 0;
  int m_designDepth = 0;
  int m_excludedFromDepth = 0;
  bool m_showProgress = false;
  QString m_scratch; // storage for tokens read on the way
  int m_errorLine = 0;
  QString m_errorText;
  qsizetype m_statementStart = 0; // where the line of the statement's first token starts
  RawBlockPtr m_block;
  TextEntry *m_cursor = nullptr; // last matched entry of the resource being read
  BlockLookup m_blockLookup;     // the entries of the block matched last

  // Writing.
  WriteContext m_writeContext;
  bool m_selective = false;
  MergedLines m_merged;              // the new target, line by line
  bool m_keepOrigins = false;        // the old target's lines may be kept as its bytes
  MergedLines::Mark m_insertionMark; // where new resources go
  bool m_insertionKnown = false;
  bool m_insertionFound = false;
  MergedLines::Mark m_lastDirectiveMark;
  std::unique_ptr<EntryList> m_targetOnly; // resources met in the target's section
  // Kinds and identifiers met in the target that are not to be written again.
  QSet<std::pair<QString, QString>> m_writtenInPlace;
  QSet<const TextEntry *> m_writtenHeads; // source resources already written in place
  // What replaces the statement being read, written once it has been read whole.
  struct PendingBlock {
    QString kind;
    QString text;
  };
  std::vector<PendingBlock> m_pending;
  bool m_statementHasSource = false;
  std::vector<TextEntry *> m_statementTargetOnly;
  // Resources found only in the target that stay where they stand if kept.
  std::vector<std::pair<TextEntry *, RawBlockPtr>> m_keptInPlace;
  QSet<const TextEntry *> m_inPlace;

  bool m_utf8Output = false; // the target is written in UTF-8

  // Copying the source as a new target.
  int m_copyLanguage = -1;       // the target language of the copy
  int m_lastTextIncludeLine = 0; // the TEXTINCLUDE line already treated
  bool m_afterLanguageString = false;
};

} // namespace tarvelo

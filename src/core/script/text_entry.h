// The model of a task's resources: one entry per translatable text or verbatim
// resource, whatever file it was read from.
#pragma once

#include "script/dialog_layout.h"
#include "script/raw_block.h"
#include "script/text_position.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace tarvelo {

class EntryList;
struct Task;
struct WriteContext;
struct AfterReadContext;

// Match states of an entry.
enum MatchState {
  NotFound = 0,
  SourceModified = 1,
  Fuzzy = 2,
  Matched = 3,
  Filled = 4,
  FoundEmpty = 5,
};

// One translatable text (or one verbatim resource) of a task.
class TextEntry {
public:
  enum class Class { String, Menu, DlgInit, Dialog, Control, Other };

  virtual ~TextEntry() = default;
  virtual Class entryClass() const = 0;

  bool isTranslatable() const { return entryClass() != Class::Other; }
  bool isHead() const { return sourceBlock && sourceBlock->firstEntry == this; }
  // The entry that stands for this entry's resource.
  TextEntry *head() const { return sourceBlock ? sourceBlock->firstEntry : nullptr; }

  // Position in the entry list, and the neighbours there.
  int index() const { return m_index; }
  TextEntry *next() const {
    return m_list && size_t(m_index) + 1 < m_list->size() ? (*m_list)[size_t(m_index) + 1].get()
                                                          : nullptr;
  }
  TextEntry *previous() const {
    return m_list && m_index > 0 ? (*m_list)[size_t(m_index) - 1].get() : nullptr;
  }

  // Sets "matched" or "fuzzy": the state itself unless the source has a text that
  // the target lacks.
  void setMatched(int state);

  // Checks the entry against what the target held, once the target has been read.
  virtual void afterTargetRead(AfterReadContext &context);

  // The text written for this entry: the translation, or the saving option's choice.
  QString writtenText(const WriteContext &context) const;

  QString kind;
  QString identifier;
  QString sourceText;
  QString targetText;
  RawBlockPtr sourceBlock;
  RawBlockPtr targetBlock;
  // Where the text's literal stands in the source and in the target as read.
  TextPosition sourcePosition;
  TextPosition targetPosition;
  Task *task = nullptr;
  TextEntry *nextOccurrence = nullptr;
  TextEntry *prevOccurrence = nullptr;
  // The two comments, the companion file's third field beyond the verification
  // digits, and on head entries the target texts that could not be placed one to one
  // (identifier, text). Few entries have any of them, so they are kept apart.
  using Alternatives = QList<QPair<QString, QString>>;
  QString sourceComment() const { return m_rare ? m_rare->sourceComment : QString(); }
  QString targetComment() const { return m_rare ? m_rare->targetComment : QString(); }
  QString extraText() const { return m_rare ? m_rare->extraText : QString(); }
  const Alternatives &alternatives() const;
  void setSourceComment(const QString &text);
  void setTargetComment(const QString &text);
  void setExtraText(const QString &text);
  void addAlternative(const QString &identifier, const QString &text);
  // Remembered translations of the source text from the memory (most used first),
  // kept on the first entry of an occurrence chain; null until first filled.
  std::unique_ptr<QStringList> memoryCache;
  int matchState = NotFound;
  bool verified = false;
  bool removed = false;
  bool selectedForSave = true;
  // Head entries: the order of the block's entries changed in the target.
  bool orderChanged = false;
  // Each side's companion file gives an entry at most one line.
  bool companionTaken[2] = {false, false};
  // The result of the automatic inspection: true when the entry passes.
  bool inspectionPassed = true;

private:
  struct Rare {
    QString sourceComment;
    QString targetComment;
    QString extraText;
    Alternatives alternatives;
  };
  Rare &rare();

  friend class EntryList;
  std::unique_ptr<Rare> m_rare;
  int m_index = -1;
  const std::vector<std::unique_ptr<TextEntry>> *m_list = nullptr; // the list's entries
  TextEntry *m_nextSame = nullptr; // next entry of the same task, kind and identifier
};

class StringEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::String; }
};

class MenuEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::Menu; }
};

class DlgInitEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::DlgInit; }
};

// Every entry of a dialog block after its head.
class ControlEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::Control; }
};

// The head entry of a DIALOG or DIALOGEX block; it owns the parsed dialog.
class DialogEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::Dialog; }
  void afterTargetRead(AfterReadContext &context) override;

  DialogLayout sourceLayout; // as the source defines it
  DialogLayout targetLayout;
  std::vector<ControlPair> pairs;
  bool layoutDiffers = false;
  bool useSourceLayout = false;
  bool layoutsBuilt = false; // the layouts were parsed after the target was read
  // The target block holds the source's controls, in order, and nothing else.
  bool targetMatchesSource = false;
  // The target block parsed whole, with every coordinate a number and nothing the
  // layout does not model.
  bool targetModelled = false;
  // The header of the block a save follows (the target's, or the source's when the
  // target has none) as it was read, and that block's controls no pair follows.
  DialogLayout followedHeader;
  std::vector<std::pair<qsizetype, qsizetype>> unfollowedControls;

  // Whether the writer can print the dialog again from its layout: everything of the
  // source and of the printed side parsed and modelled, every coordinate a number.
  // Otherwise a block is written with its texts replaced in place, so that nothing of
  // a dialog it cannot model is lost: the target's own block when it holds the
  // source's controls, else the source's.
  bool canRegenerate() const;
};

// Any other resource: no text, kept so that its block can be written to the target.
class OtherEntry final : public TextEntry {
public:
  Class entryClass() const override { return Class::Other; }
  void afterTargetRead(AfterReadContext &context) override;

  // The resource is written from the source's block instead of the target's.
  bool useSourceBlock = true;
};

// Makes the entry of the class for a resource kind; isDialogHead chooses between
// the dialog and the control entry for "DIALOG".
std::unique_ptr<TextEntry> makeEntry(const QString &kind, bool isDialogHead);

} // namespace tarvelo

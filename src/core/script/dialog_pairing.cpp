// Pairing a dialog's source and target controls once the target has been read.
#include "script/after_read.h"
#include "script/keywords.h"
#include "script/text_entry.h"

#include <QHash>

namespace tarvelo {

namespace {

// Controls are paired by identifier, numbers by their value however written.
struct ControlIdentifier {
  QStringView text;
  bool operator==(const ControlIdentifier &other) const { return sameIdentifier(text, other.text); }
  friend size_t qHash(const ControlIdentifier &key, size_t seed) {
    return identifierHash(key.text, seed);
  }
};

// The target's controls of each identifier, chained in order; an identifier's cursor
// is its next control not yet paired, so that the k-th source control with an
// identifier meets the k-th target control with it.
class TargetChains {
public:
  explicit TargetChains(const std::vector<ControlLayout> &controls)
      : m_nextSame(controls.size(), -1) {
    m_cursor.reserve(qsizetype(controls.size()));
    for (int i = int(controls.size()) - 1; i >= 0; --i) {
      const ControlIdentifier identifier{controls[size_t(i)].identifier};
      const auto found = m_cursor.find(identifier);
      if (found == m_cursor.end()) {
        m_cursor.insert(identifier, i);
      } else {
        m_nextSame[size_t(i)] = found.value();
        found.value() = i;
      }
    }
  }
  // The position of the next target control with the identifier, or -1.
  int take(QStringView identifier) {
    const auto next = m_cursor.find(ControlIdentifier{identifier});
    if (next == m_cursor.end() || next.value() < 0)
      return -1;
    const int position = next.value();
    next.value() = m_nextSame[size_t(position)];
    return position;
  }

private:
  std::vector<int> m_nextSame;
  QHash<ControlIdentifier, int> m_cursor;
};

// Parses the source's and the target's blocks into the dialog's layouts.
void readLayouts(DialogEntry &dialog, ParsedDialog &source, ParsedDialog &target) {
  source = parseDialogBlock(dialog.sourceBlock->text());
  dialog.sourceLayout = source.header;
  if (!dialog.targetBlock) {
    dialog.targetLayout = source.header;
    dialog.layoutDiffers = true;
    return;
  }
  target = parseDialogBlock(dialog.targetBlock->text());
  dialog.targetLayout = target.header;
  dialog.targetModelled = target.header.parsed && target.header.literal && target.header.modelled;
  for (const ControlLayout &control : target.controls)
    dialog.targetModelled = dialog.targetModelled && control.parsed && control.literal;
}

// Gives a source control the target control at position (-1: none); lastPaired is
// the furthest target position paired so far.
void pairTarget(DialogEntry &dialog, ControlPair &pair, const ParsedDialog &target, int position,
                int &lastPaired) {
  if (position < 0) {
    dialog.layoutDiffers = true;
    dialog.targetMatchesSource = false;
    return;
  }
  const ControlLayout &found = target.controls[size_t(position)];
  pair.followed = followedControl(found);
  if (found.parsed) {
    TextEntry *textEntry = pair.source.textEntry;
    pair.target = found;
    pair.target.textEntry = textEntry;
  } else {
    // Its text can still be replaced where it stands.
    pair.target.textStart = found.textStart;
    pair.target.textEnd = found.textEnd;
    dialog.layoutDiffers = true;
  }
  pair.targetFound = true;
  pair.targetIndex = position;
  if (position != lastPaired + 1)
    dialog.targetMatchesSource = false;
  if (position < lastPaired)
    dialog.layoutDiffers = true;
  lastPaired = std::max(lastPaired, position);
}

// The next control entry of the block after entry, or null at the block's end.
TextEntry *nextOfBlock(const TextEntry *entry, const RawBlockPtr &block) {
  TextEntry *next = entry->next();
  return next && next->sourceBlock == block ? next : nullptr;
}

} // namespace

// Builds the three layouts of a dialog and pairs each source control with its
// target control: the k-th control with the same identifier on both sides.
void DialogEntry::afterTargetRead(AfterReadContext &context) {
  if (settleBlock(this, context))
    layoutDiffers = true;
  ParsedDialog source, target;
  readLayouts(*this, source, target);
  TargetChains chains(target.controls);
  pairs.clear();
  pairs.reserve(source.controls.size());
  std::vector<bool> used(target.controls.size(), false);
  // The control entries of the block, after the head, taken in order.
  TextEntry *nextEntry = nextOfBlock(this, sourceBlock);
  int lastPaired = -1;
  // Whether every control of the target is one of the source's, in the source's order.
  targetMatchesSource = targetBlock != nullptr;
  for (ControlLayout &control : source.controls) {
    if (control.hasText && nextEntry && sameIdentifier(nextEntry->identifier, control.identifier)) {
      control.textEntry = nextEntry;
      nextEntry = nextOfBlock(nextEntry, sourceBlock);
    }
    ControlPair pair;
    pair.source = pair.target = control;
    if (!targetBlock) {
      pair.followed = followedControl(control);
    } else {
      const int position = chains.take(control.identifier);
      if (position >= 0)
        used[size_t(position)] = true;
      pairTarget(*this, pair, target, position, lastPaired);
    }
    pairs.push_back(std::move(pair));
  }
  if (targetBlock && lastPaired + 1 < int(target.controls.size())) {
    layoutDiffers = true;
    targetMatchesSource = false;
  }
  followedHeader = targetBlock ? target.header : source.header;
  unfollowedControls.clear();
  for (size_t i = 0; i < used.size(); ++i)
    if (!used[i] && target.controls[i].statementStart >= 0)
      unfollowedControls.emplace_back(target.controls[i].statementStart,
                                      target.controls[i].statementEnd);
  layoutsBuilt = true;
}

} // namespace tarvelo

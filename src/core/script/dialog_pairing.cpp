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

} // namespace

// Builds the three layouts of a dialog and pairs each source control with its
// target control: the k-th control with the same identifier on both sides.
void DialogEntry::afterTargetRead(AfterReadContext &context) {
  if (settleBlock(this, context))
    layoutDiffers = true;

  ParsedDialog source = parseDialogBlock(sourceBlock->text());
  sourceLayout = source.header;
  ParsedDialog target;
  if (targetBlock) {
    target = parseDialogBlock(targetBlock->text());
    targetLayout = target.header;
    targetModelled = target.header.parsed && target.header.literal && target.header.modelled;
    for (const ControlLayout &control : target.controls)
      targetModelled = targetModelled && control.parsed && control.literal;
  } else {
    targetLayout = source.header;
    layoutDiffers = true;
  }

  // The target's controls of each identifier, chained in order; an identifier's cursor
  // is its next control not yet paired, so that the k-th source control with an
  // identifier meets the k-th target control with it.
  const int targetCount = int(target.controls.size());
  std::vector<int> nextSame(size_t(targetCount), -1);
  QHash<ControlIdentifier, int> cursor;
  cursor.reserve(targetCount);
  for (int i = targetCount - 1; i >= 0; --i) {
    const QStringView identifier = target.controls[size_t(i)].identifier;
    const auto found = cursor.find(ControlIdentifier{identifier});
    if (found == cursor.end()) {
      cursor.insert(ControlIdentifier{identifier}, i);
    } else {
      nextSame[size_t(i)] = found.value();
      found.value() = i;
    }
  }

  pairs.clear();
  pairs.reserve(source.controls.size());
  std::vector<bool> used(target.controls.size(), false);
  // The control entries of the block, after the head, taken in order.
  TextEntry *nextEntry = next();
  if (nextEntry && nextEntry->sourceBlock != sourceBlock)
    nextEntry = nullptr;
  int lastPaired = -1;
  // Whether every control of the target is one of the source's, in the source's order.
  targetMatchesSource = targetBlock != nullptr;
  for (ControlLayout &control : source.controls) {
    if (control.hasText && nextEntry && sameIdentifier(nextEntry->identifier, control.identifier)) {
      control.textEntry = nextEntry;
      nextEntry = nextEntry->next();
      if (nextEntry && nextEntry->sourceBlock != sourceBlock)
        nextEntry = nullptr;
    }
    ControlPair pair;
    pair.source = pair.target = control;
    if (!targetBlock)
      pair.followed = followedControl(control);
    if (targetBlock) {
      const auto next = cursor.find(ControlIdentifier{control.identifier});
      if (next != cursor.end() && next.value() >= 0) {
        const int position = next.value();
        next.value() = nextSame[size_t(position)];
        const ControlLayout &found = target.controls[size_t(position)];
        pair.followed = followedControl(found);
        used[size_t(position)] = true;
        if (found.parsed) {
          pair.target = found;
          pair.target.textEntry = control.textEntry;
        } else {
          // Its text can still be replaced where it stands.
          pair.target.textStart = found.textStart;
          pair.target.textEnd = found.textEnd;
          layoutDiffers = true;
        }
        pair.targetFound = true;
        pair.targetIndex = position;
        if (position != lastPaired + 1)
          targetMatchesSource = false;
        if (position < lastPaired)
          layoutDiffers = true;
        lastPaired = std::max(lastPaired, position);
      } else {
        layoutDiffers = true;
        targetMatchesSource = false;
      }
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

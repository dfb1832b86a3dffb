#include "script/after_read.h"
#include "script/text_entry.h"

#include <QHash>

namespace tarvelo {

// Builds the three layouts of a dialog and pairs each source control with its
// target control: the k-th control with the same identifier on both sides.
void DialogEntry::afterTargetRead(AfterReadContext &context) {
  if (settleBlock(this, context))
    layoutDiffers = true;

  const ParsedDialog source = parseDialogBlock(sourceBlock->text());
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

  // Positions of the target's controls by identifier, in order.
  QHash<QString, std::vector<int>> targetPositions;
  for (int i = 0; i < int(target.controls.size()); ++i)
    targetPositions[target.controls[size_t(i)].identifier].push_back(i);
  QHash<QString, int> sourceSeen;

  pairs.clear();
  pairs.reserve(source.controls.size());
  // The control entries of the block, after the head, taken in order.
  TextEntry *nextEntry = next();
  if (nextEntry && nextEntry->sourceBlock != sourceBlock)
    nextEntry = nullptr;
  int lastPaired = -1;
  // Whether every control of the target is one of the source's, in the source's order.
  targetMatchesSource = targetBlock != nullptr;
  for (const ControlLayout &parsed : source.controls) {
    ControlLayout control = parsed;
    if (control.hasText && nextEntry && nextEntry->identifier == control.identifier) {
      control.textEntry = nextEntry;
      nextEntry = nextEntry->next();
      if (nextEntry && nextEntry->sourceBlock != sourceBlock)
        nextEntry = nullptr;
    }
    ControlPair pair{control, control};
    if (targetBlock) {
      const int k = sourceSeen[control.identifier]++;
      const std::vector<int> &positions = targetPositions.value(control.identifier);
      if (k < int(positions.size())) {
        const int position = positions[size_t(k)];
        const ControlLayout &found = target.controls[size_t(position)];
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
  layoutsBuilt = true;
}

} // namespace tarvelo

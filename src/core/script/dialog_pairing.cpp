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
  originalLayout = source.header;
  ParsedDialog target;
  if (targetBlock) {
    target = parseDialogBlock(targetBlock->text());
    targetLayout = target.header;
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
  for (const ControlLayout &parsed : source.controls) {
    ControlLayout control = parsed;
    if (control.hasText && nextEntry && nextEntry->identifier == control.identifier) {
      control.textEntry = nextEntry;
      nextEntry = nextEntry->next();
      if (nextEntry && nextEntry->sourceBlock != sourceBlock)
        nextEntry = nullptr;
    }
    ControlPair pair{control, control, control};
    if (targetBlock) {
      const int k = sourceSeen[control.identifier]++;
      const std::vector<int> &positions = targetPositions.value(control.identifier);
      if (k < int(positions.size()) && target.controls[size_t(positions[size_t(k)])].parsed) {
        const int position = positions[size_t(k)];
        pair.target = target.controls[size_t(position)];
        pair.target.textEntry = control.textEntry;
        if (position < lastPaired)
          layoutDiffers = true;
        lastPaired = std::max(lastPaired, position);
      } else {
        layoutDiffers = true;
      }
    }
    pairs.push_back(std::move(pair));
  }
  if (targetBlock && lastPaired + 1 < int(target.controls.size()))
    layoutDiffers = true;
  layoutsBuilt = true;
}

} // namespace tarvelo

// Data roles of the workbench's item models beyond Qt's own.
#pragma once

#include <Qt>

namespace tarvelo {

// Data roles of the workbench's item models beyond Qt's own.
enum ItemRole {
  EntryRole = Qt::UserRole + 1, // the TextEntry* the row or node stands for (quintptr)
  StateImageRole,               // item list: 0-4 the state, 5-9 failing inspection
  CommentImageRole,             // item list: 10 source comment, 11 both, 12 target comment
  VerifiedRole,                 // item list: the entry is verified
  RightToLeftRole,              // item list: the column's language is written right to left
  TreeImageRole,                // resource tree: 0 root, 1-4 the text groups, 5 other groups
  RemovedRole,                  // resource tree: the resource is not written
  InspectionFailedRole,         // item list: fails inspection while "AutoInspect" is on
};

} // namespace tarvelo

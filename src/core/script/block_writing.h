// The writers of each kind of resource block, shared by the files that hold them.
#pragma once

#include "script/script_block_writer.h"
#include "script/text_entry.h"

namespace tarvelo {

QString writeOtherBlock(const OtherEntry &self, const WriteContext &context, bool writeAll,
                        bool keepSource);
QString writeMenuBlock(const MenuEntry &self, const WriteContext &context, bool writeAll,
                       bool keepSource);
QString writeStringBlock(const StringEntry &self, const WriteContext &context, bool writeAll,
                         bool keepSource);
QString writeDlgInitBlock(const DlgInitEntry &self, const WriteContext &context, int codePage,
                          bool writeAll, bool keepSource);
QString writeDialogBlock(const DialogEntry &self, const WriteContext &context, bool writeAll,
                         bool keepSource);

// A dialog's ways of being written: its target block with the texts replaced where
// they stand, the source's likewise, the block it replaces with only what changed
// written anew (empty when that block cannot be followed), or printed again from its
// layout.
QString writeDialogTargetInPlace(const DialogEntry &self, const WriteContext &context);
QString writeDialogSourceInPlace(const DialogEntry &self, const WriteContext &context);
QString writeDialogFollowing(const DialogEntry &self, const WriteContext &context);
QString regenerateDialog(const DialogEntry &self, const WriteContext &context);

} // namespace tarvelo

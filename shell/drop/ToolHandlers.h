#pragma once
// The two handlers that the main window's description binds, registered
// under the names it binds them by.

#include "rename/RenameDroppedFiles.h"
#include "shell/process/ProcessShell.h"

namespace batch {

// What the renaming needs from the platform, apart from the suffix, which is
// always the live text of the edit box.
struct RenamePorts {
  FileSystem& files;
  CompletionNotice& notice;
  PathRule paths;
};

// The main window's Created handler: makes the main window the receiver of
// its drop target. A refused registration goes unreported; the window then
// simply takes no drops.
void AttachDropTarget(ProcessShell& shell);

// Binds AttachDropTarget, and RenameDroppedFiles with the edit box's live
// text as the suffix, read once per drop.
void RegisterToolHandlers(ProcessShell& shell, RenamePorts ports);

}  // namespace batch

#include "app/MainWindowWiring.h"

#include "platform/win32/MessageBoxNotice.h"
#include "platform/win32/OleDropTargetComponent.h"
#include "platform/win32/Win32FileSystem.h"
#include "shell/drop/ToolHandlers.h"

namespace batch {
namespace {

Win32FileSystem files;
MessageBoxNotice completion;

}  // namespace

void WireMainWindow(ProcessShell& shell) {
  shell.RegisterComponentType(ComponentType::DropTarget, &OleDropTargetComponent::Create);
  RegisterToolHandlers(shell, {files, completion, kWindowsPaths});
}

}  // namespace batch

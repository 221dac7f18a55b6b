#include "platform/qt/QtProgram.h"

#include "platform/qt/QtControls.h"
#include "platform/qt/QtDrop.h"
#include "shell/drop/ToolHandlers.h"

namespace batch {

QtProgram::QtProgram(ProcessShell& shell) {
  shell.RegisterComponentType(ComponentType::Label, CreateQtLabel);
  shell.RegisterComponentType(ComponentType::EditBox, CreateQtEditBox);
  shell.RegisterComponentType(ComponentType::DropTarget, QtDropTargetComponent::Create);
  RegisterToolHandlers(shell, {files_, notice_, kPosixPaths});
}

}  // namespace batch

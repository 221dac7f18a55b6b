#include "platform/qt/QtProgram.h"

#include "platform/qt/QtControls.h"
#include "platform/qt/QtDrop.h"
#include "shell/window/MainWindow.h"

namespace batch {

Text QtProgram::SuffixBox::ReadSuffix() { return shell_.ComponentText(kMainWindowId, kSuffixBoxId); }

QtProgram::QtProgram(ProcessShell& shell) : shell_(shell), suffix_(shell) {
  shell.RegisterComponentType(ComponentType::Label, CreateQtLabel);
  shell.RegisterComponentType(ComponentType::EditBox, CreateQtEditBox);
  shell.RegisterComponentType(ComponentType::DropTarget, [this](const ComponentContext& context) {
    auto control = CreateQtDropTarget(context);
    dropTarget_ = control.get();
    return std::unique_ptr<Component>(std::move(control));
  });

  shell.RegisterHandler(kAttachDropTargetHandler, [this](TextRef) {
    dropTarget_->Target().RegisterDropWindow(shell_.WindowHandle(kMainWindowId));
  });
  shell.RegisterHandler(kRenameDroppedFilesHandler, [this](TextRef received) {
    RenameDroppedFiles(received, {files_, suffix_, notice_, kPosixPaths});
  });
}

}  // namespace batch

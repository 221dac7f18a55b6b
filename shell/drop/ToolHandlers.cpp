#include "shell/drop/ToolHandlers.h"

#include "shell/drop/DropTargetComponent.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

class EditBoxSuffix final : public SuffixSource {
 public:
  explicit EditBoxSuffix(ProcessShell& shell) : shell_(shell) {}
  Text ReadSuffix() override { return shell_.ComponentText(kMainWindowId, kSuffixBoxId); }

 private:
  ProcessShell& shell_;
};

}  // namespace

void AttachDropTarget(ProcessShell& shell) {
  auto* drop = dynamic_cast<DropTargetComponent*>(shell.FindComponent(kMainWindowId, kDropTargetId));
  if (drop != nullptr) drop->Target().RegisterDropWindow(shell.WindowHandle(kMainWindowId));
}

void RegisterToolHandlers(ProcessShell& shell, RenamePorts ports) {
  shell.RegisterHandler(kAttachDropTargetHandler, [&shell](TextRef) { AttachDropTarget(shell); });
  shell.RegisterHandler(kRenameDroppedFilesHandler, [&shell, ports](TextRef list) {
    EditBoxSuffix suffix(shell);
    RenameDroppedFiles(list, {ports.files, suffix, ports.notice, ports.paths});
  });
}

}  // namespace batch

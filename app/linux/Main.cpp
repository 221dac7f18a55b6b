// The Linux program: the tool's one window on the Qt desktop.

#include <QApplication>

#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtDrop.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtProcessPort.h"
#include "rename/RenameDroppedFiles.h"
#include "shell/process/ProcessShell.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

class SuffixBox final : public SuffixSource {
 public:
  explicit SuffixBox(ProcessShell& shell) : shell_(shell) {}
  Text ReadSuffix() override { return shell_.ComponentText(kMainWindowId, kSuffixBoxId); }

 private:
  ProcessShell& shell_;
};

}  // namespace
}  // namespace batch

int main(int argc, char** argv) {
  using namespace batch;
  // Qt takes its own options; every other argument is ignored.
  QApplication application(argc, argv);
  QtProcessPort platform;
  ProcessShell shell(platform);

  QtDropTargetControl* dropTarget = nullptr;
  shell.RegisterComponentType(ComponentType::Label, CreateQtLabel);
  shell.RegisterComponentType(ComponentType::EditBox, CreateQtEditBox);
  shell.RegisterComponentType(ComponentType::DropTarget, [&](const ComponentContext& context) {
    auto control = CreateQtDropTarget(context);
    dropTarget = control.get();
    return std::unique_ptr<Component>(std::move(control));
  });

  PosixFileSystem files;
  SuffixBox suffix(shell);
  QtCompletionNotice notice;
  shell.RegisterHandler(kAttachDropTargetHandler, [&](TextRef) {
    dropTarget->Target().RegisterDropWindow(shell.WindowHandle(kMainWindowId));
  });
  shell.RegisterHandler(kRenameDroppedFilesHandler, [&](TextRef received) {
    RenameDroppedFiles(received, {files, suffix, notice, kPosixPaths});
  });

  shell.StartProgram(kMainWindowId);
  shell.EndProgram();
  return shell.ExitCode();
}

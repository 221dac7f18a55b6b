// The end of the Windows program, in process under Wine: closing the main
// window withdraws its drop registration, then the exit routines run, and
// OLE is shut down last.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/OleDropTargetComponent.h"
#include "platform/win32/Win32EditBox.h"
#include "platform/win32/Win32Label.h"
#include "platform/win32/Win32ProcessPort.h"
#include "shell/drop/ToolHandlers.h"
#include "shell/window/EmbeddedWindowBlock.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

using Log = std::vector<std::string>;

// The real Windows frame, but with the description compiled in (a test
// program has no resources) and OLE's shutdown logged.
class LoggedPort final : public ProcessPort {
 public:
  explicit LoggedPort(Log& log) : log_(log) {}
  void InitializeDragDrop() override { real_.InitializeDragDrop(); }
  void ShutDownDragDrop() override {
    log_.push_back("OleUninitialize");
    real_.ShutDownDragDrop();
  }
  void EnterProgramFolder() override {}
  std::span<const std::uint8_t> DescriptionBlock() override { return EmbeddedWindowBlock(); }
  std::unique_ptr<NativeWindow> CreateProgramWindow(const WindowDescription& window,
                                                    WindowObserver& observer) override {
    return real_.CreateProgramWindow(window, observer);
  }
  std::int32_t RunLoop(const std::function<void()>& idle) override { return real_.RunLoop(idle); }
  void PostQuit(std::int32_t code) override { real_.PostQuit(code); }
  void ShowFatalBox(TextRef text, TextRef caption) override { real_.ShowFatalBox(text, caption); }
  [[noreturn]] void EndProcess(std::int32_t code) override { real_.EndProcess(code); }
  void ReleaseWindowResources() override { real_.ReleaseWindowResources(); }

 private:
  Win32ProcessPort real_;
  Log& log_;
};

Log* endLog = nullptr;
// The drop target, with one reference of the test's own.
OleDropTarget* watched = nullptr;

// Dropping the test's reference frees the target only when the platform
// holds none any more, that is when the registration has been withdrawn.
void LogExitRoutine() {
  endLog->push_back(watched->Release() == 0 ? "exit routine, drop target held by no one"
                                            : "exit routine, drop target still held");
}

std::unique_ptr<Component> WatchedDropTarget(const ComponentContext& context) {
  std::unique_ptr<Component> made = OleDropTargetComponent::Create(context);
  watched = &static_cast<OleDropTargetComponent&>(*made).Object();
  watched->AddRef();
  return made;
}

TEST(ProgramEnd, WithdrawsTheDropRegistrationThenRunsExitRoutinesThenShutsOleDown) {
  Log log;
  endLog = &log;
  LoggedPort port(log);
  ProcessShell shell(port);
  shell.RegisterComponentType(ComponentType::Label, &Win32Label::Create);
  shell.RegisterComponentType(ComponentType::EditBox, &Win32EditBox::Create);
  shell.RegisterComponentType(ComponentType::DropTarget, &WatchedDropTarget);
  shell.RegisterHandler(kAttachDropTargetHandler, [&shell](TextRef) { AttachDropTarget(shell); });
  shell.InitRuntime();
  shell.RegisterExitRoutine(&LogExitRoutine);
  shell.LoadStartWindow(kMainWindowId);

  const auto window = reinterpret_cast<HWND>(shell.WindowHandle(kMainWindowId));
  EXPECT_EQ(RegisterDragDrop(window, watched), DRAGDROP_E_ALREADYREGISTERED);

  PostMessageA(window, WM_CLOSE, 0, 0);
  shell.RunMessageLoop();
  EXPECT_FALSE(IsWindow(window));
  shell.EndProgram();
  EXPECT_EQ(log, (Log{"exit routine, drop target held by no one", "OleUninitialize"}));
}

}  // namespace
}  // namespace batch
